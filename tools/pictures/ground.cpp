// Grass that repeats every cell: tiled noise for small patches of lighter
// and darker growth, and single lit blades with a shaded foot, levelled so
// that a field of it shows no stripes.
#include "pictures/ground.h"

#include <array>
#include <cmath>

#include "pictures/noise.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

constexpr std::uint32_t kPatchSeed = 211;
constexpr std::uint32_t kBladeSeed = 223;

int Wrap(int v, int period) {
  const int r = v % period;
  return r < 0 ? r + period : r;
}

double Smooth(double t) {
  return t * t * (3 - 2 * t);
}

bool Blade(int x, int y) {
  return HashUnit(Wrap(x, kCellSize), Wrap(y, kCellSize), kBladeSeed) > 0.93;
}

// Fine patches of growth and single blades, as drawn before levelling.
double RawLevel(int x, int y) {
  const double patches =
      TiledNoise(x, y, 8, kPatchSeed) * 0.5 + TiledNoise(x, y, 4, kPatchSeed + 1) * 0.5;
  double level = 0.36 + (patches - 0.5) * 0.18;
  if (Blade(x, y)) level += 0.2;
  if (Blade(x, y - 1)) level -= 0.14;
  return level;
}

// The tile repeats over every open field: any column or row brighter than
// the others would show as stripes a cell apart. Each column and each row
// is brought to the tile's mean level.
std::array<double, kCellSize * kCellSize> EvenLevels() {
  std::array<double, kCellSize * kCellSize> level{};
  std::array<double, kCellSize> column_mean{}, row_mean{};
  double mean = 0;
  for (int y = 0; y < kCellSize; ++y) {
    for (int x = 0; x < kCellSize; ++x) {
      const double v = RawLevel(x, y);
      level[std::size_t(y * kCellSize + x)] = v;
      column_mean[std::size_t(x)] += v / kCellSize;
      row_mean[std::size_t(y)] += v / kCellSize;
      mean += v / (kCellSize * kCellSize);
    }
  }
  for (int y = 0; y < kCellSize; ++y) {
    for (int x = 0; x < kCellSize; ++x) {
      level[std::size_t(y * kCellSize + x)] +=
          2 * mean - column_mean[std::size_t(x)] - row_mean[std::size_t(y)];
    }
  }
  return level;
}

}  // namespace

double TiledNoise(double x, double y, int cell, std::uint32_t seed) {
  const int period = kCellSize / cell;
  const double gx = x / cell;
  const double gy = y / cell;
  const int ix = int(std::floor(gx));
  const int iy = int(std::floor(gy));
  const double tx = Smooth(gx - ix);
  const double ty = Smooth(gy - iy);
  auto at = [&](int lx, int ly) { return HashUnit(Wrap(lx, period), Wrap(ly, period), seed); };
  const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
  const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

double GrassLevel(int x, int y) {
  static const std::array<double, kCellSize* kCellSize> kLevels = EvenLevels();
  return kLevels[std::size_t(Wrap(y, kCellSize) * kCellSize + Wrap(x, kCellSize))];
}

Colour GrassAt(int x, int y) {
  return Dither(palette::kMeadow, GrassLevel(x, y), Wrap(x, kCellSize), Wrap(y, kCellSize));
}

void FillGrass(Canvas& canvas, const Rect& area, int origin_x, int origin_y) {
  for (int y = area.y; y < area.Bottom(); ++y) {
    for (int x = area.x; x < area.Right(); ++x) {
      canvas.Set(x, y, GrassAt(x - origin_x, y - origin_y));
    }
  }
}

}  // namespace pictures
