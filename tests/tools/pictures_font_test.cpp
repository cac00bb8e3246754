// The font picture: every glyph the game's width table knows is designed to
// that width, lies inside its box in the picture and stays there.
#include <gtest/gtest.h>

#include <cstring>

#include "frame/ddraw_text.h"
#include "pictures/font_glyphs.h"
#include "pictures/palette.h"
#include "tools/drawn_sheets.h"

namespace {

using pictures::GlyphDesign;
using pictures::Rect;
using pictures::palette::kBlack;

const GlyphDesign* DesignOf(int code) {
  for (const GlyphDesign& glyph : pictures::FontGlyphDesigns()) {
    if (static_cast<unsigned char>(glyph.code) == code) return &glyph;
  }
  return nullptr;
}

TEST(PictureFont, DesignsMatchTheGamesWidthTableExactly) {
  InitFont();
  for (int code = 0; code < 128; ++code) {
    const GlyphDesign* design = DesignOf(code);
    if (char_width[code] < 0) {
      EXPECT_EQ(design, nullptr) << "designed but unknown to the game: " << char(code);
      continue;
    }
    ASSERT_NE(design, nullptr) << "missing glyph: " << char(code);
    EXPECT_EQ(design->width, char_width[code]) << char(code);
    for (const char* row : design->rows) {
      if (!row) continue;
      EXPECT_EQ(int(std::strlen(row)), design->width) << char(code) << " row " << row;
      EXPECT_EQ(row[design->width - 1], '.') << char(code) << " touches its neighbour";
    }
  }
}

// Each glyph lies in its box on the row the game reads it from, holds ink
// (but the blank), and there is no ink outside the boxes.
TEST(PictureFont, EveryGlyphBoxHoldsInkButTheBlankAndNothingLiesOutside) {
  InitFont();
  const platform::Image& sheet = test::DrawnSheet("font1.bmp");
  platform::Image outside = sheet;
  for (const GlyphDesign& glyph : pictures::FontGlyphDesigns()) {
    const auto code = static_cast<unsigned char>(glyph.code);
    const Rect box = pictures::GlyphBox(code, glyph.width);
    EXPECT_EQ(box.y, char_row[code]) << glyph.code;
    const int ink = test::CountOther(sheet, box, kBlack);
    EXPECT_TRUE(glyph.code == ' ' ? ink == 0 : ink >= 4) << glyph.code;  // a full stop is 2 x 2
    for (int y = box.y; y < box.Bottom(); ++y) {
      for (int x = box.x; x < box.Right(); ++x) outside.at(x, y) = kBlack;
    }
  }
  EXPECT_EQ(test::CountOther(outside, {0, 0, outside.width, outside.height}, kBlack), 0);
}

}  // namespace
