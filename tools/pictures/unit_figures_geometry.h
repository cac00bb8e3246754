// How a figure's points fall on the picture: the turn toward a direction, the
// slanted view from above, and the flat shapes the parts become.
#pragma once

#include <vector>

#include "pictures/mask.h"
#include "pictures/unit_figures_render.h"

namespace pictures::figure {

class Projection {
 public:
  explicit Projection(const View& view);

  PointF Screen(Vec3 p) const;
  // Larger is nearer the viewer, who looks down on the map from the south.
  double Depth(Vec3 p) const;
  // Whether a side of the figure with this outward direction faces the viewer.
  bool Faces(Vec3 normal) const;
  double scale() const { return scale_; }

 private:
  double forward_x_ = 0;  // on the ground, x east and y south
  double forward_y_ = 1;
  double mirror_ = 1;
  PointF ground_;
  double scale_ = 1;
};

// The convex hull of flat points, each kept once; fewer than three points
// stay as they are (a dot or a stroke).
std::vector<PointF> ConvexHull(std::vector<PointF> points);

// The distance from p to the hull (0 inside), and the hull's point nearest p.
double DistanceToHull(const std::vector<PointF>& hull, PointF p, PointF& nearest);

}  // namespace pictures::figure
