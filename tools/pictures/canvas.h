// A picture being drawn: pixels, rectangles, lines and bevels, all clipped to
// the picture so that a shape may run over its edge.
#pragma once

#include "pictures/palette.h"
#include "platform/bitmap_file.h"

namespace pictures {

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;

  int Right() const { return x + w; }  // exclusive
  int Bottom() const { return y + h; }
  bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
  // The same rectangle shrunk by n pixels on every side (grown when n < 0).
  Rect Inset(int n) const { return {x + n, y + n, w - 2 * n, h - 2 * n}; }
};

class Canvas {
 public:
  Canvas(int width, int height, Colour fill = palette::kBlack) : image_(width, height, fill) {}

  int width() const { return image_.width; }
  int height() const { return image_.height; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }
  // Black outside the picture.
  Colour Get(int x, int y) const { return Inside(x, y) ? image_.at(x, y) : palette::kBlack; }
  void Set(int x, int y, Colour c) {
    if (Inside(x, y)) image_.at(x, y) = c;
  }

  void FillRect(const Rect& r, Colour c);
  // A one-pixel outline along the inside of the rectangle.
  void FrameRect(const Rect& r, Colour c);
  void HLine(int x0, int x1, int y, Colour c);  // both ends included
  void VLine(int x, int y0, int y1, Colour c);
  void Line(int x0, int y0, int x1, int y1, Colour c);
  // Raised edges of the given thickness: light along the top and left, dark
  // along the bottom and right (swap the colours for a sunken well).
  void Bevel(const Rect& r, Colour light, Colour dark, int thickness = 1);
  // Copies a rectangle of another canvas here, its top-left corner at (x, y).
  void Paste(const Canvas& source, const Rect& from, int x, int y);

  const platform::Image& image() const { return image_; }

 private:
  platform::Image image_;
};

}  // namespace pictures
