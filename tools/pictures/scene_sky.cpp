// The sunset sky: a dithered gradient, the low sun and streaks of cloud lit
// from below.
#include <algorithm>
#include <cmath>

#include "pictures/noise.h"
#include "pictures/scene.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

constexpr std::uint32_t kCloudSeed = 41;

double SunDistance(int x, int y) {
  return std::hypot(x - scene::kSunX, y - scene::kSunY);
}

}  // namespace

// Brightness of the sky at a pixel: night above, glowing towards the horizon
// and around the sun.
double SkyLevel(int x, int y) {
  const double height = std::clamp(double(y) / scene::kHorizon, 0.0, 1.0);
  const double glow = std::max(0.0, 1.0 - SunDistance(x, y) / 260.0);
  return std::min(1.0, std::pow(height, 1.4) * 0.8 + glow * glow * 0.35);
}

namespace {

// Thin streaks: noise stretched along x, thresholded, denser lower down.
bool IsCloud(int x, int y) {
  if (y < 70 || y > 270) return false;
  const double band = 1.0 - std::abs(y - 190) / 120.0;
  return Fractal(x / 150.0, y / 11.0, kCloudSeed, 4) * band > 0.36;
}

Colour CloudColour(int x, int y) {
  const bool underside = !IsCloud(x, y + 1) || !IsCloud(x, y + 2);
  const double level = SkyLevel(x, y) + (underside ? 0.16 : -0.12);
  return Dither(palette::kSky, level, x, y);
}

void DrawSun(Canvas& canvas) {
  const int r = scene::kSunRadius;
  for (int y = scene::kSunY - r; y <= scene::kSunY + r; ++y) {
    for (int x = scene::kSunX - r; x <= scene::kSunX + r; ++x) {
      const double d = SunDistance(x, y) / r;
      if (d <= 1.0) canvas.Set(x, y, Dither(palette::kSky, 1.0 - d * d * 0.12, x, y));
    }
  }
}

}  // namespace

void DrawSky(Canvas& canvas) {
  for (int y = 0; y < scene::kHeight; ++y) {
    for (int x = 0; x < scene::kWidth; ++x) {
      canvas.Set(x, y, Dither(palette::kSky, SkyLevel(x, y), x, y));
    }
  }
  DrawSun(canvas);
  for (int y = 0; y < scene::kHorizon; ++y) {
    for (int x = 0; x < scene::kWidth; ++x) {
      if (IsCloud(x, y)) canvas.Set(x, y, CloudColour(x, y));
    }
  }
}

}  // namespace pictures
