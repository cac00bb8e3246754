// cursor001.bmp: the arrow. The game draws the picture with its top-left
// pixel's colour as transparent, and the cursor position is that pixel, so the
// arrow's tip sits one pixel in from the corner.
#include <array>

#include "pictures/canvas.h"
#include "pictures/sheet_drawers.h"

namespace pictures {
namespace {

constexpr int kCursorWidth = 12;
constexpr int kCursorHeight = 15;

// 'o' outline, 'w' fill, 's' the fill's shaded side, '.' transparent.
constexpr std::array<const char*, kCursorHeight> kArrow = {
    "............", ".o..........", ".oo.........", ".owo........", ".owwo.......",
    ".owwso......", ".owwwso.....", ".owwwwso....", ".owwwwwso...", ".owwwwwwso..",
    ".owwwwsoooo.", ".owwowso....", ".owo.owso...", ".oo..owso...", ".o....oo....",
};

Colour ArrowColour(char c) {
  switch (c) {
    case 'o':
      return palette::kBlack;
    case 'w':
      return palette::kStone[9];
    case 's':
      return palette::kStone[7];
    default:
      return palette::kKey;
  }
}

}  // namespace

platform::Image DrawCursorSheet() {
  Canvas arrow(kCursorWidth, kCursorHeight, palette::kKey);
  for (int y = 0; y < kCursorHeight; ++y) {
    for (int x = 0; x < kCursorWidth; ++x) arrow.Set(x, y, ArrowColour(kArrow[y][x]));
  }
  return arrow.image();
}

}  // namespace pictures
