// Test support: an empty world of a given size, a fresh world with every
// kind defined, the minimap's surfaces in place, logs going to a scratch
// tree, and the same on the virtual clock for the units, whose walks are
// checked against the literal flood.
#pragma once

#include <utility>

#include "support/literal_path.h"
#include "support/scratch.h"
#include "support/surfaces.h"
#include "units/cHumanoide.h"
#include "world/sprites.h"

namespace test {

// One game frame, ms after the last: the movement pass, the world step and
// the projectile step, as the game screen runs them.
void PlayFrame(Clock& clock, int ms);

// A map of the size, all grass and nobody on it, the grids past it too.
void GrassMap(int width, int height);
// The cell taken by a sprite that is none of the game's.
void Occupy(int x, int y);

// How often output/Fatal_Errors.txt holds the message of a walk back that
// gave up.
int WalkBackMessages();
// Whether the unit's search and the literal flood from the same state give
// the same walk, goal, task, order and message; each difference fails the
// test. True when the walk succeeded: the unit, given a task, kept it.
bool WalksAsLiteral(cHumanoide& unit, int x, int y);

// Empties the world to a map of a given size, as a mission start leaves it
// before its file is read: no sprites, width x height grass cells
// unexplored, the treasuries, the view and the mission at 0. The whole
// grids are cleared, whatever the size of the map before.
void ResetWorldTo(int width, int height);

class WorldTest : public ::testing::Test {
 protected:
  WorldTest();
  ~WorldTest() override;

  // The sprite of a kind, at a cell; fails the test when it is not made.
  cSprite* Add(RACE race, DECOR kind, int x, int y);
  // The sprites of a side, newest first.
  static std::vector<cSprite*> List(RACE race);

  ScratchTree tree;
  SurfaceFactory surfaces;
};

// A world on the virtual clock, for the units' behaviour.
class UnitsTest : public WorldTest {
 protected:
  template <typename T = cHumanoide>
  T* Unit(RACE race, DECOR kind, int x, int y) {
    return static_cast<T*>(Add(race, kind, x, y));
  }
  void Frame(int ms) { PlayFrame(clock, ms); }
  // World steps alone, each ms after the last: by default more than a
  // production interval.
  void Steps(int n, int ms = 11) {
    for (int i = 0; i < n; ++i) {
      clock.Advance(std::uint64_t(ms));
      WorldStep();
    }
  }
  // Frames of `ms` until done() holds; false when it does not within max_ms.
  template <typename Done>
  bool RunUntil(Done done, int max_ms = 25000, int ms = 11) {
    for (int spent = 0; !done(); spent += ms) {
      if (spent >= max_ms) return false;
      Frame(ms);
    }
    return true;
  }
  static cSprite* At(int x, int y) { return occupancy_grid[CellIndex(x, y)]; }
  static std::pair<int, int> CellOf(const cSprite* s) { return {s->Px, s->Py}; }
  // Sends the unit along the walk to the cell, as an order does.
  static void WalkTo(cHumanoide* unit, int x, int y) {
    unit->TrouverTrajet(x, y);
    unit->Ordre = GOTO;
  }
  static void Ground(int x0, int y0, int x1, int y1, DECOR ground) {
    for (int x = x0; x <= x1; ++x)
      for (int y = y0; y <= y1; ++y) terrain_grid[CellIndex(x, y)] = ground;
  }

  Clock clock;  // before any sprite: every start time reads it
};

}  // namespace test
