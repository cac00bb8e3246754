// Figures made of solid parts in three dimensions, turned to face one of the
// eight directions and drawn back to front as shaded, outlined pixels. A
// figure is described once, in its own frame of reference; every direction
// and size is drawn from that one description.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "pictures/canvas.h"
#include "pictures/mask.h"
#include "pictures/palette.h"

namespace pictures::figure {

// A point of a figure: x toward its right hand, y the way it faces, z up
// from the ground between its feet. One unit is one pixel at scale 1.
struct Vec3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

constexpr Vec3 operator+(Vec3 a, Vec3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
constexpr Vec3 operator-(Vec3 a, Vec3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
constexpr Vec3 operator*(Vec3 a, double s) {
  return {a.x * s, a.y * s, a.z * s};
}
constexpr Vec3 Lerp(Vec3 a, Vec3 b, double t) {
  return a + (b - a) * t;
}
Vec3 Normalized(Vec3 a);
Vec3 Cross(Vec3 a, Vec3 b);

enum class Finish {
  kSolid,  // a rounded body, lit from the upper left
  kLine,   // a stroke one pixel wide at the sheets' size (strings, shafts)
  kDot,    // a single spot (an eye, a stud)
};

struct Part {
  std::vector<Vec3> points;  // the part is their hull, rounded by `radius`
  double radius = 1;
  RampView ramp;
  double level = 0.5;  // its middle tone on the ramp, 0 darkest to 1 lightest
  Finish finish = Finish::kSolid;
  // A flat or one-sided part shows only while this side faces the viewer,
  // and then in `back` when it has one (the inside of a shield).
  std::optional<Vec3> facing;
  RampView back;
  std::optional<Vec3> anchor;  // the point that decides what it hides; else its centre
  double depth_bias = 0;       // drawn over parts at the same depth when larger
};

// Pure black, for strokes that must read as lines against any ground.
inline constexpr std::array<Colour, 1> kInk = {palette::kBlack};

// A rounded solid, its depth taken at `anchor`.
Part Solid(std::vector<Vec3> points, double radius, RampView ramp, double level, Vec3 anchor,
           double depth_bias = 0);
// A spot shown only while `facing` turns toward the viewer.
Part Dot(Vec3 at, double radius, RampView ramp, double level, Vec3 facing, Vec3 anchor,
         double depth_bias = 0);
// A stroke through the points in order, in one colour and without outline.
Part Stroke(std::vector<Vec3> points, RampView ramp, double level, Vec3 anchor,
            double depth_bias = 0);

struct Figure {
  std::vector<Part> parts;
  void Add(Part part) { parts.push_back(std::move(part)); }
};

// The game's directions: 1 NE, 2 E, 3 SE, 4 S, 5 SW, 6 W, 7 NW, 8 N, with y
// growing downward on the screen.
inline constexpr int kDirections = 8;

struct View {
  int direction = 4;
  PointF ground;  // where the point between the feet falls on the canvas
  double scale = 1;
};

// Draws the figure inside `clip`, with a black line where it meets the
// background. The directions facing west are the east ones seen in a mirror,
// so a figure holds its weapon on the side that faces the viewer; the light
// stays in the upper left either way.
void DrawFigure(Canvas& canvas, const Figure& figure, const View& view, const Rect& clip);

}  // namespace pictures::figure
