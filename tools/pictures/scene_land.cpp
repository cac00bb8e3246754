// The land: two ridges of mountains, the lake in the valley, the hills that
// carry the two strongholds, pines, and the dark grass in front.
#include <algorithm>
#include <cmath>

#include "pictures/noise.h"
#include "pictures/scene.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

constexpr std::uint32_t kFarRidgeSeed = 7;
constexpr std::uint32_t kNearRidgeSeed = 19;
constexpr std::uint32_t kRockSeed = 23;
constexpr std::uint32_t kGrassSeed = 29;
constexpr std::uint32_t kRippleSeed = 31;
constexpr std::uint32_t kPineSeed = 37;

struct Ridge {
  double base;       // row of the lowest passes
  double amplitude;  // rows from the lowest pass to the highest peak
  double scale;      // pixels between two lattice points of the noise
  std::uint32_t seed;
  double level;  // brightness on the haze ramp
};

constexpr Ridge kFarRidge{296, 120, 110, kFarRidgeSeed, 0.3};
constexpr Ridge kNearRidge{322, 70, 70, kNearRidgeSeed, 0.1};

// Peaks are sharpened by raising the noise to a power, so that a few stand
// out over lower passes.
int RidgeTop(const Ridge& ridge, int x) {
  const double n = std::max(0.0, Fractal(x / ridge.scale, 0.37, ridge.seed, 5) - 0.3) / 0.45;
  return int(ridge.base - ridge.amplitude * std::pow(n, 1.5));
}

// Faces turned towards the sun catch its light; the others stay in shade.
bool FacesSun(const Ridge& ridge, int x) {
  const int slope = RidgeTop(ridge, x + 4) - RidgeTop(ridge, x - 4);
  return slope == 0 ? false : (slope > 0) == (x < scene::kSunX);
}

void DrawRidge(Canvas& canvas, const Ridge& ridge) {
  for (int x = 0; x < scene::kWidth; ++x) {
    const int top = RidgeTop(ridge, x);
    const double face = FacesSun(ridge, x) ? 0.2 : -0.08;
    for (int y = top; y < scene::kHorizon + 4; ++y) {
      const double rock = (Fractal(x / 9.0, y / 9.0, kRockSeed, 3) - 0.5) * 0.2;
      const double mist = std::max(0.0, double(y - 260) / 120.0) * 0.25;
      const double rim = (y - top < 2 && face > 0) ? 0.3 : 0.0;
      canvas.Set(x, y, Dither(palette::kHaze, ridge.level + face + rock + mist + rim, x, y));
    }
  }
}

double GrassLevel(int x, int y) {
  const int top = HillTop(x);
  const double depth = std::clamp(double(y - top) / 90.0, 0.0, 1.0);
  const double texture = (Fractal(x / 5.0, y / 3.0, kGrassSeed, 3) - 0.5) * 0.3;
  const double rim = (y - top < 2) ? 0.3 : 0.0;
  const double sunward = 0.12 * (1.0 - std::abs(x - scene::kSunX) / 400.0);
  return 0.3 - depth * 0.3 + texture + rim + sunward;
}

void DrawPine(Canvas& canvas, int x, int base, int height) {
  Mask pine(height, height + 3);
  const double half = height * 0.3;
  pine.AddPolygon({{height / 2.0, 0},
                   {height / 2.0 + half, double(height)},
                   {height / 2.0 - half, double(height)}});
  pine.AddRect({height / 2 - 1, height, 2, 3});
  const int ox = x - height / 2;
  const int oy = base - height - 2;
  PaintMask(canvas, pine, ox, oy, [&](int px, int py) {
    const bool lit = (px > x) == (x < scene::kSunX);
    return Dither(palette::kGrass, lit ? 0.2 : 0.05, px, py);
  });
}

// The track from the castle gate down towards the viewer, widening as it
// comes nearer.
void DrawTrack(Canvas& canvas) {
  for (int y = 306; y < scene::kHeight; ++y) {
    const double near = (y - 306) / 174.0;
    const double centre = 157 + near * near * 190 + 10 * std::sin(y / 17.0) * near;
    const double half = 2 + near * 16;
    for (int x = int(centre - half); x <= int(centre + half); ++x) {
      const bool edge = std::abs(x - centre) > half - 1.5;
      const double dirt = Fractal(x / 4.0, y / 2.0, kGrassSeed + 5, 2) * 0.25;
      canvas.Set(x, y, Dither(palette::kWood, (edge ? 0.15 : 0.32) + dirt - near * 0.12, x, y));
    }
  }
}

}  // namespace

int HillTop(int x) {
  const double left = 64 * std::max(0.0, 1.0 - std::pow((x - 120) / 190.0, 2));
  const double right = 52 * std::max(0.0, 1.0 - std::pow((x - 560) / 150.0, 2));
  const double roll = 4 * std::sin(x / 23.0) + 3 * std::sin(x / 9.0 + 1);
  return int(362 - std::max(left, right) + roll);
}

void DrawMountains(Canvas& canvas) {
  DrawRidge(canvas, kFarRidge);
  DrawRidge(canvas, kNearRidge);
}

void DrawLake(Canvas& canvas) {
  for (int y = scene::kHorizon; y < scene::kHeight; ++y) {
    for (int x = 0; x < scene::kWidth; ++x) {
      const int mirrored = 2 * scene::kHorizon - y;
      const bool ripple = ValueNoise(x / 14.0, y * 0.9, kRippleSeed) > 0.62;
      const bool sun_path =
          std::abs(x - scene::kSunX) < scene::kSunRadius - (y - scene::kHorizon) / 3 &&
          ValueNoise(x / 5.0, y * 1.3, kRippleSeed + 1) > 0.45;
      double level = SkyLevel(x, mirrored) * 0.8 + (ripple ? 0.12 : 0.0);
      if (sun_path) level = 0.95;
      canvas.Set(x, y, Dither(palette::kSky, level, x, y));
    }
  }
}

void DrawHills(Canvas& canvas) {
  for (int x = 0; x < scene::kWidth; ++x) {
    for (int y = HillTop(x); y < scene::kHeight; ++y) {
      canvas.Set(x, y, Dither(palette::kGrass, GrassLevel(x, y), x, y));
    }
  }
  DrawTrack(canvas);
  FixedRandom random(kPineSeed);
  for (int i = 0; i < 46; ++i) {
    const int x = random.Below(scene::kWidth);
    const int depth = 6 + random.Below(40);
    DrawPine(canvas, x, HillTop(x) + depth, 9 + depth / 3 + random.Below(6));
  }
}

void DrawForeground(Canvas& canvas) {
  FixedRandom random(kGrassSeed);
  for (int x = 0; x < scene::kWidth; ++x) {
    const int ground = 452 + int(6 * std::sin(x / 31.0) + 4 * std::sin(x / 11.0));
    for (int y = ground; y < scene::kHeight; ++y) {
      canvas.Set(x, y, Dither(palette::kGrass, 0.08 + (y - ground) * -0.004, x, y));
    }
    const int blade = random.Below(9);
    for (int y = ground - blade; y < ground; ++y) {
      canvas.Set(x, y, palette::kGrass[random.Below(3) == 0 ? 2 : 1]);
    }
  }
}

}  // namespace pictures
