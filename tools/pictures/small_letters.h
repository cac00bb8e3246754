// Small 5x7 capitals and digits for lettering inside pictures (buttons,
// plates), separate from the game's own text font.
#pragma once

#include <string_view>

#include "pictures/canvas.h"

namespace pictures {

inline constexpr int kSmallLetterWidth = 5;
inline constexpr int kSmallLetterHeight = 7;
inline constexpr int kSmallLetterSpacing = 1;

// The width in pixels of a line of small letters, the shade not counted.
int SmallTextWidth(std::string_view text);

// Draws A-Z, 0-9 and blanks with their top-left at (x, y), each pixel with a
// shade one pixel to the lower right. Other characters advance like a blank.
void DrawSmallText(Canvas& canvas, std::string_view text, int x, int y, Colour ink, Colour shade);

}  // namespace pictures
