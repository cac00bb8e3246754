// Building pieces.
#include "pictures/architecture.h"

#include <algorithm>
#include <cmath>

#include "pictures/mask.h"
#include "pictures/noise.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

// 0 on the shaded side of a span, 1 on its sunlit side.
double Sunward(int x, int x0, int width, LightFrom light) {
  const double t = width > 1 ? double(x - x0) / (width - 1) : 0.5;
  return light == LightFrom::kRight ? t : 1.0 - t;
}

double StoneLevel(const Rect& wall, int x, int y, LightFrom light, std::uint32_t seed,
                  StoneStyle style) {
  const int course = (y - wall.y) / style.course;
  const int shifted = x - wall.x + (course % 2) * (style.block / 2);
  const bool mortar =
      (y - wall.y) % style.course == style.course - 1 || shifted % style.block == style.block - 1;
  const double sun = Sunward(x, wall.x, wall.w, light);
  const int from_sunlit_edge = light == LightFrom::kRight ? wall.Right() - 1 - x : x - wall.x;
  const double rim = from_sunlit_edge < 2 ? 0.15 : 0.0;
  const double block = HashUnit(shifted / style.block, course, seed) * 0.14;
  return (mortar ? 0.1 : 0.22 + block) + sun * 0.3 + rim + style.tone;
}

}  // namespace

void DrawStoneWall(Canvas& canvas, const Rect& wall, LightFrom light, std::uint32_t seed,
                   StoneStyle style) {
  for (int y = wall.y; y < wall.Bottom(); ++y) {
    for (int x = wall.x; x < wall.Right(); ++x) {
      const double level = StoneLevel(wall, x, y, light, seed, style);
      canvas.Set(x, y, Dither(palette::kStone, level, x, y));
    }
  }
}

void DrawBattlements(Canvas& canvas, int x0, int x1, int top, LightFrom light, int tooth, int gap) {
  for (int x = x0; x + tooth <= x1; x += tooth + gap) {
    for (int y = top - tooth; y < top; ++y) {
      for (int i = 0; i < tooth; ++i) {
        const double level = 0.32 + Sunward(i, 0, tooth, light) * 0.3;
        canvas.Set(x + i, y, Dither(palette::kStone, level, x + i, y));
      }
    }
  }
}

void DrawConeRoof(Canvas& canvas, int x0, int x1, int base, int height, RampView tiles,
                  LightFrom light) {
  const double apex = (x0 + x1) / 2.0;
  Mask roof(canvas.width(), canvas.height());
  roof.AddPolygon(
      {{apex, double(base - height)}, {x1 + 2.0, double(base)}, {x0 - 2.0, double(base)}});
  PaintMask(canvas, roof, 0, 0, [&](int x, int y) {
    const bool lit = (x >= apex) == (light == LightFrom::kRight);
    const double course = (base - y) % 3 == 0 ? -0.12 : 0.0;
    return Dither(tiles, (lit ? 0.62 : 0.28) + course, x, y);
  });
  canvas.HLine(x0 - 2, x1 + 1, base, tiles[0]);
}

void DrawLitWindow(Canvas& canvas, int x, int y, int width, int height) {
  canvas.FillRect({x, y + 1, width, height - 1}, palette::kGold[5]);
  if (width > 2) canvas.HLine(x + 1, x + width - 2, y, palette::kGold[5]);
  canvas.HLine(x, x + width - 1, y + height - 1, palette::kGold[3]);
}

void DrawPennant(Canvas& canvas, int x, int base, int pole, RampView cloth) {
  canvas.VLine(x, base - pole, base, palette::kStone[2]);
  const double top = base - pole;
  Mask flag(canvas.width(), canvas.height());
  flag.AddPolygon({{x + 1.0, top}, {x + 11.0, top + 3}, {x + 1.0, top + 6}});
  PaintMask(canvas, flag, 0, 0,
            [&](int px, int py) { return Dither(cloth, py < top + 3 ? 0.85 : 0.55, px, py); });
}

void DrawPalisade(Canvas& canvas, int x0, int x1, int ground, int height, LightFrom light,
                  std::uint32_t seed) {
  constexpr int kLog = 5;
  FixedRandom random(seed);
  for (int x = x0; x + kLog <= x1; x += kLog) {
    const int top = ground - height - random.Below(9) + 4;
    for (int i = 0; i < kLog; ++i) {
      const int tip = std::abs(2 * i - (kLog - 1)) * 3 / 2;  // a sharpened point
      const double round = Sunward(i, 0, kLog, light) * 0.45;
      for (int y = top + tip; y < ground; ++y) {
        const bool rope = (y - top) == height / 3 || (y - top) == height * 2 / 3;
        canvas.Set(x + i, y, Dither(palette::kWood, rope ? 0.05 : 0.12 + round, x + i, y));
      }
    }
  }
}

void DrawFire(Canvas& canvas, int x, int base, int size, std::uint32_t seed) {
  const int reach = size * 3;
  for (int y = base - reach * 2; y <= base + reach; ++y) {
    for (int px = x - reach; px <= x + reach; ++px) {
      const double d = std::hypot(px - x, (y - base + size) * 0.7) / reach;
      if (d < 1.0 && HashUnit(px, y, seed) > d) canvas.Set(px, y, Darker(canvas.Get(px, y), -1));
    }
  }
  const double layers[] = {1.0, 0.65, 0.35};
  const Colour colours[] = {palette::kFire[4], palette::kFire[6], palette::kFire[7]};
  for (int layer = 0; layer < 3; ++layer) {
    const double w = size * layers[layer];
    Mask flame(canvas.width(), canvas.height());
    const double flicker = (HashUnit(layer, 0, seed) - 0.5) * size;
    flame.AddPolygon(
        {{x - w / 2, double(base)}, {x + w / 2, double(base)}, {x + flicker / 2, base - w * 2.2}});
    flame.AddEllipse({double(x), base - w * 0.35}, w / 2, w * 0.45);
    PaintMask(canvas, flame, 0, 0, colours[layer]);
  }
}

}  // namespace pictures
