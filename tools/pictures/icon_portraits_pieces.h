// Building parts for the small portraits, seen from the front and a little
// above, lit from the upper left. Each piece paints its own shape and adds
// it to a silhouette; `Outlined` then draws the silhouette's black edge.
#pragma once

#include <cstdint>
#include <vector>

#include "pictures/canvas.h"
#include "pictures/mask.h"
#include "pictures/palette.h"

namespace pictures::portrait {

// The pieces of one picture, and the outline drawn round them at the end.
class Silhouette {
 public:
  explicit Silhouette(const Canvas& canvas) : mask_(canvas.width(), canvas.height()) {}
  Mask& mask() { return mask_; }
  void Outline(Canvas& canvas, const Rect& clip) const;

 private:
  Mask mask_;
};

enum class Wall { kStone, kPlaster, kLogs };

void DrawWall(Canvas& canvas, Silhouette& outline, const Rect& wall, Wall kind, std::uint32_t seed);
// A roof over the wall's top edge, `height` rows high, its eaves `overhang`
// wider than the wall on each side, narrowing to its ridge.
void DrawRoof(Canvas& canvas, Silhouette& outline, const Rect& wall, int height, int overhang,
              RampView tiles);
// Stitched hides instead of tiles.
void DrawHideRoof(Canvas& canvas, Silhouette& outline, const Rect& wall, int height, int overhang,
                  std::uint32_t seed);
// A round stone tower with a cone roof, standing on (cx, ground).
void DrawTower(Canvas& canvas, Silhouette& outline, int cx, int ground, int radius, int height,
               int roof, RampView tiles);
void DrawDoor(Canvas& canvas, int x, int bottom, int width, int height);
// A cloth hanging from its top edge, cut in a swallowtail.
void DrawBanner(Canvas& canvas, const Rect& cloth, RampView colours);
// Pale wisps of smoke rising from (x, y).
void DrawSmoke(Canvas& canvas, int x, int y, std::uint32_t seed);
// A filled polygon, from `lit` on its left to `shaded` on its right (levels
// on the ramp).
void DrawShape(Canvas& canvas, Silhouette& outline, const std::vector<PointF>& corners,
               RampView ramp, double lit, double shaded);

}  // namespace pictures::portrait
