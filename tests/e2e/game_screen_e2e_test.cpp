// The game screen in the real program, on the test map opened by --map: its
// terrain, a building, the minimap and a selection rectangle, pixel by
// pixel, then the menu with PLAY.
#include <gtest/gtest.h>

#include "support/run_game.h"

namespace {

constexpr std::uint32_t kRed = 0xFF0000;

TEST(GameScreenEndToEnd, TheTestMapIsDrawnWithItsMinimapAndABandSelects) {
  test::GameTree game;
  const std::string script =
      "at 12 shot map\n"
      "at 30 mouse 170 200\n"  // from open grass, a band around soldiers and archers
      "at 32 left down\n"
      "at 34 mouse 340 300\n"
      "at 40 shot band\n"
      "at 41 left up\n"
      "at 45 shot selected\n"
      "at 46 mouse 612 60\n"  // the panel's menu button
      "at 48 left down\n"
      "at 49 left up\n"
      "at 55 shot menu\n"
      "at 56 close\n";
  const test::GameRun run = game.RunScript(script, 2000, "--map ../missions/test.bin");
  ASSERT_EQ(run.exit_code, 0) << run.output;
  const auto map = game.Shot("map"), band = game.Shot("band"), selected = game.Shot("selected");
  const auto menu = game.Shot("menu");
  ASSERT_TRUE(map && band && selected && menu);

  // Grass at cell (0, 0): the first tile of the terrain sheet.
  EXPECT_TRUE(test::ShowsPicture(*map, "unit.bmp", 1, 1, 32, 32, 0, 0));
  // The human hall at cell (2, 2): its 128-pixel picture, third on the grid.
  EXPECT_TRUE(test::ShowsPicture(*map, "batis_humains.bmp", 2 * 129 + 1, 1, 120, 128, 64, 64));
  // The minimap: the view's frame from its top-left corner, the hall in the
  // human colour (the map is shrunk to half in the panel).
  const auto mini = test::DisplayedPicture("mini.bmp");
  ASSERT_TRUE(mini);
  EXPECT_EQ(map->at(525, 5), kRed);
  EXPECT_EQ(map->at(525 + 8, 5 + 7), kRed);
  EXPECT_EQ(map->at(525 + 2, 5 + 2), mini->at(3, 0));
  EXPECT_EQ(map->at(525 + 15, 5 + 10), mini->at(0, 0));  // cell (30, 20), unexplored

  // The rectangle while dragging, then the selected units' pictures in the panel.
  EXPECT_EQ(band->at(170, 200), kRed);
  EXPECT_EQ(band->at(340, 300), kRed);
  EXPECT_NE(selected->at(170, 200), kRed);
  // Column by column: the worker at (6, 6) takes slot 0, the soldier at
  // (8, 7) slot 1, each drawn in its panel cell.
  EXPECT_TRUE(test::ShowsPicture(*map, "edit_game.bmp", 528, 246, 48, 40, 528, 246));
  EXPECT_TRUE(test::ShowsPicture(*selected, "icones.bmp", 0, 39, 48, 40, 528, 246));
  EXPECT_TRUE(test::ShowsPicture(*selected, "icones.bmp", 0, 78, 48, 40, 580, 246));

  // A map played by --map counts as a game: the menu offers PLAY.
  EXPECT_EQ(menu->at(320, 250), kRed);
}

}  // namespace
