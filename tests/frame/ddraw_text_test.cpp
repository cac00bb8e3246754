// The bitmap font: widths, drawing, numbers and word wrapping.
#include "frame/ddraw_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "frame/ddutil.h"
#include "frame/dix.h"
#include "support/scratch.h"
#include "support/surfaces.h"

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
      test::Fill(font_surface, std::uint16_t(code), &cell);
    }
    Clear();
  }
  ~Font() override {
    font_surface->Release();
    font_surface = nullptr;
  }
  static void Clear() { test::Fill(lpDDSBack, 0xFFFF); }
  static std::uint16_t At(int x, int y) { return lpDDSBack.get()->PixelAt(x, y); }

  test::ScratchTree tree;
  test::Machine machine;
};

// A lacking character counts -1, is logged, and is neither drawn nor
// advanced over; lower case is drawn as upper case, and the buffer keeps it.
TEST_F(Font, TextIsDrawnGlyphByGlyphInUpperCaseAndLackingCharactersAreLogged) {
  EXPECT_EQ(std::tuple(LargeurTexte("PLAY"), LargeurTexte("1200"), LargeurTexte(nullptr)),
            std::tuple(42, 35, 0));
  EXPECT_EQ(std::tuple(char_width['a'], char_row['P'], char_row['x']), std::tuple(-1, 33, 0));
  EXPECT_EQ(LargeurTexte("A#\xE9"), 13 - 1 - 1);
  char text[] = "a#b!";
  EXPECT_EQ(AfficherTexte(text, 100, 50), 13 + 9 + 6);
  EXPECT_STREQ(text, "A#B!");
  // Each glyph is copied opaque from its cell, 15 rows high.
  EXPECT_EQ(
      (std::array{At(100, 50), At(112, 64), At(113, 50), At(122, 50), At(128, 50), At(100, 65)}),
      (std::array<std::uint16_t, 6>{'A', 'A', 'B', '!', 0xFFFF, 0xFFFF}));
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "ddraw_text : unknown character : #\nddraw_text : unknown character : \xE9\n"
            "ddraw_text : unknown character : #\n");
  EXPECT_EQ(AfficherTexte(nullptr, 0, 0), 0);
  EXPECT_EQ(AfficherNombre(1200, 10, 10), 35);
  EXPECT_EQ(AfficherNombre(-7, 10, 40), 9 + 8);
  EXPECT_EQ(std::tuple(At(10, 10), At(13, 10), At(10, 40)), std::tuple('1', '2', '-'));
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
// A line break adds a line; blanks that open a line are dropped; a lacking
// character is measured quietly and reported once, by the drawing.
TEST_F(Font, WordsWrapBeforeTheRightMargin) {
  char wide[] = "a b", narrow[] = "A B", broken[] = "A B\n", indented[] = "A\n  B";
  EXPECT_EQ(AfficherTexteMultiLignes(lpDDSBack, wide, 0, 0, 44), 20);
  EXPECT_EQ(std::tuple(At(0, 0), At(19, 0)), std::tuple('A', 'B'));
  Clear();
  EXPECT_EQ(AfficherTexteMultiLignes(lpDDSBack, narrow, 0, 0, 43), 50);
  EXPECT_EQ(std::tuple(At(0, 30), At(19, 0)), std::tuple('B', 0xFFFF));
  EXPECT_EQ(AfficherTexteMultiLignes(lpDDSBack, broken, 0, 0, 50), 50);
  EXPECT_EQ(AfficherTexteMultiLignes(lpDDSBack, indented, 5, 100, 500), 50);
  EXPECT_EQ(At(5, 130), 'B');
  EXPECT_EQ(AfficherTexteMultiLignes(lpDDSBack, nullptr, 0, 0, 50), 0);
  char lacking[] = "A#";
  AfficherTexteMultiLignes(lpDDSBack, lacking, 0, 0, 500);
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"), "ddraw_text : unknown character : #\n");
}

}  // namespace
