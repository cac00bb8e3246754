// Drawing a figure: its parts sorted back to front, each filled with its
// ramp as a rounded solid lit from the upper left, a dark line where a part
// passes in front of another, and a black line around the whole. Each pixel
// takes the nearest step of its ramp: on shapes this small a dither pattern
// reads as noise.
#include "pictures/unit_figures_render.h"

#include <algorithm>
#include <cmath>

#include "pictures/unit_figures_geometry.h"

namespace pictures::figure {
namespace {

// Toward the light, in picture terms: left, up, and out of the picture.
constexpr double kLightX = -0.52;
constexpr double kLightY = -0.62;
constexpr double kLightOut = 0.59;

// The figure's own pixels while it is drawn, before they go onto the canvas.
class Layer {
 public:
  explicit Layer(const Rect& area)
      : area_(area),
        colour_(std::size_t(std::max(area.w, 0)) * std::max(area.h, 0)),
        covered_(colour_.size(), false),
        outlined_(colour_.size(), false) {}

  const Rect& area() const { return area_; }
  bool Covered(int x, int y) const { return area_.Contains(x, y) && covered_[Index(x, y)]; }
  // Whether the black line around the figure runs past this pixel.
  bool Outlined(int x, int y) const { return area_.Contains(x, y) && outlined_[Index(x, y)]; }
  Colour At(int x, int y) const { return colour_[Index(x, y)]; }
  void Paint(int x, int y, Colour c, bool outlined = true) {
    if (!area_.Contains(x, y)) return;
    colour_[Index(x, y)] = c;
    covered_[Index(x, y)] = true;
    outlined_[Index(x, y)] = outlined;
  }

 private:
  std::size_t Index(int x, int y) const {
    return std::size_t(y - area_.y) * area_.w + std::size_t(x - area_.x);
  }
  Rect area_;
  std::vector<Colour> colour_;
  std::vector<bool> covered_;
  std::vector<bool> outlined_;
};

struct Pixel {
  int x;
  int y;
  double level;
};

// A part as it falls on the picture.
struct FlatPart {
  const Part* part;
  RampView ramp;
  std::vector<PointF> hull;
  double depth;
};

int RampIndex(RampView ramp, double level) {
  const int last = int(ramp.size()) - 1;
  return std::clamp(int(std::lround(level * last)), 0, last);
}

// How far a pixel lies toward the light across a whole part, -1 to 1.
class TowardLight {
 public:
  TowardLight(const std::vector<PointF>& hull, double radius) {
    for (PointF q : hull) {
      centre_.x += q.x / hull.size();
      centre_.y += q.y / hull.size();
    }
    extent_ = radius;
    for (PointF q : hull) extent_ = std::max(extent_, std::abs(Along(q)) + radius);
  }
  double operator()(PointF p) const { return std::clamp(Along(p) / extent_, -1.0, 1.0); }

 private:
  double Along(PointF p) const { return (p.x - centre_.x) * kLightX + (p.y - centre_.y) * kLightY; }
  PointF centre_;
  double extent_ = 1;
};

// The pixels of a rounded solid with their shading: the rim turns away from
// the picture plane and takes the light by its slope.
std::vector<Pixel> SolidPixels(const FlatPart& flat, double radius, const Rect& area) {
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
  for (PointF q : flat.hull) {
    x0 = std::min(x0, q.x), y0 = std::min(y0, q.y);
    x1 = std::max(x1, q.x), y1 = std::max(y1, q.y);
  }
  const TowardLight toward_light(flat.hull, radius);
  std::vector<Pixel> pixels;
  const int left = std::max(area.x, int(std::floor(x0 - radius)));
  const int top = std::max(area.y, int(std::floor(y0 - radius)));
  const int right = std::min(area.Right(), int(std::ceil(x1 + radius)) + 1);
  const int bottom = std::min(area.Bottom(), int(std::ceil(y1 + radius)) + 1);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const PointF centre{x + 0.5, y + 0.5};
      PointF nearest;
      const double distance = DistanceToHull(flat.hull, centre, nearest);
      if (distance > radius) continue;
      const double nx = distance > 0 ? (centre.x - nearest.x) / radius : 0;
      const double ny = distance > 0 ? (centre.y - nearest.y) / radius : 0;
      const double out = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
      const double lit = nx * kLightX + ny * kLightY + out * kLightOut;
      const double level = flat.part->level + 0.3 * (lit - 0.55) + 0.1 * toward_light(centre);
      pixels.push_back({x, y, level});
    }
  }
  return pixels;
}

void PaintSolid(Layer& layer, const FlatPart& flat, double scale) {
  const double radius = std::max(0.5, flat.part->radius * scale);
  const std::vector<Pixel> pixels = SolidPixels(flat, radius, layer.area());
  std::vector<bool> mine(std::size_t(layer.area().w) * layer.area().h, false);
  auto index = [&](int x, int y) {
    return std::size_t(y - layer.area().y) * layer.area().w + std::size_t(x - layer.area().x);
  };
  for (const Pixel& p : pixels) mine[index(p.x, p.y)] = true;
  auto foreign = [&](int x, int y) {
    return layer.area().Contains(x, y) && !mine[index(x, y)] && layer.Covered(x, y);
  };
  for (const Pixel& p : pixels) {
    // Where this part passes in front of another, its edge is drawn darker.
    const bool edge = foreign(p.x - 1, p.y) || foreign(p.x + 1, p.y) || foreign(p.x, p.y - 1) ||
                      foreign(p.x, p.y + 1);
    if (edge) {
      const int step = RampIndex(flat.ramp, p.level) - 2;
      layer.Paint(p.x, p.y, flat.ramp[std::max(step, 0)]);
    } else {
      layer.Paint(p.x, p.y, flat.ramp[RampIndex(flat.ramp, p.level)]);
    }
  }
}

