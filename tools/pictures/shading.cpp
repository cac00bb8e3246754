// Dithered ramps, bevels, outlines and shadows.
#include "pictures/shading.h"

#include <algorithm>
#include <cmath>

namespace pictures {
namespace {

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

bool EmptyWithin(const Mask& mask, int x, int y, int dx, int dy, int depth) {
  for (int d = 1; d <= depth; ++d) {
    if (!mask.Get(x + dx * d, y + dy * d)) return true;
  }
  return false;
}

}  // namespace

Colour Dither(RampView ramp, double level, int x, int y) {
  const int last = int(ramp.size()) - 1;
  const double position = std::clamp(level, 0.0, 1.0) * last;
  const int low = std::min(int(position), last);
  const double fraction = position - low;
  const double threshold = (kBayer[y & 3][x & 3] + 0.5) / 16.0;
  return fraction > threshold && low < last ? ramp[low + 1] : ramp[low];
}

void PaintMask(Canvas& canvas, const Mask& mask, int ox, int oy, const ColourAt& colour) {
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      if (mask.Get(x, y)) canvas.Set(ox + x, oy + y, colour(ox + x, oy + y));
    }
  }
}

void PaintMask(Canvas& canvas, const Mask& mask, int ox, int oy, Colour colour) {
  PaintMask(canvas, mask, ox, oy, [colour](int, int) { return colour; });
}

void Emboss(Canvas& canvas, const Mask& mask, int ox, int oy, Colour light, Colour dark,
            int depth) {
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      if (!mask.Get(x, y)) continue;
      const bool lit =
          EmptyWithin(mask, x, y, 0, -1, depth) || EmptyWithin(mask, x, y, -1, 0, depth);
      const bool shaded =
          EmptyWithin(mask, x, y, 0, 1, depth) || EmptyWithin(mask, x, y, 1, 0, depth);
      if (lit && !shaded) canvas.Set(ox + x, oy + y, light);
      if (shaded && !lit) canvas.Set(ox + x, oy + y, dark);
    }
  }
}

void Outline(Canvas& canvas, const Mask& mask, int ox, int oy, Colour colour, int thickness) {
  Mask ring = mask.Grown(thickness);
  ring.Remove(mask);
  PaintMask(canvas, ring, ox, oy, colour);
}

void DarkenMask(Canvas& canvas, const Mask& mask, int ox, int oy, int steps) {
  PaintMask(canvas, mask, ox, oy,
            [&canvas, steps](int x, int y) { return Darker(canvas.Get(x, y), steps); });
}

void DarkenRect(Canvas& canvas, const Rect& r, int steps) {
  for (int y = r.y; y < r.Bottom(); ++y) {
    for (int x = r.x; x < r.Right(); ++x) canvas.Set(x, y, Darker(canvas.Get(x, y), steps));
  }
}

}  // namespace pictures
