// The gold mine: a rocky knoll with a timbered entrance, veins of gold in
// the rock and a cart of ore on its rails.
#include <cmath>

#include "pictures/building_drawers.h"
#include "pictures/building_pieces.h"
#include "pictures/noise.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

constexpr int kSide = 96;
constexpr std::uint32_t kRockSeed = 901;

Mask Knoll() {
  Mask knoll(kSide, kSide);
  knoll.AddEllipse({48, 44}, 42, 34);
  knoll.AddEllipse({26, 30}, 20, 20);
  knoll.AddEllipse({68, 28}, 22, 18);
  knoll.AddEllipse({48, 62}, 38, 18);
  return knoll;
}

Colour RockAt(int x, int y) {
  const double dx = (x - 48) / 42.0;
  const double dy = (y - 40) / 34.0;
  const double facets = Fractal(x / 6.0, y / 6.0, kRockSeed, 3);
  const double level = 0.5 - (dx + dy) * 0.2 + (facets - 0.5) * 0.45;
  if (HashUnit(x / 2, y / 2, kRockSeed) > 0.975) return palette::kGold[6];
  return Dither(palette::kStone, level, x, y);
}

void DrawEntrance(Canvas& c) {
  Mask mouth(kSide, kSide);
  mouth.AddEllipse({48, 60}, 11, 12);
  mouth.Remove([] {
    Mask below(kSide, kSide);
    below.AddRect({0, 70, kSide, kSide});
    return below;
  }());
  PaintMask(c, mouth, 0, 0, palette::kBlack);
  DrawWall(c, {35, 47, 4, 24}, WallKind::kLogs, 903);
  DrawWall(c, {57, 47, 4, 24}, WallKind::kLogs, 905);
  DrawWall(c, {33, 45, 30, 4}, WallKind::kLogs, 907);
  c.HLine(33, 62, 44, palette::kStone[0]);
}

void DrawRailsAndCart(Canvas& c) {
  for (int y = 70; y < 95; y += 3) c.HLine(41, 55, y, palette::kWood[2]);
  c.VLine(43, 66, 95, palette::kStone[6]);
  c.VLine(53, 66, 95, palette::kStone[6]);
  Mask cart(kSide, kSide);
  cart.AddRect({40, 78, 16, 9});
  DrawShadowAndOutline(c, cart, 2);
  DrawWall(c, {40, 81, 16, 6}, WallKind::kPlanks, 909);
  for (int x = 41; x < 55; ++x) {
    for (int y = 77; y < 81; ++y) {
      if (y > 77 || (x % 3) != 0)
        c.Set(x, y, Dither(palette::kGold, 0.75 - (x + y) % 4 * 0.1, x, y));
    }
  }
}

}  // namespace

Canvas DrawGoldMine() {
  Canvas c = GroundCanvas(kSide, kSide);
  const Mask knoll = Knoll();
  DrawShadowAndOutline(c, knoll, 4);
  PaintMask(c, knoll, 0, 0, [](int x, int y) { return RockAt(x, y); });
  Emboss(c, knoll, 0, 0, palette::kStone[8], palette::kStone[2], 1);
  DrawEntrance(c);
  DrawRailsAndCart(c);
  return c;
}

}  // namespace pictures
