// Missions: the briefing reader, the world reset and the victory tests.
#include "world/Init_Env.h"

#include <gtest/gtest.h>

#include "ai/fsm_base_orc.h"
#include "frame/ddraw_text.h"
#include "frame/main.h"
#include "map/scenario_file.h"
#include "support/files.h"
#include "support/world.h"
#include "ui/Std_Boxes.h"
#include "ui/money.h"
#include "ui/selection.h"
#include "ui/zone_game.h"
#include "units/cMonk.h"
#include "world/map.h"

namespace {

constexpr char kMissing[] =
    "impossible to find the file for the scenarios :../common_bin/scenario.sc\n";
constexpr char kNotWritten[] = "This scenario has not been writen yet...\n";

class Missions : public test::WorldTest {
 protected:
  Missions() {
    InitFont();
    InitBoxes();
    game_zone = &zone;
  }
  ~Missions() override { game_zone = nullptr; }

  void WriteScenario(const std::string& bytes) {
    test::WriteBytes(tree.root() / "common_bin" / "scenario.sc", bytes);
  }

  Zone_Game zone;
};

std::string Int32(std::int32_t v) {
  const auto u = std::uint32_t(v);
  return {char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF), char(u >> 24)};
}

TEST_F(Missions, TheReaderGivesAskedTextsAndTreatsDamageAsATextNotWritten) {
  const std::string two = mapmaker::ScenarioBytes({"FIRST", ""});
  const struct {
    const char* what;
    std::optional<std::string> file;
    int k;
    const char* text;  // null: none
    const char* log;
  } kCases[] = {
      {"missing file", std::nullopt, 1, nullptr, kMissing},
      {"second text, empty", two, 2, "", ""},
      {"first of two", two, 1, "FIRST", ""},
      {"3 asked of 2", two, 3, nullptr, kNotWritten},
      {"unreadable count", std::string("\x02\x00", 2), 1, nullptr, kNotWritten},
      {"negative length", Int32(1) + Int32(-4) + "ABCD", 1, nullptr, kNotWritten},
      {"length past the end", Int32(1) + Int32(9) + "ABCD", 1, nullptr, kNotWritten},
      {"skipped length past the end", Int32(2) + Int32(90) + "AB", 2, nullptr, kNotWritten},
  };
  for (const auto& c : kCases) {
    std::filesystem::remove(tree.root() / "common_bin" / "scenario.sc");
    std::filesystem::remove(tree.root() / "bin" / "output" / "Fatal_Errors.txt");
    if (c.file) WriteScenario(*c.file);
    const std::unique_ptr<char[]> text = LireTexteScenario(c.k);
    if (c.text) {
      ASSERT_TRUE(text) << c.what;
      EXPECT_STREQ(text.get(), c.text) << c.what;
    } else {
      EXPECT_FALSE(text) << c.what;
    }
    EXPECT_EQ(tree.Log("Fatal_Errors.txt"), c.log) << c.what;
  }
}

TEST_F(Missions, TheWorldResetEmptiesTheWorldButLeavesTreasuriesAndMapSize) {
  tx_map = 20;
  ty_map = 10;
  Money = 5, Wood = 6, MoneyOrc = 7, WoodOrc = 8;
  AddToSelection(Add(HUMAN, GUERR, 3, 3));
  Add(ORC, OFARM, 10, 5);
  terrain_grid[CellIndex(19, 9)] = BOIS05;
  ConquetesAir = ConquetesFeu = ConquetesNature = 1;
  under_attack = true;
  ResetWorld();
  EXPECT_EQ(sprite_lists, (std::array<cSprite*, kRaces>{}));
  EXPECT_EQ(sprite_counts, (std::array<int, kRaces>{}));
  EXPECT_EQ(occupancy_grid[CellIndex(10, 5)], nullptr);
  EXPECT_EQ(SelectedSprites[0], nullptr);
  EXPECT_EQ(terrain_grid[CellIndex(19, 9)], HERBE1);
  EXPECT_EQ(Zone_Connue[CellIndex(3, 3)], 0);
  EXPECT_EQ(ConquetesAir + ConquetesFeu + ConquetesNature, 0);
  EXPECT_FALSE(under_attack);
  EXPECT_EQ((std::array{Money, Wood, MoneyOrc, WoodOrc, tx_map, ty_map}),
            (std::array{5, 6, 7, 8, 20, 10}));
}

// The test of the mission in play: false leaves the game running.
bool Wins(int mission) {
  current_mission = mission;
  game_running = true;
  TestVictoire();
  return !game_running;
}

TEST_F(Missions, Mission2IsWonOnTheFirstTestWithTwoOrcObjectsLeft) {
  Add(ORC, OFARM, 1, 1);
  cSprite* worker = Add(ORC, OPAYS, 5, 5);
  Add(ORC, OGUER, 7, 7);
  EXPECT_FALSE(Wins(2));
  EXPECT_EQ(zone.Get_Child(), nullptr);
  RemovecSprite(worker);
  EXPECT_TRUE(Wins(2));
  EXPECT_EQ(zone.Get_Child(), box_message);
  EXPECT_EQ(box_message->Message(), "VICTORY");
  EXPECT_EQ(message_action, NextMission);
}

TEST_F(Missions, EachMissionHasItsConditionAndOthersNeverWin) {
  EXPECT_TRUE(Wins(0));
  EXPECT_TRUE(Wins(3));
  EXPECT_FALSE(Wins(1));
  Add(ORC, OGUER, 7, 7);
  EXPECT_FALSE(Wins(0));
  EXPECT_FALSE(Wins(3));
  EXPECT_TRUE(Wins(2));
  ConquetesFeu = 1;  // the orc army does not matter
  EXPECT_TRUE(Wins(1));
  for (int mission : {-1, 4, 7}) {
    sprite_counts.fill(0);
    EXPECT_FALSE(Wins(mission)) << mission;
  }
}

}  // namespace
