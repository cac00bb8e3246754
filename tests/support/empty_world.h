// Test support: the world emptied to a map of a given size, as a mission
// start leaves it before its file is read.
#pragma once

namespace test {

// No sprites, width x height grass cells unexplored, the treasuries, the
// view and the mission at 0. The whole grids are cleared, whatever the size
// of the map before.
void ResetWorldTo(int width, int height);

}  // namespace test
