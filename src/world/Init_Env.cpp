// Missions: the world reset, the starts, the victory tests and the
// briefing texts.
#include "world/Init_Env.h"

#include <array>
#include <cstdio>

#include "ai/fsm_base_orc.h"
#include "frame/logfile.h"
#include "frame/main.h"
#include "ui/Std_Boxes.h"
#include "ui/Zone_scenario.h"
#include "ui/menu.h"
#include "ui/selection.h"
#include "ui/zone_game.h"
#include "units/cMonk.h"
#include "units/combat.h"
#include "units/weapons.h"
#include "world/Saveload.h"
#include "world/decors.h"
#include "world/map.h"
#include "world/sprites.h"

int current_mission = 0;

namespace {

constexpr char kScenarioFile[] = "../common_bin/scenario.sc";
// The third name stands in the table but is never opened: mission 3 is the
// closing text and has no map.
constexpr std::array<const char*, 3> kMissionFiles = {
    "../missions/mission_1.bin", "../missions/mission_2.bin", "../missions/mission_3.bin"};

long BytesLeft(FILE* file) {
  const long here = std::ftell(file);
  std::fseek(file, 0, SEEK_END);
  const long end = std::ftell(file);
  std::fseek(file, here, SEEK_SET);
  return end - here;
}

// Entry k's length, the file standing at its text; -1 when the count or a
// length cannot be read (it stays -1), is negative or runs past the file.
int FindText(FILE* file, int k) {
  int count = -1;
  ReadInt32(file, count);
  if (k < 1 || k > count) return -1;
  for (int entry = 1;; ++entry) {
    int length = -1;
    ReadInt32(file, length);
    if (length < 0 || length > BytesLeft(file)) return -1;
    if (entry == k) return length;
    std::fseek(file, length, SEEK_CUR);
  }
}

void GiveBriefing(int k) {
  std::unique_ptr<char[]> text = LireTexteScenario(k);
  scenario_zone->Set_Text(text.get());
}

void StartMissionFromFile(int mission) {
  ResetWorld();
  LoadGame(kMissionFiles[std::size_t(mission - 1)]);
  current_mission = mission;
  GiveBriefing(mission);
}

int OrcCount() {
  return sprite_counts[ORC];
}

bool NoOrcLeft() {
  return OrcCount() == 0;
}
bool OneTempleConquered() {
  return ConquetesAir + ConquetesFeu + ConquetesNature >= 1;
}
bool OrcBaseDown() {
  return OrcCount() <= 2;
}

constexpr std::array<bool (*)(), 4> kVictoryTests = {NoOrcLeft, OneTempleConquered, OrcBaseDown,
                                                     NoOrcLeft};

}  // namespace

std::unique_ptr<char[]> LireTexteScenario(int k) {
  File file(std::fopen(kScenarioFile, "rb"));
  if (!file) {
    Fatal_Errors << "impossible to find the file for the scenarios :" << kScenarioFile << "\n";
    return nullptr;
  }
  // A damaged file (an unreadable count, a negative length, a text running
  // past the end) reads as a text not written yet.
  const int length = FindText(file.get(), k);
  if (length < 0) {
    Fatal_Errors << "This scenario has not been writen yet...\n";
    return nullptr;
  }
  auto text = std::make_unique<char[]>(std::size_t(length) + 1);
  text[std::fread(text.get(), 1, std::size_t(length), file.get())] = 0;
  return text;
}

void ResetWorld() {
  PurgeSprites();
  ClearProjectiles();
  ClearOccupancy();
  ClearCombatGrids();
  ResetMap();
  InitMiniMap();
  ClearSelection();
  Init_FSM_Base_Orc();
  ResetSpriteCounts();
  ConquetesAir = ConquetesFeu = ConquetesNature = 0;
}

void StartMission1() {
  StartMissionFromFile(1);
}

void StartMission2() {
  StartMissionFromFile(2);
}

void StartMission3() {
  current_mission = 3;
  ResetWorld();
  GiveBriefing(3);
}

void NextMission() {
  if (current_mission == 1 || current_mission == 2) {
    if (current_mission == 1) {
      StartMission2();
    } else {
      StartMission3();
    }
    game_running = true;
    game_zone->Close();
    current_zone = scenario_zone;
    return;
  }
  main_menu_zone->RemoveIcone(menu_play_button);
  BackToMainMenu();
}

// A mission number a damaged slot may hold, outside the table, never wins.
void TestVictoire() {
  if (current_mission < 0 || current_mission >= int(kVictoryTests.size())) return;
  if (!kVictoryTests[std::size_t(current_mission)]()) return;
  game_running = false;
  box_message->Show("VICTORY", game_zone, NextMission);
}
