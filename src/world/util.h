// Cell geometry and searches over the terrain and occupancy grids: map bounds,
// free cells, free places around a rectangle, distances, directions, forest.
#pragma once

#include "world/sprites_defs.h"
#include "world/sprites_names.h"

// A rectangle is given by its top-left cell and its size in cells. Its ring is
// every cell touching it from outside, corners included.

// 0 <= x < tx_map and 0 <= y < ty_map.
bool IsInMap(int x, int y);
// A cell is free when it lies in the map, its ground is grass and nobody
// stands on it.
bool IsCellFree(int x, int y);
// The same without the map bounds: for callers that keep to the map.
bool IsCellFreeUnchecked(int x, int y);
// Every cell of the rectangle is free.
bool IsZoneFree(int x, int y, int w, int h);

// The first free cell of the ring, scanned as the row above from left to
// right, the right column downward, the row below from left to right, the left
// column downward; it replaces (x, y). False, (x, y) untouched, when none is.
bool TrouverPlaceAutour(int& x, int& y, int w, int h);
// The free ring cell nearest to (px, py) by squared distance, ties going to
// the smaller x, then the smaller y. When none is free, (rx, ry) is the ring's
// top-left corner and the answer is false.
bool TrouverPlaceProche(int px, int py, int x, int y, int w, int h, int& rx, int& ry);
// (px, py) lies on the ring of the rectangle or inside it.
bool IsAdjacent(int px, int py, int x, int y, int w, int h);

int Distance2(int x0, int y0, int x1, int y1);
// The compass direction from the signs of x1 - x0 and y1 - y0 (y downward).
DIRECTION GetDirection(int x0, int y0, int x1, int y1);

// The ground of the cell is forest; a cell outside the map is reported and is
// not forest.
bool Forested(int px, int py);
// (Px, Py) is the forest cell a worker standing on (xguss, yguss) was sent to;
// it becomes the last cell before the forest on a shortest walk from the
// worker towards it. False, (Px, Py) untouched, when either cell lies outside
// the map (the worker's cell is reported).
bool TrouverLisiere(int& Px, int& Py, int xguss, int yguss);

// How many live sprites of the kind searched are in its side's list.
int Get_Number_Units(cDefUnit* searched);
