// Test support: the level-by-level flood and the walk back, step by step.
#include "support/literal_path.h"

#include <memory>

#include "world/decors.h"
#include "world/sprites.h"
#include "world/util.h"

namespace test {
namespace {

using Distances = std::array<std::array<int, kMapCapacity>, kMapCapacity>;  // [x][y]

struct Step {
  int dx, dy;
};
constexpr Step kGoalShift[8] = {{-1, 0}, {-1, -1}, {0, -1}, {1, -1},
                                {1, 0},  {1, 1},   {0, 1},  {-1, 1}};
constexpr Step kFlood[8] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
constexpr Step kWalkBack[8] = {{1, 0}, {0, 1},  {0, -1},  {-1, 0},
                               {1, 1}, {-1, 1}, {-1, -1}, {1, -1}};

bool OnGrids(int x, int y) {
  return x >= 0 && y >= 0 && x < kMapCapacity && y < kMapCapacity;
}

void Fail(WalkState& walk, bool walk_back_gave_up = false) {
  walk.walk_back_gave_up = walk_back_gave_up;
  walk.trajet.fill(PathCell{0, 0});
  walk.x_objectif = walk.y_objectif = 0;
  walk.tache = SANS_TACHE;
  walk.ordre = WAIT;
}

bool ShiftOccupiedGoal(int& x, int& y) {
  if (!OnGrids(x, y) || occupancy_grid[CellIndex(x, y)] == nullptr) return true;
  for (const Step& s : kGoalShift) {
    if (IsCellFree(x + s.dx, y + s.dy)) {
      x += s.dx;
      y += s.dy;
      return true;
    }
  }
  return false;
}

// One sweep: every cell on the level gives the next level to its free,
// unvisited neighbours.
void Sweep(Distances& d, int level) {
  for (int x = 0; x < tx_map; ++x) {
    for (int y = 0; y < ty_map; ++y) {
      if (d[x][y] != level) continue;
      for (const Step& s : kFlood) {
        const int nx = x + s.dx, ny = y + s.dy;
        if (IsCellFree(nx, ny) && d[nx][ny] == -1) d[nx][ny] = level + 1;
      }
    }
  }
}

// Cells past the map, or off the grids, are never visited.
int DistanceAt(const Distances& d, int x, int y) {
  return OnGrids(x, y) ? d[x][y] : -1;
}

void SetEntry(WalkState& walk, int k, int x, int y) {
  if (k >= 0 && k < kPathLength) walk.trajet[k] = PathCell{std::uint8_t(x), std::uint8_t(y)};
}

}  // namespace

WalkState WalkStateOf(const cHumanoide& unit) {
  return {unit.Px, unit.Py, unit.Trajet, unit.XObjectif, unit.YObjectif, unit.Tache, unit.Ordre};
}

void LiteralTrouverTrajet(WalkState& walk, int XBut, int YBut) {
  if (!ShiftOccupiedGoal(XBut, YBut)) return Fail(walk);
  walk.x_objectif = XBut;
  walk.y_objectif = YBut;

  auto d = std::make_unique<Distances>();
  for (auto& column : *d) column.fill(-1);
  if (OnGrids(walk.px, walk.py)) (*d)[walk.px][walk.py] = 0;
  int level = 0;
  do {
    if (level == 256) return Fail(walk);
    Sweep(*d, level++);
  } while (DistanceAt(*d, XBut, YBut) == -1);

  SetEntry(walk, level, XBut, YBut);
  int cx = XBut, cy = YBut;
  for (int steps = 1;; ++steps) {
    if (steps > 250) return Fail(walk, true);
    --level;
    for (const Step& s : kWalkBack) {
      const int nx = cx + s.dx, ny = cy + s.dy;
      if (IsInMap(nx, ny) && (*d)[nx][ny] == level) {
        SetEntry(walk, level, nx, ny);
        cx = nx;
        cy = ny;
        break;
      }
    }
    if (level <= 1) {
      SetEntry(walk, 0, walk.px, walk.py);
      return;
    }
  }
}

}  // namespace test
