// little_sprites.bmp: the flying cannon ball and the eight arrows. Three
// arrows are drawn by hand (east, north, north-east); the others are their
// mirror images, so that all eight are alike.
#include <array>
#include <string_view>
#include <vector>

#include "pictures/canvas.h"
#include "pictures/projectile_layout.h"
#include "pictures/sheet_drawers.h"

namespace pictures {
namespace {

namespace layout = projectile_layout;

using Pattern = std::vector<std::string_view>;

// 'k' iron, 'K' its glint, 's' shaft, 'w' feather, 'r' red feather, 'o' ball,
// 'H' the ball's highlight, '.' transparent.
const Pattern kBall = {".oo.", "oHoo", "oooo", ".oo."};
const Pattern kArrowEast = {
    ".............", "r............", "rw.......k...", ".wsssssssKKkk",
    "rw.......k...", "r............", ".............",
};
const Pattern kArrowNorth = {
    "..k...", "..K...", ".kKk..", "..s...", "..s...", "..s...",
    "..s...", "..s...", "..s...", ".wsw..", "r.w.r.", "......",
};
const Pattern kArrowNorthEast = {
    "...........", ".......kkk.", "........Kk.", ".......s.k.", "......s....", ".....s.....",
    "....s......", "...s.......", ".ws........", "r.w........", "..r........",
};

Colour PatternColour(char c) {
  switch (c) {
    case 'k':
      return palette::kStone[2];
    case 'K':
      return palette::kStone[7];
    case 's':
      return palette::kWood[5];
    case 'w':
      return palette::kStone[9];
    case 'r':
      return palette::kFire[4];
    case 'o':
      return palette::kStone[1];
    case 'H':
      return palette::kStone[6];
    default:
      return palette::kKey;
  }
}

// Copies the pattern into the rectangle, mirrored as asked.
void Stamp(Canvas& sheet, const Pattern& pattern, const Rect& at, bool flip_x, bool flip_y) {
  for (int y = 0; y < at.h; ++y) {
    for (int x = 0; x < at.w; ++x) {
      const int from_x = flip_x ? at.w - 1 - x : x;
      const int from_y = flip_y ? at.h - 1 - y : y;
      sheet.Set(at.x + x, at.y + y, PatternColour(pattern[from_y][from_x]));
    }
  }
}

const Pattern& PatternFor(const layout::ArrowPicture& arrow) {
  if (arrow.dx == 0) return kArrowNorth;
  if (arrow.dy == 0) return kArrowEast;
  return kArrowNorthEast;
}

}  // namespace

platform::Image DrawProjectileSheet() {
  Canvas sheet(layout::kWidth, layout::kHeight, palette::kKey);
  Stamp(sheet, kBall, layout::kBall, false, false);
  for (const layout::ArrowPicture& arrow : layout::kArrows) {
    Stamp(sheet, PatternFor(arrow), arrow.rect, arrow.dx<0, arrow.dy> 0);
  }
  return sheet.image();
}

}  // namespace pictures
