// The grass of the map. Every terrain tile and every building picture is
// painted with the same grass, which repeats every 32 pixels, so a picture
// laid on whole cells meets the tiles around it without a seam.
#pragma once

#include <cstdint>

#include "pictures/canvas.h"

namespace pictures {

inline constexpr int kCellSize = 32;

// Value noise that repeats every 32 pixels in both directions; `cell` is the
// lattice spacing and must divide 32. In [0, 1).
double TiledNoise(double x, double y, int cell, std::uint32_t seed);

// The grass brightness (0 to 1 on the meadow ramp) and colour at a pixel,
// counted from the top-left corner of any cell.
double GrassLevel(int x, int y);
Colour GrassAt(int x, int y);

// Fills the rectangle with grass whose pattern starts at a cell corner at
// (origin_x, origin_y).
void FillGrass(Canvas& canvas, const Rect& area, int origin_x, int origin_y);

}  // namespace pictures
