// Who attacks whom.
#pragma once

// Clears the occupancy grid and the two attack grids over the map.
void ClearCombatGrids();
