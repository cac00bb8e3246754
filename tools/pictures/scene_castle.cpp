// The human castle on the left hill: a curtain wall with a gate, two corner
// towers, a keep and a turret, blue roofs and pennants, lit by the sun on
// their right.
#include <algorithm>

#include "pictures/architecture.h"
#include "pictures/scene.h"

namespace pictures {
namespace {

constexpr LightFrom kLight = LightFrom::kRight;

struct Tower {
  int x, width, top, roof;
};

constexpr Tower kTowers[] = {
    {42, 26, 236, 26},   // left corner tower
    {96, 42, 206, 38},   // keep
    {150, 18, 222, 22},  // turret behind the wall
    {186, 26, 240, 24},  // right corner tower
};

// Walls reach down into the hill so that no gap shows on its slope.
int Footing(int x0, int x1) {
  return std::max(HillTop(x0), HillTop(x1 - 1)) + 6;
}

void DrawTower(Canvas& canvas, const Tower& t, std::uint32_t seed) {
  DrawStoneWall(canvas, {t.x, t.top, t.width, Footing(t.x, t.x + t.width) - t.top}, kLight, seed);
  DrawConeRoof(canvas, t.x, t.x + t.width, t.top, t.roof, palette::kBanner, kLight);
  DrawPennant(canvas, t.x + t.width / 2, t.top - t.roof, 10, palette::kBanner);
  for (int y = t.top + 8; y + 5 < t.top + 40; y += 14) {
    DrawLitWindow(canvas, t.x + t.width / 2 - 1, y, 2, 5);
  }
}

void DrawGate(Canvas& canvas, int x, int y) {
  canvas.FillRect({x, y + 3, 14, 16}, palette::kStone[0]);
  canvas.HLine(x + 2, x + 11, y + 1, palette::kStone[0]);
  canvas.HLine(x + 1, x + 12, y + 2, palette::kStone[0]);
  for (int i = x + 2; i < x + 14; i += 3) canvas.VLine(i, y + 2, y + 18, palette::kStone[2]);
  for (int j = y + 5; j < y + 19; j += 4) canvas.HLine(x + 1, x + 12, j, palette::kStone[2]);
}

}  // namespace

void DrawCastle(Canvas& canvas) {
  constexpr int kWallLeft = 56;
  constexpr int kWallRight = 200;
  constexpr int kWallTop = 268;
  DrawTower(canvas, kTowers[2], 5);
  DrawStoneWall(
      canvas,
      {kWallLeft, kWallTop, kWallRight - kWallLeft, Footing(kWallLeft, kWallRight) - kWallTop},
      kLight, 3);
  DrawBattlements(canvas, kWallLeft, kWallRight, kWallTop, kLight);
  DrawGate(canvas, 150, 282);
  DrawLitWindow(canvas, 78, 276, 2, 4);
  DrawLitWindow(canvas, 174, 278, 2, 4);
  DrawTower(canvas, kTowers[1], 7);
  DrawTower(canvas, kTowers[0], 11);
  DrawTower(canvas, kTowers[3], 13);
}

}  // namespace pictures
