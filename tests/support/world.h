// Test support: a fresh world with every kind defined, the minimap's
// surfaces in place, logs going to a scratch tree.
#pragma once

#include "support/scratch.h"
#include "support/surfaces.h"
#include "world/sprites.h"

namespace test {

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