void PaintDot(Layer& layer, const FlatPart& flat, double scale) {
  const Colour colour = flat.ramp[RampIndex(flat.ramp, flat.part->level)];
  const PointF at = flat.hull.front();
  const double radius = flat.part->radius * scale;
  if (radius < 0.8) {
    layer.Paint(int(std::floor(at.x)), int(std::floor(at.y)), colour);
    return;
  }
  for (int y = int(std::floor(at.y - radius)); y <= int(std::ceil(at.y + radius)); ++y) {
    for (int x = int(std::floor(at.x - radius)); x <= int(std::ceil(at.x + radius)); ++x) {
      if (std::hypot(x + 0.5 - at.x, y + 0.5 - at.y) <= radius) layer.Paint(x, y, colour);
    }
  }
}

// Strokes carry their own colour and no outline of their own: a bowstring is
// one dark line, not three.
void PaintLine(Layer& layer, const FlatPart& flat, double scale) {
  const Colour colour = flat.ramp[RampIndex(flat.ramp, flat.part->level)];
  const int thickness = std::max(1, int(std::lround(flat.part->radius * 2 * scale)));
  for (std::size_t i = 0; i + 1 < flat.hull.size(); ++i) {
    int x0 = int(std::floor(flat.hull[i].x));
    int y0 = int(std::floor(flat.hull[i].y));
    const int x1 = int(std::floor(flat.hull[i + 1].x));
    const int y1 = int(std::floor(flat.hull[i + 1].y));
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    for (int error = dx + dy;;) {
      for (int t = 0; t < thickness; ++t) layer.Paint(x0 + t, y0, colour, false);
      if (x0 == x1 && y0 == y1) break;
      const int twice = 2 * error;
      if (twice >= dy) error += dy, x0 += sx;
      if (twice <= dx) error += dx, y0 += sy;
    }
  }
}

std::vector<FlatPart> Flatten(const Figure& figure, const Projection& projection) {
  std::vector<FlatPart> flats;
  for (const Part& part : figure.parts) {
    RampView ramp = part.ramp;
    if (part.facing && !projection.Faces(*part.facing)) {
      if (part.back.empty()) continue;
      ramp = part.back;
    }
    std::vector<PointF> points;
    Vec3 centre;
    for (Vec3 p : part.points) {
      points.push_back(projection.Screen(p));
      centre = centre + p * (1.0 / part.points.size());
    }
    const double depth = projection.Depth(part.anchor.value_or(centre)) + part.depth_bias;
    // A line keeps its points in order; a solid becomes their hull.
    flats.push_back(
        {&part, ramp, part.finish == Finish::kLine ? points : ConvexHull(points), depth});
  }
  std::stable_sort(flats.begin(), flats.end(),
                   [](const FlatPart& a, const FlatPart& b) { return a.depth < b.depth; });
  return flats;
}

}  // namespace

Vec3 Normalized(Vec3 a) {
  const double length = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
  return length > 0 ? a * (1 / length) : a;
}

Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Part Solid(std::vector<Vec3> points, double radius, RampView ramp, double level, Vec3 anchor,
           double depth_bias) {
  Part part;
  part.points = std::move(points);
  part.radius = radius;
  part.ramp = ramp;
  part.level = level;
  part.anchor = anchor;
  part.depth_bias = depth_bias;
  return part;
}

Part Dot(Vec3 at, double radius, RampView ramp, double level, Vec3 facing, Vec3 anchor,
         double depth_bias) {
  Part part = Solid({at}, radius, ramp, level, anchor, depth_bias);
  part.finish = Finish::kDot;
  part.facing = facing;
  return part;
}

Part Stroke(std::vector<Vec3> points, RampView ramp, double level, Vec3 anchor, double depth_bias) {
  Part part = Solid(std::move(points), 0.5, ramp, level, anchor, depth_bias);
  part.finish = Finish::kLine;
  return part;
}

void DrawFigure(Canvas& canvas, const Figure& figure, const View& view, const Rect& clip) {
  const Projection projection(view);
  // The outline needs a pixel of room, so parts stay one pixel inside the clip.
  Layer layer(clip.Inset(1));
  for (const FlatPart& flat : Flatten(figure, projection)) {
    if (flat.hull.empty()) continue;
    if (flat.part->finish == Finish::kSolid) PaintSolid(layer, flat, view.scale);
    if (flat.part->finish == Finish::kDot) PaintDot(layer, flat, view.scale);
    if (flat.part->finish == Finish::kLine) PaintLine(layer, flat, view.scale);
  }
  for (int y = clip.y; y < clip.Bottom(); ++y) {
    for (int x = clip.x; x < clip.Right(); ++x) {
      if (layer.Covered(x, y)) {
        canvas.Set(x, y, layer.At(x, y));
      } else if (layer.Outlined(x - 1, y) || layer.Outlined(x + 1, y) || layer.Outlined(x, y - 1) ||
                 layer.Outlined(x, y + 1)) {
        canvas.Set(x, y, palette::kBlack);
      }
    }
  }
}

}  // namespace pictures::figure
