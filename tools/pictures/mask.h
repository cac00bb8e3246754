// A shape as a grid of set pixels, built from rectangles, ellipses, rings,
// thick lines and polygons. A pixel belongs to a shape when its centre lies
// inside, so edges stay hard: there is no anti-aliasing anywhere.
#pragma once

#include <cstdint>
#include <vector>

#include "pictures/canvas.h"

namespace pictures {

struct PointF {
  double x = 0;
  double y = 0;
};

class Mask {
 public:
  Mask(int width, int height)
      : width_(width), height_(height), bits_(std::size_t(width) * height) {}

  int width() const { return width_; }
  int height() const { return height_; }
  // False outside the grid.
  bool Get(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[Index(x, y)] != 0;
  }
  void Set(int x, int y, bool on = true) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) bits_[Index(x, y)] = on ? 1 : 0;
  }

  void AddRect(const Rect& r);
  void AddEllipse(PointF centre, double rx, double ry);
  // The band between an ellipse and the one `thickness` smaller, limited to the
  // angles from `from_deg` to `to_deg` (0 = right, 90 = down, counting on past 360).
  void AddRing(PointF centre, double rx, double ry, double thickness, double from_deg = 0,
               double to_deg = 360);
  // A stroke of the given width from a to b, square-ended.
  void AddThickLine(PointF a, PointF b, double thickness);
  // Even-odd filled polygon.
  void AddPolygon(const std::vector<PointF>& corners);
  void Add(const Mask& other, int dx = 0, int dy = 0);
  void Remove(const Mask& other, int dx = 0, int dy = 0);

  // Every pixel within `radius` steps (8-neighbourhood) of a set pixel.
  Mask Grown(int radius) const;
  int Count() const;

 private:
  std::size_t Index(int x, int y) const { return std::size_t(y) * width_ + x; }
  template <typename Inside>
  void AddWhere(PointF low, PointF high, Inside inside);

  int width_;
  int height_;
  std::vector<std::uint8_t> bits_;
};

}  // namespace pictures
