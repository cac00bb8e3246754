// Test support: the walk to a goal by the plain level-by-level flood, sweeping
// the whole map once per level. Slow and obviously right; the path finding of
// the units must give exactly the same walks.
#pragma once

#include <array>

#include "units/cHumanoide.h"

namespace test {

// What the path finding reads of a unit and what it writes back.
struct WalkState {
  int px = 0, py = 0;  // the unit's cell
  std::array<PathCell, kPathLength> trajet{};
  int x_objectif = 0, y_objectif = 0;
  TACHE tache = SANS_TACHE;
  ORDRE ordre = WAIT;
  bool walk_back_gave_up = false;  // the "chemin 002" message is due
};

WalkState WalkStateOf(const cHumanoide& unit);

// The walk from the unit's cell to (XBut, YBut) over the current terrain and
// occupancy grids.
void LiteralTrouverTrajet(WalkState& walk, int XBut, int YBut);

}  // namespace test
