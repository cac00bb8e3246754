// Weapons and projectiles.
#pragma once

// Builds the weapon tables.
void InitWeapons();
