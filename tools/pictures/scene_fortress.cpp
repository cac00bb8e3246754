// The orc stronghold on the right hill: a palisade of sharpened logs, a
// great hall with a horned roof, two watchtowers with fires and red banners,
// lit by the sun on their left.
#include <algorithm>

#include "pictures/architecture.h"
#include "pictures/mask.h"
#include "pictures/noise.h"
#include "pictures/scene.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

constexpr LightFrom kLight = LightFrom::kLeft;

int GroundUnder(int x0, int x1) {
  int lowest = 0;
  for (int x = x0; x < x1; ++x) lowest = std::max(lowest, HillTop(x));
  return lowest + 4;
}

// A round red shield with crossed bones, hung under the gable.
void DrawWarShield(Canvas& canvas, int x, int y) {
  Mask shield(canvas.width(), canvas.height());
  shield.AddEllipse({x + 0.5, y + 0.5}, 8, 8);
  Outline(canvas, shield, 0, 0, palette::kWood[0], 1);
  PaintMask(canvas, shield, 0, 0,
            [&](int px, int py) { return Dither(palette::kFire, px < x ? 0.4 : 0.25, px, py); });
  canvas.Line(x - 4, y - 4, x + 4, y + 4, palette::kStone[8]);
  canvas.Line(x + 4, y - 4, x - 4, y + 4, palette::kStone[8]);
}

void DrawHall(Canvas& canvas) {
  constexpr int kLeft = 508;
  constexpr int kRight = 600;
  const int ground = GroundUnder(kLeft, kRight);
  const int eaves = ground - 46;
  DrawPalisade(canvas, kLeft + 4, kRight - 4, ground, 48, kLight, 51);
  Mask roof(canvas.width(), canvas.height());
  const double middle = (kLeft + kRight) / 2.0;
  roof.AddPolygon(
      {{kLeft - 6.0, double(eaves)}, {kRight + 6.0, double(eaves)}, {middle, eaves - 56.0}});
  roof.AddThickLine({middle - 4, eaves - 50.0}, {middle - 16, eaves - 72.0}, 4);  // horns
  roof.AddThickLine({middle + 4, eaves - 50.0}, {middle + 16, eaves - 72.0}, 4);
  PaintMask(canvas, roof, 0, 0, [&](int x, int y) {
    const double thatch = (x + y / 2) % 4 == 0 ? -0.08 : 0.0;
    return Dither(palette::kWood, (x < middle ? 0.32 : 0.1) + thatch, x, y);
  });
  DrawWarShield(canvas, int(middle), eaves - 16);
  canvas.FillRect({int(middle) - 8, ground - 22, 16, 22}, palette::kWood[0]);
  canvas.FillRect({int(middle) - 6, ground - 12, 12, 12}, palette::kFire[2]);
}

void DrawWatchtower(Canvas& canvas, int x, std::uint32_t seed) {
  const int ground = GroundUnder(x, x + 24);
  const int deck = ground - 84;
  for (int leg : {x + 2, x + 19}) canvas.FillRect({leg, deck, 3, ground - deck}, palette::kWood[1]);
  canvas.Line(x + 4, deck + 10, x + 19, ground - 14, palette::kWood[1]);
  canvas.Line(x + 19, deck + 10, x + 4, ground - 14, palette::kWood[1]);
  DrawPalisade(canvas, x - 3, x + 27, deck + 8, 16, kLight, seed);
  DrawFire(canvas, x + 12, deck - 8, 7, seed);
  DrawPennant(canvas, x + 1, deck - 6, 30, palette::kFire);
}

// A column of puffs rising from (x, base) and drifting left, thinning out as
// it rises: ever fewer of its pixels are painted.
void DrawSmoke(Canvas& canvas, int x, int base, std::uint32_t seed) {
  constexpr int kPuffs = 24;
  constexpr int kStep = 6;
  FixedRandom random(seed);
  Mask smoke(canvas.width(), canvas.height());
  for (int i = 0; i < kPuffs; ++i) {
    const double rise = double(i) / kPuffs;
    const PointF centre{x - rise * rise * 70 + random.Below(5), double(base - i * kStep)};
    smoke.AddEllipse(centre, 3 + i * 0.7, 3 + i * 0.5);
  }
  PaintMask(canvas, smoke, 0, 0, [&](int px, int py) {
    const double rise = std::clamp(double(base - py) / (kPuffs * kStep), 0.0, 1.0);
    if (HashUnit(px, py, seed) < rise * 0.85) return canvas.Get(px, py);
    return Dither(palette::kHaze, 0.32 - rise * 0.12, px, py);
  });
}

}  // namespace

void DrawFortress(Canvas& canvas) {
  DrawSmoke(canvas, 484, 236, 67);
  DrawSmoke(canvas, 620, 240, 69);
  DrawHall(canvas);
  const int ground = GroundUnder(456, 640);
  DrawPalisade(canvas, 452, 640, ground + 8, 28, kLight, 53);
  canvas.FillRect({546, ground - 12, 20, 20}, palette::kFire[1]);
  DrawWatchtower(canvas, 472, 71);
  DrawWatchtower(canvas, 608, 73);
}

}  // namespace pictures
