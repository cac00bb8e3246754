// The combat grids come with the units.
#include "units/combat.h"

void ClearCombatGrids() {}
