// The hand-pixelled designs of the game's text font and where each glyph sits
// in its picture. The game copies glyphs opaque, straight out of the picture,
// so the picture is black and each glyph's box is the width of its advance.
#pragma once

#include <array>
#include <span>

#include "pictures/canvas.h"

namespace pictures {

inline constexpr int kFontSheetWidth = 640;
inline constexpr int kFontSheetHeight = 48;
inline constexpr int kGlyphCellWidth = 16;
inline constexpr int kGlyphsPerLine = 40;
inline constexpr int kGlyphHeight = 15;
// Rows of a design; the design starts this many rows below the glyph's top, so
// that capitals sit in the middle of a 20-pixel button.
inline constexpr int kGlyphDesignRows = 13;
inline constexpr int kGlyphDesignTop = 2;

// One glyph: rows of '#' (ink) and '.' (background), each `width` long, the
// capitals on rows 0 to 10 and descenders below. Missing rows are empty. The
// last column stays empty so that letters never touch.
struct GlyphDesign {
  char code;
  int width;
  std::array<const char*, kGlyphDesignRows> rows;
};

// Every character of the font, the blank included.
std::span<const GlyphDesign> FontGlyphDesigns();

// The glyph's box in the font picture: the glyph of code c starts at column
// (c mod 40) * 16 + 1 of the line c / 40, each line 16 rows from the one above.
Rect GlyphBox(unsigned char code, int width);

}  // namespace pictures
