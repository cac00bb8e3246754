// Cell geometry and searches shared by the units, the orc side and the
// interface. Nothing is kept between calls.
#include "world/util.h"

#include <array>
#include <memory>

#include "frame/logfile.h"
#include "world/decors.h"
#include "world/sprites.h"

namespace {

// The nearest ring cell notes the squared distance of every free ring cell in
// a table whose entry [i][j] is the cell (x - 1 + i, y - 1 + j).
constexpr int kRingTableSide = 16;
constexpr int kNoEntry = -1;
constexpr int kFarthest = 65536;  // bound that any noted distance must be under
using RingTable = std::array<std::array<int, kRingTableSide>, kRingTableSide>;

// Rectangles wider or taller than 14 cells have ring cells past the table's
// last row or column: those cells are left out of the search.
void NoteIfFree(RingTable& table, int i, int j, int cx, int cy, int px, int py) {
  if (i < 0 || j < 0 || i >= kRingTableSide || j >= kRingTableSide) return;
  if (IsCellFree(cx, cy)) table[i][j] = Distance2(cx, cy, px, py);
}

void NoteFreeRingCells(RingTable& table, int px, int py, int x, int y, int w, int h) {
  for (int i = 0; i <= w + 1; ++i) {
    NoteIfFree(table, i, 0, x - 1 + i, y - 1, px, py);
    NoteIfFree(table, i, h + 1, x - 1 + i, y + h, px, py);
  }
  for (int j = 0; j < h; ++j) {
    NoteIfFree(table, 0, j + 1, x - 1, y + j, px, py);
    NoteIfFree(table, w + 1, j + 1, x + w, y + j, px, py);
  }
}

// The smallest entry, scanning i then j so that the first of equal ones wins.
bool FindSmallestEntry(const RingTable& table, int& best_i, int& best_j) {
  int best = kFarthest;
  best_i = best_j = 0;
  for (int i = 0; i < kRingTableSide; ++i) {
    for (int j = 0; j < kRingTableSide; ++j) {
      const int entry = table[i][j];
      if (entry != kNoEntry && entry < best) {
        best = entry;
        best_i = i;
        best_j = j;
      }
    }
  }
  return best < kFarthest;
}

// The forest-edge search measures chessboard distances from the forest cell.
constexpr int kUnreached = -1;
constexpr int kWalkBackSteps = 100;
using DistanceGrid = CellGrid<int>;

struct Offset {
  int dx, dy;
};
// The spread visits west before north and the walk back north before west.
constexpr std::array<Offset, 8> kSpreadOrder{
    {{1, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 1}, {-1, 1}, {-1, -1}, {1, -1}}};
constexpr std::array<Offset, 8> kWalkBackOrder{
    {{1, 0}, {0, 1}, {0, -1}, {-1, 0}, {1, 1}, {-1, 1}, {-1, -1}, {1, -1}}};

// Every cell at distance d gives d + 1 to its unreached neighbours; false when
// nothing was left to reach.
bool SpreadDistances(DistanceGrid& distances, int d) {
  bool spread = false;
  for (int x = 0; x < tx_map; ++x) {
    for (int y = 0; y < ty_map; ++y) {
      if (distances[CellIndex(x, y)] != d) continue;
      for (const Offset& o : kSpreadOrder) {
        const int nx = x + o.dx, ny = y + o.dy;
        if (!IsInMap(nx, ny) || distances[CellIndex(nx, ny)] != kUnreached) continue;
        distances[CellIndex(nx, ny)] = d + 1;
        spread = true;
      }
    }
  }
  return spread;
}

// Distances from the forest cell, spread until the worker's cell has one.
void MeasureFromForest(DistanceGrid& distances, int fx, int fy, int wx, int wy) {
  distances.fill(kUnreached);
  distances[CellIndex(fx, fy)] = 0;
  for (int d = 0; SpreadDistances(distances, d); ++d) {
    if (distances[CellIndex(wx, wy)] != kUnreached) return;
  }
}

bool FindNeighbourAt(const DistanceGrid& distances, int x, int y, int v, int& nx, int& ny) {
  for (const Offset& o : kWalkBackOrder) {
    nx = x + o.dx;
    ny = y + o.dy;
    if (IsInMap(nx, ny) && distances[CellIndex(nx, ny)] == v) return true;
  }
  return false;
}

// From the worker one cell closer to the forest at every step, stopping before
// the first forest cell; a step with no closer neighbour is spent in place.
void WalkBackToEdge(const DistanceGrid& distances, int& Px, int& Py, int wx, int wy) {
  Px = wx;
  Py = wy;
  int v = distances[CellIndex(wx, wy)];
  for (int step = 0; step < kWalkBackSteps; ++step) {
    --v;
    int nx = 0, ny = 0;
    if (!FindNeighbourAt(distances, Px, Py, v, nx, ny)) continue;
    if (Forested(nx, ny)) return;
    Px = nx;
    Py = ny;
  }
}

bool CountsAsRace(RACE race) {
  return race == NEUTRE || race == HUMAN || race == ORC;
}

}  // namespace

