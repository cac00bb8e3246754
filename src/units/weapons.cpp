// Weapons come with the units.
#include "units/weapons.h"

void InitWeapons() {}
