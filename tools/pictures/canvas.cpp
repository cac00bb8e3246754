// Plain drawing on a canvas.
#include "pictures/canvas.h"

#include <algorithm>
#include <cstdlib>

namespace pictures {

void Canvas::FillRect(const Rect& r, Colour c) {
  const int x0 = std::max(r.x, 0);
  const int x1 = std::min(r.Right(), width());
  const int y0 = std::max(r.y, 0);
  const int y1 = std::min(r.Bottom(), height());
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) image_.at(x, y) = c;
  }
}

void Canvas::FrameRect(const Rect& r, Colour c) {
  if (r.w <= 0 || r.h <= 0) return;
  HLine(r.x, r.Right() - 1, r.y, c);
  HLine(r.x, r.Right() - 1, r.Bottom() - 1, c);
  VLine(r.x, r.y, r.Bottom() - 1, c);
  VLine(r.Right() - 1, r.y, r.Bottom() - 1, c);
}

void Canvas::HLine(int x0, int x1, int y, Colour c) {
  for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) Set(x, y, c);
}

void Canvas::VLine(int x, int y0, int y1, Colour c) {
  for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y) Set(x, y, c);
}

void Canvas::Line(int x0, int y0, int x1, int y1, Colour c) {
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    Set(x0, y0, c);
    if (x0 == x1 && y0 == y1) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

void Canvas::Bevel(const Rect& r, Colour light, Colour dark, int thickness) {
  for (int i = 0; i < thickness; ++i) {
    const Rect ring = r.Inset(i);
    if (ring.w <= 0 || ring.h <= 0) return;
    HLine(ring.x, ring.Right() - 1, ring.y, light);
    VLine(ring.x, ring.y, ring.Bottom() - 1, light);
    HLine(ring.x + 1, ring.Right() - 1, ring.Bottom() - 1, dark);
    VLine(ring.Right() - 1, ring.y + 1, ring.Bottom() - 1, dark);
  }
}

void Canvas::Paste(const Canvas& source, const Rect& from, int x, int y) {
  for (int row = 0; row < from.h; ++row) {
    for (int col = 0; col < from.w; ++col) {
      if (source.Inside(from.x + col, from.y + row)) {
        Set(x + col, y + row, source.Get(from.x + col, from.y + row));
      }
    }
  }
}

}  // namespace pictures
