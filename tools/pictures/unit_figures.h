// The walking units: each kind is one figure, drawn facing any of the eight
// directions in any of the three poses of its walk, at the sheets' size or
// larger for a portrait.
#pragma once

#include "pictures/canvas.h"
#include "pictures/mask.h"

namespace pictures {

enum class UnitKind { kArcher, kWorker, kSoldier, kMonk, kOrcArcher, kOrcWorker, kOrcSoldier };

// Standing, then the right foot forward, then the left: the game shows them
// in the order standing, stride, standing, other stride while a unit walks.
enum class Pose { kStanding, kStride, kOtherStride };

// Draws the unit with the point between its feet at `ground`, `scale` times
// the size of the sheets, facing `direction` (1 NE, 2 E, ... 8 N, y growing
// downward), inside `clip` with a black outline.
void DrawUnitFigure(Canvas& canvas, UnitKind kind, int direction, Pose pose, PointF ground,
                    double scale, const Rect& clip);

}  // namespace pictures
