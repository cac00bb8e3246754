// Turning, projecting and measuring figure parts.
#include "pictures/unit_figures_geometry.h"

#include <algorithm>
#include <cmath>

namespace pictures::figure {
namespace {

// The map is seen from above at a slant: ground depth shows at half its
// length, heights at full length.
constexpr double kGroundSlant = 0.5;
// The viewer's direction: south and up, matching that slant.
constexpr double kViewSouth = 0.894;
constexpr double kViewUp = 0.447;

// One step on the map in each of the game's directions, 1 NE to 8 N.
constexpr int kSteps[kDirections + 1][2] = {{0, 1},  {1, -1}, {1, 0},   {1, 1}, {0, 1},
                                            {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}};

double Cross(PointF o, PointF a, PointF b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double DistanceToSegment(PointF a, PointF b, PointF p, PointF& nearest) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  const double t =
      length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
  nearest = {a.x + t * dx, a.y + t * dy};
  return std::hypot(p.x - nearest.x, p.y - nearest.y);
}

bool InsideConvex(const std::vector<PointF>& hull, PointF p) {
  for (std::size_t i = 0; i < hull.size(); ++i) {
    if (Cross(hull[i], hull[(i + 1) % hull.size()], p) < 0) return false;
  }
  return true;
}

}  // namespace

Projection::Projection(const View& view) : ground_(view.ground), scale_(view.scale) {
  int direction = std::clamp(view.direction, 1, kDirections);
  // South-west, west and north-west are their eastern twins in a mirror.
  if (direction >= 5 && direction <= 7) {
    direction = 8 - direction;
    mirror_ = -1;
  }
  const double length = std::hypot(kSteps[direction][0], kSteps[direction][1]);
  forward_x_ = kSteps[direction][0] / length;
  forward_y_ = kSteps[direction][1] / length;
}

// The figure's right hand lies a quarter turn clockwise from where it faces.
PointF Projection::Screen(Vec3 p) const {
  const double east = p.x * -forward_y_ + p.y * forward_x_;
  const double south = p.x * forward_x_ + p.y * forward_y_;
  return {ground_.x + scale_ * mirror_ * east, ground_.y + scale_ * (south * kGroundSlant - p.z)};
}

double Projection::Depth(Vec3 p) const {
  return p.x * forward_x_ + p.y * forward_y_;
}

bool Projection::Faces(Vec3 normal) const {
  const double south = normal.x * forward_x_ + normal.y * forward_y_;
  return south * kViewSouth + normal.z * kViewUp > 0.05;
}

std::vector<PointF> ConvexHull(std::vector<PointF> points) {
  std::sort(points.begin(), points.end(),
            [](PointF a, PointF b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  points.erase(std::unique(points.begin(), points.end(),
                           [](PointF a, PointF b) { return a.x == b.x && a.y == b.y; }),
               points.end());
  if (points.size() < 3) return points;
  std::vector<PointF> hull(points.size() * 2);
  std::size_t k = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    while (k >= 2 && Cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  for (std::size_t i = points.size() - 1, lower = k + 1; i > 0; --i) {
    while (k >= lower && Cross(hull[k - 2], hull[k - 1], points[i - 1]) <= 0) --k;
    hull[k++] = points[i - 1];
  }
  hull.resize(k - 1);
  if (hull.size() < 3) return {points.front(), points.back()};  // all on one line
  return hull;
}

double DistanceToHull(const std::vector<PointF>& hull, PointF p, PointF& nearest) {
  if (hull.empty()) {
    nearest = p;
    return 1e9;
  }
  if (hull.size() == 1) return DistanceToSegment(hull[0], hull[0], p, nearest);
  if (hull.size() > 2 && InsideConvex(hull, p)) {
    nearest = p;
    return 0;
  }
  double best = 1e9;
  for (std::size_t i = 0; i < hull.size(); ++i) {
    PointF candidate;
    const double d = DistanceToSegment(hull[i], hull[(i + 1) % hull.size()], p, candidate);
    if (d < best) {
      best = d;
      nearest = candidate;
    }
  }
  return best;
}

}  // namespace pictures::figure
