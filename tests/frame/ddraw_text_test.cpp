// The bitmap font: widths, drawing, numbers and word wrapping.
#include "frame/ddraw_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/ddutil.h"
#include "frame/dix.h"
#include "support/scratch.h"

namespace {

// A font picture whose every glyph cell is filled with its own code, so that
// a drawn pixel tells which glyph it came from.
class Font : public ::testing::Test {
 protected:
  Font() {
    InitFont();
    CreateOffscreenSurface(lpDD, 640, 48, &font_surface);
    for (int code = 0; code < 120; ++code) {
      RECT cell{(code % 40) * 16, (code / 40) * 16, (code % 40) * 16 + 16, (code / 40) * 16 + 16};
      DDBLTFX fx{sizeof(DDBLTFX), DWORD(code)};
      font_surface->Blt(&cell, nullptr, nullptr, DDBLT_COLORFILL, &fx);
    }
    Clear();
  }
  ~Font() override {
    font_surface->Release();
    font_surface = nullptr;
  }
  static void Clear() {
    DDBLTFX fx{sizeof(DDBLTFX), 0xFFFF};
    lpDDSBack->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx);
  }
  static std::uint16_t At(int x, int y) { return lpDDSBack.get()->PixelAt(x, y); }

  test::ScratchTree tree;
  test::Machine machine;
};

TEST_F(Font, WidthsFollowTheTableAndLackingCharactersAreLogged) {
  EXPECT_EQ(LargeurTexte("PLAY"), 42);
  EXPECT_EQ(LargeurTexte("1200"), 35);
  EXPECT_EQ(LargeurTexte(nullptr), 0);
  EXPECT_EQ(char_width['a'], -1);
  EXPECT_EQ(char_row['P'], 33);
  EXPECT_EQ(char_row['x'], 0);                    // 120 and above lie on no glyph line
  EXPECT_EQ(LargeurTexte("A#\xE9"), 13 - 1 - 1);  // a lacking character counts -1
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "ddraw_text : unknown character : #\nddraw_text : unknown character : \xE9\n");
}

// A lacking character is neither drawn nor advanced over.
TEST_F(Font, LowerCaseIsDrawnAsUpperCaseAndTheBufferKeepsIt) {
  char text[] = "a#b!";
  EXPECT_EQ(AfficherTexte(text, 100, 50), 13 + 9 + 6);
  EXPECT_STREQ(text, "A#B!");
  // Each glyph is copied opaque from its cell, 15 rows high.
  EXPECT_EQ(At(100, 50), 'A');
  EXPECT_EQ(At(112, 64), 'A');
  EXPECT_EQ(At(113, 50), 'B');
  EXPECT_EQ(At(122, 50), '!');
  EXPECT_EQ(At(128, 50), 0xFFFF);
  EXPECT_EQ(At(100, 65), 0xFFFF);
  EXPECT_NE(tree.Log("Fatal_Errors.txt").find("unknown character : #"), std::string::npos);
  EXPECT_EQ(AfficherTexte(nullptr, 0, 0), 0);
}

TEST_F(Font, NumbersAreDrawnInDecimal) {
  EXPECT_EQ(AfficherNombre(1200, 10, 10), 35);
  EXPECT_EQ(At(10, 10), '1');
  EXPECT_EQ(At(13, 10), '2');
  EXPECT_EQ(AfficherNombre(-7, 10, 40), 9 + 8);
  EXPECT_EQ(At(10, 40), '-');
}

TEST_F(Font, GlyphsLeavingTheScreenAreReportedAndSkipped) {
  char text[] = "AA";
  EXPECT_EQ(AfficherTexte(text, 630, 0), 26);
  EXPECT_EQ(At(630, 0), 0xFFFF);
  EXPECT_NE(tree.Log("Ddraw_text.txt").find("text a afficher :AA\npx=630  py=00\n"),
            std::string::npos);
  EXPECT_NE(tree.Log("directX_errors.txt").find("DDERR_INVALIDRECT"), std::string::npos);
}

// B at x 19 is 9 wide: 19 + 9 + 15 = 43 wraps it from a width of 43 down.
TEST_F(Font, WordsWrapBeforeTheRightMargin) {
  char wide[] = "a b";
  EXPECT_EQ(AfficherTexteMultiLignes(lpDDSBack, wide, 0, 0, 44), 20);
  EXPECT_EQ(At(0, 0), 'A');
  EXPECT_EQ(At(19, 0), 'B');
  Clear();
  char narrow[] = "A B";
  EXPECT_EQ(AfficherTexteMultiLignes(lpDDSBack, narrow, 0, 0, 43), 50);
  EXPECT_EQ(At(0, 30), 'B');
  EXPECT_EQ(At(19, 0), 0xFFFF);
  // A line break adds a line; blanks that open a line are dropped.
  char broken[] = "A B\n";
  EXPECT_EQ(AfficherTexteMultiLignes(lpDDSBack, broken, 0, 0, 50), 50);
  Clear();
  char indented[] = "A\n  B";
  EXPECT_EQ(AfficherTexteMultiLignes(lpDDSBack, indented, 5, 100, 500), 50);
  EXPECT_EQ(At(5, 130), 'B');
  EXPECT_EQ(AfficherTexteMultiLignes(lpDDSBack, nullptr, 0, 0, 50), 0);
  // A lacking character is measured quietly and reported once, by the drawing.
  char lacking[] = "A#";
  AfficherTexteMultiLignes(lpDDSBack, lacking, 0, 0, 500);
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"), "ddraw_text : unknown character : #\n");
}

}  // namespace
