// The campaign: the current mission, the world reset at each mission start.
#pragma once

// 1, 2 or 3 during the campaign; stored in every saved game.
extern int current_mission;

// Empties the world: sprites, projectiles, grids, map, minimap, selection,
// the orc side's memory, the counts and the temple conquests. The
// treasuries and the map's size are left to the file read next.
void ResetWorld();
// The current mission's victory condition, tested once per world step.
void TestVictoire();
