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
#include "ui/zone_game.h"
#include "units/cMonk.h"

namespace {

std::string Int32(std::uint32_t u) {
  return {char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF), char(u >> 24)};
}

class Missions : public test::WorldTest {
 protected:
  Missions() {
    InitFont();
    InitBoxes();
    game_zone = &zone;
  }
  ~Missions() override { game_zone = nullptr; }
  // The test of the mission in play; a win stops the game.
  static bool Wins(int mission) {
    current_mission = mission;
    game_running = true;
    TestVictoire();
    return !game_running;
  }
  Zone_Game zone;
};

TEST_F(Missions, TheBriefingReaderTakesDamageForATextNotWrittenYet) {
  const std::string two = mapmaker::ScenarioBytes({"FIRST", ""});
  const char* missing =
      "impossible to find the file for the scenarios :../common_bin/scenario.sc\n";
  const char* not_written = "This scenario has not been writen yet...\n";
  const struct {
    std::optional<std::string> file;
    int k;
    const char* text;  // null: none
    const char* log;
  } kCases[] = {
      {std::nullopt, 1, nullptr, missing},
      {two, 1, "FIRST", ""},
      {two, 2, "", ""},
      {two, 3, nullptr, not_written},
      {std::string("\x02\x00", 2), 1, nullptr, not_written},      // a count cut short
      {Int32(1) + Int32(-4u) + "ABCD", 1, nullptr, not_written},  // a negative length
      {Int32(2) + Int32(90) + "AB", 2, nullptr, not_written},     // a length past the end
  };
  for (const auto& c : kCases) {
    std::filesystem::remove(tree.root() / "common_bin" / "scenario.sc");
    std::filesystem::remove(tree.root() / "bin" / "output" / "Fatal_Errors.txt");
    if (c.file) test::WriteBytes(tree.root() / "common_bin" / "scenario.sc", *c.file);
    const std::unique_ptr<char[]> text = LireTexteScenario(c.k);
    EXPECT_EQ(text ? std::optional<std::string>(text.get()) : std::nullopt,
              c.text ? std::optional<std::string>(c.text) : std::nullopt)
        << c.k;
    EXPECT_EQ(tree.Log("Fatal_Errors.txt"), c.log) << c.k;
  }
}

TEST_F(Missions, TheWorldResetLeavesTreasuriesAndMapSizeToTheFileReadNext) {
  tx_map = 20, ty_map = 10;
  Money = 5, Wood = 6, MoneyOrc = 7, WoodOrc = 8;
  Add(ORC, OFARM, 10, 5);
  terrain_grid[CellIndex(19, 9)] = BOIS05;
  ConquetesAir = ConquetesFeu = ConquetesNature = 1;
  under_attack = true;
  ResetWorld();
  EXPECT_EQ(sprite_counts, (std::array<int, kRaces>{}));
  EXPECT_EQ(occupancy_grid[CellIndex(10, 5)], nullptr);
  EXPECT_EQ(terrain_grid[CellIndex(19, 9)], HERBE1);
  EXPECT_EQ(ConquetesAir + ConquetesFeu + ConquetesNature, 0);
  EXPECT_FALSE(under_attack);
  EXPECT_EQ((std::array{Money, Wood, MoneyOrc, WoodOrc, tx_map, ty_map}),
            (std::array{5, 6, 7, 8, 20, 10}));
}

// Mission 2 is won on the first test with two orc objects of any kind
// left; mission 1 wants a temple whatever the orcs; 0 and 3 want no orc.
TEST_F(Missions, EachMissionHasItsVictoryAndOtherNumbersNeverWin) {
  Add(ORC, OFARM, 1, 1);
  Add(ORC, OGUER, 7, 7);
  cSprite* worker = Add(ORC, OPAYS, 5, 5);
  EXPECT_FALSE(Wins(2));
  RemovecSprite(worker);
  EXPECT_TRUE(Wins(2));
  EXPECT_EQ(zone.Get_Child(), box_message);
  EXPECT_EQ(box_message->Message(), "VICTORY");
  EXPECT_EQ(std::tuple(Wins(0), Wins(3), Wins(1)), std::tuple(false, false, false));
  ConquetesFeu = 1;
  EXPECT_TRUE(Wins(1));
  PurgeSprites();
  ResetSpriteCounts();
  EXPECT_EQ(std::tuple(Wins(0), Wins(3), Wins(-1), Wins(4)), std::tuple(true, true, false, false));
}

}  // namespace
