// Test support: the level-by-level flood and the walk back, step by step.
#include "support/literal_path.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "support/files.h"
#include "world/decors.h"
#include "world/sprites.h"
#include "world/util.h"

namespace test {
namespace {

using Cell = std::pair<int, int>;

// What the path finding reads of a unit and what it writes back.
struct WalkState {
  int px = 0, py = 0;  // the unit's cell
  std::array<PathCell, kPathLength> trajet{};
  int x_objectif = 0, y_objectif = 0;
  TACHE tache = SANS_TACHE;
  ORDRE ordre = WAIT;
  bool walk_back_gave_up = false;  // the "chemin 002" message is due
};

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

Cell Entry(PathCell c) {
  return {c.x, c.y};
}

WalkState WalkStateOf(const cHumanoide& unit) {
  return {unit.Px, unit.Py, unit.Trajet, unit.XObjectif, unit.YObjectif, unit.Tache, unit.Ordre};
}

// The walk from the unit's cell to (XBut, YBut) over the current terrain and
// occupancy grids.
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

}  // namespace

int WalkBackMessages() {
  const std::string message =
      "sprites void cHumanoide::TrouverTrajet(int XBut,int YBut) impossible de trouver un chemin "
      "002\n";
  const std::string log = ReadBytes("output/Fatal_Errors.txt");
  int n = 0;
  for (auto at = log.find(message); at != std::string::npos; at = log.find(message, at + 1)) ++n;
  return n;
}

bool WalksAsLiteral(cHumanoide& unit, int XBut, int YBut) {
  WalkState expected = WalkStateOf(unit);
  LiteralTrouverTrajet(expected, XBut, YBut);
  const int messages_before = WalkBackMessages();
  unit.TrouverTrajet(XBut, YBut);
  for (int k = 0; k < kPathLength; ++k) {
    EXPECT_EQ(Entry(unit.Trajet[k]), Entry(expected.trajet[k])) << "entry " << k;
    if (Entry(unit.Trajet[k]) != Entry(expected.trajet[k])) break;
  }
  EXPECT_EQ(std::tie(unit.XObjectif, unit.YObjectif, unit.Tache, unit.Ordre),
            std::tie(expected.x_objectif, expected.y_objectif, expected.tache, expected.ordre));
  EXPECT_EQ(WalkBackMessages() - messages_before, expected.walk_back_gave_up ? 1 : 0);
  return unit.Tache != SANS_TACHE;
}

}  // namespace test
