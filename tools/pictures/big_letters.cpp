// Laying out and painting title letters.
#include "pictures/big_letters.h"

#include <algorithm>
#include <cmath>

#include "pictures/shading.h"

namespace pictures {
namespace {

constexpr double kLetterSpacing = 12;  // units between two letters
constexpr double kBlankWidth = 44;
constexpr double kDescender = 24;  // units below the baseline, for Q's tail
constexpr int kMargin = 4;         // pixels around the shape for outline and shadow

double WidthOf(char code) {
  const BigLetter* letter = FindBigLetter(code);
  return letter ? letter->width : kBlankWidth;
}

// The units from the left edge of `code` to that of the letter after it.
double Advance(char code, char next) {
  const BigLetter* letter = FindBigLetter(code);
  const BigLetter* following = FindBigLetter(next);
  const double kern = (letter ? letter->kern_right : 0) + (following ? following->kern_left : 0);
  return WidthOf(code) + kLetterSpacing - kern;
}

double UnitsWide(std::string_view text) {
  double units = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) units += Advance(text[i], text[i + 1]);
  return text.empty() ? 0 : units + WidthOf(text.back());
}

struct Placement {
  double ox, oy, scale;
  PointF At(double x, double y) const { return {ox + x * scale, oy + y * scale}; }
};

void AddShape(Mask& mask, const Placement& at, const LetterShape& shape) {
  if (const Bar* bar = std::get_if<Bar>(&shape)) {
    mask.AddPolygon({at.At(bar->x0, bar->y0), at.At(bar->x1, bar->y0), at.At(bar->x1, bar->y1),
                     at.At(bar->x0, bar->y1)});
  } else if (const Slant* slant = std::get_if<Slant>(&shape)) {
    mask.AddPolygon({at.At(slant->bottom, slant->y1),
                     at.At(slant->bottom + slant->width, slant->y1),
                     at.At(slant->top + slant->width, slant->y0), at.At(slant->top, slant->y0)});
  } else if (const Arc* arc = std::get_if<Arc>(&shape)) {
    mask.AddRing(at.At(arc->cx, arc->cy), arc->rx * at.scale, arc->ry * at.scale,
                 arc->thickness * at.scale, arc->from, arc->to);
  }
}

// Polished metal: bright at the top, a dark band just above the middle where
// the horizon is reflected, brightening again towards the foot.
double MetalLevel(double t) {
  if (t < 0.42) return 0.95 - t * 0.9;
  if (t < 0.52) return 0.3;
  return 0.45 + (t - 0.52) * 0.9;
}

}  // namespace

int TitleWidth(std::string_view text, int cap_height) {
  return int(std::lround(UnitsWide(text) * cap_height / 100.0));
}

Mask TitleShape(std::string_view text, int cap_height) {
  const double scale = cap_height / 100.0;
  const int height = int(std::ceil((100 + kDescender) * scale));
  Mask shape(TitleWidth(text, cap_height) + 2 * kMargin, height + 2 * kMargin);
  Placement at{double(kMargin), double(kMargin), scale};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (const BigLetter* letter = FindBigLetter(text[i])) {
      for (const LetterShape& piece : letter->shapes) AddShape(shape, at, piece);
    }
    at.ox += Advance(text[i], i + 1 < text.size() ? text[i + 1] : ' ') * scale;
  }
  return shape;
}

void DrawTitle(Canvas& canvas, std::string_view text, int centre_x, int top, int cap_height,
               RampView metal) {
  const Mask shape = TitleShape(text, cap_height);
  const int ox = centre_x - TitleWidth(text, cap_height) / 2 - kMargin;
  const int oy = top - kMargin;
  const int depth = std::max(1, cap_height / 30);
  DarkenMask(canvas, shape.Grown(1), ox + 2 * depth + 1, oy + 2 * depth + 1, 4);
  Outline(canvas, shape, ox, oy, palette::kBlack, 1);
  PaintMask(canvas, shape, ox, oy, [&](int x, int y) {
    return Dither(metal, MetalLevel(double(y - top) / cap_height), x, y);
  });
  Emboss(canvas, shape, ox, oy, metal.back(), metal[1], depth);
}

}  // namespace pictures
