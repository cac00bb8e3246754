// Test support: an empty world of a given size, and a fresh world with
// every kind defined, the minimap's surfaces in place, logs going to a
// scratch tree.
#pragma once

#include "support/scratch.h"
#include "support/surfaces.h"
#include "world/sprites.h"

namespace test {

class Clock;

// One game frame, ms after the last: the movement pass, the world step and
// the projectile step, as the game screen runs them.
void PlayFrame(Clock& clock, int ms);

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

}  // namespace test
