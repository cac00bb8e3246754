// The campaign: the current mission, the world reset at each mission start,
// the mission starts, the victory conditions and the briefing texts.
#pragma once

#include <memory>

// 1, 2 or 3 during the campaign; stored in every saved game.
extern int current_mission;

// Briefing text k (from 1) of ../common_bin/scenario.sc, zero-terminated;
// null when the file or the text is missing.
std::unique_ptr<char[]> LireTexteScenario(int k);

// Empties the world: sprites, projectiles, grids, map, minimap, selection,
// the orc side's memory, the counts and the temple conquests. The
// treasuries and the map's size are left to the file read next.
void ResetWorld();

// Each start resets the world, reads the mission's map (there is none for
// the closing text, mission 3) and hands its briefing to the briefing screen.
void StartMission1();
void StartMission2();
void StartMission3();

// The OK of the VICTORY box: the briefing of the next mission, or, once the
// campaign is over, back to the menu without PLAY.
void NextMission();
// The current mission's victory condition, tested once per world step; when
// it holds the game stops and the VICTORY box opens over the game screen.
void TestVictoire();
