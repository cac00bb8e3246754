// Pieces of buildings at any size: coursed stone, battlements, roofs, log
// palisades, banners and fire. Each takes the side the light comes from, so
// that a whole picture agrees on where the sun is.
#pragma once

#include <cstdint>

#include "pictures/canvas.h"
#include "pictures/palette.h"

namespace pictures {

enum class LightFrom { kLeft, kRight };

struct StoneStyle {
  int course = 4;     // rows per course, mortar included
  int block = 7;      // columns per block, mortar included
  double tone = 0.0;  // added to the brightness on the stone ramp
};

// Coursed stone blocks filling the rectangle, its sunlit side brighter.
void DrawStoneWall(Canvas& canvas, const Rect& wall, LightFrom light, std::uint32_t seed,
                   StoneStyle style = {});
// Merlons along the top edge of a wall: `tooth` wide and high, `gap` apart.
void DrawBattlements(Canvas& canvas, int x0, int x1, int top, LightFrom light, int tooth = 4,
                     int gap = 3);
// A cone roof over a tower from x0 to x1 (exclusive), its base row at `base`.
void DrawConeRoof(Canvas& canvas, int x0, int x1, int base, int height, RampView tiles,
                  LightFrom light);
// A window glowing from inside: an arched slit.
void DrawLitWindow(Canvas& canvas, int x, int y, int width, int height);
// A pole rising from (x, base) with a pennant flying to the right.
void DrawPennant(Canvas& canvas, int x, int base, int pole, RampView cloth);
// A row of sharpened logs standing from `ground` up to about `height`.
void DrawPalisade(Canvas& canvas, int x0, int x1, int ground, int height, LightFrom light,
                  std::uint32_t seed);
// A flame rising from (x, base), with a warm glow on what lies around it.
void DrawFire(Canvas& canvas, int x, int base, int size, std::uint32_t seed);

}  // namespace pictures
