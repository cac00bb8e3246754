// Shapes rasterised by testing each pixel's centre.
#include "pictures/mask.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pictures {
namespace {

double Square(double v) {
  return v * v;
}

bool InsideEllipse(double dx, double dy, double rx, double ry) {
  return rx > 0 && ry > 0 && Square(dx / rx) + Square(dy / ry) <= 1.0;
}

bool AngleBetween(double dx, double dy, double from_deg, double to_deg) {
  double angle = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
  while (angle < from_deg) angle += 360.0;
  return angle <= to_deg;
}

}  // namespace

// The pixels whose centres lie between the two corners, clipped to the grid.
template <typename Inside>
void Mask::AddWhere(PointF low, PointF high, Inside inside) {
  const int x0 = std::max(0, int(std::floor(low.x)));
  const int y0 = std::max(0, int(std::floor(low.y)));
  const int x1 = std::min(width_, int(std::ceil(high.x)) + 1);
  const int y1 = std::min(height_, int(std::ceil(high.y)) + 1);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      if (inside(x + 0.5, y + 0.5)) bits_[Index(x, y)] = 1;
    }
  }
}

void Mask::AddRect(const Rect& r) {
  for (int y = r.y; y < r.Bottom(); ++y) {
    for (int x = r.x; x < r.Right(); ++x) Set(x, y);
  }
}

void Mask::AddEllipse(PointF c, double rx, double ry) {
  AddWhere({c.x - rx, c.y - ry}, {c.x + rx, c.y + ry},
           [&](double x, double y) { return InsideEllipse(x - c.x, y - c.y, rx, ry); });
}

void Mask::AddRing(PointF c, double rx, double ry, double thickness, double from_deg,
                   double to_deg) {
  AddWhere({c.x - rx, c.y - ry}, {c.x + rx, c.y + ry}, [&](double x, double y) {
    const double dx = x - c.x;
    const double dy = y - c.y;
    return InsideEllipse(dx, dy, rx, ry) &&
           !InsideEllipse(dx, dy, rx - thickness, ry - thickness) &&
           AngleBetween(dx, dy, from_deg, to_deg);
  });
}

void Mask::AddThickLine(PointF a, PointF b, double thickness) {
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (length == 0) return;
  const double ux = (b.x - a.x) / length;
  const double uy = (b.y - a.y) / length;
  const double margin = thickness / 2;
  const PointF low{std::min(a.x, b.x) - margin, std::min(a.y, b.y) - margin};
  const PointF high{std::max(a.x, b.x) + margin, std::max(a.y, b.y) + margin};
  AddWhere(low, high, [&](double x, double y) {
    const double along = (x - a.x) * ux + (y - a.y) * uy;
    const double across = -(x - a.x) * uy + (y - a.y) * ux;
    return along >= 0 && along <= length && std::abs(across) <= thickness / 2;
  });
}

void Mask::AddPolygon(const std::vector<PointF>& corners) {
  if (corners.empty()) return;
  PointF low = corners.front();
  PointF high = corners.front();
  for (const PointF& p : corners) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
  }
  AddWhere(low, high, [&](double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
      const PointF& p = corners[i];
      const PointF& q = corners[j];
      if ((p.y > y) != (q.y > y) && x < (q.x - p.x) * (y - p.y) / (q.y - p.y) + p.x) {
        inside = !inside;
      }
    }
    return inside;
  });
}

void Mask::Add(const Mask& other, int dx, int dy) {
  for (int y = 0; y < other.height(); ++y) {
    for (int x = 0; x < other.width(); ++x) {
      if (other.Get(x, y)) Set(x + dx, y + dy);
    }
  }
}

void Mask::Remove(const Mask& other, int dx, int dy) {
  for (int y = 0; y < other.height(); ++y) {
    for (int x = 0; x < other.width(); ++x) {
      if (other.Get(x, y)) Set(x + dx, y + dy, false);
    }
  }
}

Mask Mask::Grown(int radius) const {
  Mask grown(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (!Get(x, y)) continue;
      for (int oy = -radius; oy <= radius; ++oy) {
        for (int ox = -radius; ox <= radius; ++ox) grown.Set(x + ox, y + oy);
      }
    }
  }
  return grown;
}

int Mask::Count() const {
  int count = 0;
  for (std::uint8_t bit : bits_) count += bit;
  return count;
}

}  // namespace pictures
