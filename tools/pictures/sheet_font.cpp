// font1.bmp: the text font, light warm letters lit from the top-left.
#include "pictures/font_glyphs.h"
#include "pictures/mask.h"
#include "pictures/sheet_drawers.h"

namespace pictures {
namespace {

Mask GlyphInk(const GlyphDesign& glyph) {
  Mask ink(glyph.width, kGlyphDesignRows);
  for (int row = 0; row < kGlyphDesignRows; ++row) {
    const char* line = glyph.rows[row];
    for (int x = 0; line && x < glyph.width && line[x]; ++x) ink.Set(x, row, line[x] == '#');
  }
  return ink;
}

// Edges facing the light are pale, edges facing away are shaded, the rest of
// each stroke carries the letter's own colour.
Colour InkColour(const Mask& ink, int x, int y) {
  const bool lit = !ink.Get(x - 1, y) || !ink.Get(x, y - 1);
  const bool shaded = !ink.Get(x + 1, y) || !ink.Get(x, y + 1);
  if (lit && !shaded) return palette::kGold[7];
  if (shaded && !lit) return palette::kGold[4];
  return palette::kGold[6];
}

void DrawGlyph(Canvas& sheet, const GlyphDesign& glyph) {
  const Rect box = GlyphBox(static_cast<unsigned char>(glyph.code), glyph.width);
  const Mask ink = GlyphInk(glyph);
  for (int y = 0; y < ink.height(); ++y) {
    for (int x = 0; x < ink.width(); ++x) {
      if (ink.Get(x, y)) sheet.Set(box.x + x, box.y + kGlyphDesignTop + y, InkColour(ink, x, y));
    }
  }
}

}  // namespace

platform::Image DrawFontSheet() {
  Canvas sheet(kFontSheetWidth, kFontSheetHeight, palette::kBlack);
  for (const GlyphDesign& glyph : FontGlyphDesigns()) DrawGlyph(sheet, glyph);
  return sheet.image();
}

}  // namespace pictures
