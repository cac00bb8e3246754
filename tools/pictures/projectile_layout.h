// Where the game cuts the flying projectiles out of little_sprites.bmp: the
// cannon ball and an arrow for each of the eight directions of flight.
#pragma once

#include <array>

#include "pictures/canvas.h"

namespace pictures::projectile_layout {

inline constexpr int kWidth = 128;
inline constexpr int kHeight = 16;

inline constexpr Rect kBall{1, 1, 4, 4};

struct ArrowPicture {
  const char* direction;  // for the contact sheet
  Rect rect;
  int dx;  // where the head points, y down
  int dy;
};

inline constexpr std::array<ArrowPicture, 8> kArrows = {{
    {"NE", {97, 4, 11, 11}, 1, -1},
    {"E", {48, 4, 13, 7}, 1, 0},
    {"SE", {68, 3, 11, 11}, 1, 1},
    {"S", {21, 1, 6, 12}, 0, 1},
    {"SW", {112, 3, 11, 11}, -1, 1},
    {"W", {32, 4, 13, 7}, -1, 0},
    {"NW", {83, 4, 11, 11}, -1, -1},
    {"N", {13, 1, 6, 12}, 0, -1},
}};

}  // namespace pictures::projectile_layout
