// The forest tiles: round-topped broadleaves and a few pines on the grass,
// shading the ground below them. The trees stand on a pattern that repeats
// every cell, and each piece keeps only the trees whose whole reach (canopy,
// trunk and shadow) lies on cells that its neighbours say are forest, so the
// pieces of a forest block join up and meet the grass tiles cleanly.
#pragma once

#include "pictures/canvas.h"
#include "pictures/terrain_layout.h"

namespace pictures {

// Draws the piece into a 32x32 rectangle.
void DrawForestTile(Canvas& canvas, const Rect& tile, const terrain_layout::ForestPiece& piece);

}  // namespace pictures
