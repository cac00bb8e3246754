// Large carved letters for titles, drawn from shapes rather than pixels so
// that they scale to any height. Each letter is designed on a grid whose cap
// height is 100 units, y growing downward, with flared serifs.
#pragma once

#include <string_view>
#include <variant>
#include <vector>

#include "pictures/canvas.h"
#include "pictures/mask.h"
#include "pictures/palette.h"

namespace pictures {

// A rectangle from (x0, y0) to (x1, y1).
struct Bar {
  double x0, y0, x1, y1;
};
// A slanted stroke between two horizontal lines: its left edge runs from x
// `bottom` on line `y1` to x `top` on line `y0`; it is `width` units wide.
struct Slant {
  double bottom, top, width;
  double y0 = 0, y1 = 100;
};
// Part of an elliptic ring (see Mask::AddRing for the angles).
struct Arc {
  double cx, cy, rx, ry, thickness;
  double from = 0, to = 360;
};
using LetterShape = std::variant<Bar, Slant, Arc>;

struct BigLetter {
  char code;
  double width;  // advance without the spacing between letters
  std::vector<LetterShape> shapes;
  // Units by which a side open at the head or foot (the sides of A, V, the
  // right of L) lets its neighbour come closer, so that gaps look even.
  double kern_left = 0;
  double kern_right = 0;
};

// The design of a capital A to Z; null for anything else (a blank advances).
const BigLetter* FindBigLetter(char code);

// The pixel width of a title at the given cap height.
int TitleWidth(std::string_view text, int cap_height);

// The letters of `text` as one shape, the first letter's left edge at x 0 and
// the cap line at y 0, inside a mask with room for descenders.
Mask TitleShape(std::string_view text, int cap_height);

// A title of metal letters centred on `centre_x`, its cap line at `top`: a
// shadow cast to the lower right, a dark outline, the ramp as polished metal.
void DrawTitle(Canvas& canvas, std::string_view text, int centre_x, int top, int cap_height,
               RampView metal);

}  // namespace pictures
