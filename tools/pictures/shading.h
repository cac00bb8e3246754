// Painting shapes: ramps spread by ordered dithering (the way 8-bit era art
// shows a smooth gradient with few colours), bevelled edges, outlines and
// shadows.
#pragma once

#include <functional>

#include "pictures/canvas.h"
#include "pictures/mask.h"
#include "pictures/palette.h"

namespace pictures {

// The colour of the ramp at `level` (0 = its first entry, 1 = its last) for
// pixel (x, y); between two entries a 4x4 ordered pattern mixes them.
Colour Dither(RampView ramp, double level, int x, int y);

// Picks the colour of each pixel of a shape, in canvas coordinates.
using ColourAt = std::function<Colour(int x, int y)>;

// Paints every set pixel of the mask, its (0, 0) placed at (ox, oy).
void PaintMask(Canvas& canvas, const Mask& mask, int ox, int oy, const ColourAt& colour);
void PaintMask(Canvas& canvas, const Mask& mask, int ox, int oy, Colour colour);

// Lights the shape's top and left edges and shades its bottom and right ones,
// `depth` pixels deep, as if lit from the top-left.
void Emboss(Canvas& canvas, const Mask& mask, int ox, int oy, Colour light, Colour dark, int depth);

// A ring `thickness` pixels wide around the shape.
void Outline(Canvas& canvas, const Mask& mask, int ox, int oy, Colour colour, int thickness);

// Darkens what lies under the shape by `steps` on each colour's own ramp.
void DarkenMask(Canvas& canvas, const Mask& mask, int ox, int oy, int steps);
void DarkenRect(Canvas& canvas, const Rect& r, int steps);

}  // namespace pictures
