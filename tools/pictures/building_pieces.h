// Pieces of the buildings on the map, seen from above at a slight angle: a
// roof seen from above with the front wall below it, round towers, doors,
// windows, banners, orc hides and spikes. Each picture is drawn on its own
// canvas the size of its footprint, over the map's grass; the light comes
// from the upper left and every building casts its shadow to the lower right.
#pragma once

#include <cstdint>

#include "pictures/building_layout.h"
#include "pictures/canvas.h"
#include "pictures/mask.h"
#include "pictures/palette.h"

namespace pictures {

using building_layout::Owner;

// The cloth of an owner's banners: grey and white, blue, or red.
RampView OwnerCloth(Owner owner);

// A canvas of the footprint's size covered with the map's grass.
Canvas GroundCanvas(int width, int height);

// The shadow that the shape casts `length` pixels towards the lower right,
// and its dark outline. Drawn before the shape's parts.
void DrawShadowAndOutline(Canvas& canvas, const Mask& silhouette, int length);

// Trodden earth inside the shape, and a paved yard in the rectangle.
void DrawEarth(Canvas& canvas, const Mask& shape, std::uint32_t seed);
void DrawPaving(Canvas& canvas, const Rect& area, std::uint32_t seed);

enum class WallKind { kStone, kTimber, kLogs, kPlanks };
enum class Ridge { kAcross, kAway };  // left to right, or away from the viewer

// A house: its roof seen from above, its front wall in the lowest `wall`
// rows of `body`. A ridge that runs away from the viewer ends in a gable of
// `gable` rows above the front wall.
struct House {
  Rect body;
  int wall = 8;
  Ridge ridge = Ridge::kAcross;
  WallKind walls = WallKind::kStone;
  RampView tiles;
  int gable = 0;
};

Mask HouseShape(const House& house, int width, int height);
// The part of the house that is roof: all but its front wall and gable.
Mask RoofShape(const House& house, int width, int height);
// The row (across) or column (away) of the roof's ridge.
int RidgeLine(const House& house);
void DrawHouse(Canvas& canvas, const House& house, std::uint32_t seed);
// Wall surface of the given kind filling a rectangle.
void DrawWall(Canvas& canvas, const Rect& wall, WallKind kind, std::uint32_t seed);

// A round tower standing on (cx, ground): a stone drum `height` rows high and
// a cone roof `roof` rows high.
struct Tower {
  int cx = 0;
  int ground = 0;
  int radius = 5;
  int height = 12;
  int roof = 10;
  RampView tiles;
};
Mask TowerShape(const Tower& tower, int width, int height);
void DrawTower(Canvas& canvas, const Tower& tower, std::uint32_t seed);

void DrawDoor(Canvas& canvas, int x, int bottom, int width, int height);
void DrawWindow(Canvas& canvas, int x, int y, bool lit);
// A banner hanging from its top edge, cut in a swallowtail at the foot.
void DrawHangingBanner(Canvas& canvas, const Rect& cloth, RampView colours);
// A sharpened bone or tusk standing from (x, base).
void DrawSpike(Canvas& canvas, int x, int base, int height);
// Stretched hides over a frame: tan patches with dark stitches.
void DrawHides(Canvas& canvas, const Mask& shape, std::uint32_t seed);
// Logs stacked with their cut ends towards the viewer.
void DrawLogPile(Canvas& canvas, int x, int bottom, int columns, int rows);

}  // namespace pictures