bool IsInMap(int x, int y) {
  return x >= 0 && x < tx_map && y >= 0 && y < ty_map;
}

bool IsCellFree(int x, int y) {
  return IsInMap(x, y) && IsCellFreeUnchecked(x, y);
}

// A cell off the 128 x 128 grids can only come from a caller's mistake; it is
// answered as not free rather than read.
bool IsCellFreeUnchecked(int x, int y) {
  if (!IsOnGrids(x, y)) return false;
  return terrain_grid[CellIndex(x, y)] == HERBE1 && occupancy_grid[CellIndex(x, y)] == nullptr;
}

bool IsZoneFree(int x, int y, int w, int h) {
  for (int i = 0; i < w; ++i) {
    for (int j = 0; j < h; ++j) {
      if (!IsCellFree(x + i, y + j)) return false;
    }
  }
  return true;
}

bool TrouverPlaceAutour(int& x, int& y, int w, int h) {
  const int left = x - 1, right = x + w, top = y - 1, bottom = y + h;
  auto take = [&](int cx, int cy) {
    if (!IsCellFree(cx, cy)) return false;
    x = cx;
    y = cy;
    return true;
  };
  for (int cx = left; cx <= right; ++cx) {
    if (take(cx, top)) return true;
  }
  for (int cy = top; cy <= bottom; ++cy) {
    if (take(right, cy)) return true;
  }
  for (int cx = left; cx <= right; ++cx) {
    if (take(cx, bottom)) return true;
  }
  for (int cy = top; cy <= bottom; ++cy) {
    if (take(left, cy)) return true;
  }
  return false;
}

bool TrouverPlaceProche(int px, int py, int x, int y, int w, int h, int& rx, int& ry) {
  RingTable table;
  for (auto& column : table) column.fill(kNoEntry);
  NoteFreeRingCells(table, px, py, x, y, w, h);
  int i = 0, j = 0;
  const bool found = FindSmallestEntry(table, i, j);
  rx = x - 1 + i;
  ry = y - 1 + j;
  return found;
}

bool IsAdjacent(int px, int py, int x, int y, int w, int h) {
  return px >= x - 1 && px <= x + w && py >= y - 1 && py <= y + h;
}

int Distance2(int x0, int y0, int x1, int y1) {
  const int dx = x1 - x0, dy = y1 - y0;
  return dx * dx + dy * dy;
}

DIRECTION GetDirection(int x0, int y0, int x1, int y1) {
  const int dx = x1 - x0, dy = y1 - y0;
  if (dx > 0) return dy < 0 ? DIR_NE : dy == 0 ? DIR_E : DIR_SE;
  if (dx < 0) return dy > 0 ? DIR_SO : dy == 0 ? DIR_O : DIR_NO;
  return dy > 0 ? DIR_S : dy < 0 ? DIR_N : DIR_NONE;
}

bool Forested(int px, int py) {
  if (!IsInMap(px, py)) {
    Fatal_Errors << "util bool Forested(int px,int py) case impossible : " << px << "," << py
                 << "\n";
    return false;
  }
  const DECOR ground = terrain_grid[CellIndex(px, py)];
  return ground >= BOIS01 && ground <= BOIS13;
}

bool TrouverLisiere(int& Px, int& Py, int xguss, int yguss) {
  if (!IsInMap(xguss, yguss)) {
    Fatal_Errors << "util bool TrouverLisiere(int& Px,int& Py,int xguss,int yguss) \n";
    Fatal_Errors << "position du guss not valid :" << xguss << "," << yguss << "\n";
    return false;
  }
  // A forest cell off the map has no edge to walk to.
  if (!IsInMap(Px, Py)) return false;
  auto distances = std::make_unique<DistanceGrid>();
  MeasureFromForest(*distances, Px, Py, xguss, yguss);
  WalkBackToEdge(*distances, Px, Py, xguss, yguss);
  return true;
}

int Get_Number_Units(cDefUnit* searched) {
  if (!searched) {
    Fatal_Errors << "util int Get_Number_Units(cDefUnit * searched), searched is NULL\n";
    return 0;
  }
  if (!CountsAsRace(searched->Race)) {
    Fatal_Errors << "util int Get_Number_Units(cDefUnit * searched), case impossible\n";
    return 0;
  }
  int count = 0;
  for (cSprite* s = sprite_lists[searched->Race]; s; s = s->pNext) {
    if (!s->removed && s->pDef == searched) ++count;
  }
  return count;
}
