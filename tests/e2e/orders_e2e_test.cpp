// Playing the test map with the mouse in the real program: a farm placed and
// raised, a worker trained, soldiers sent against an orc, a worker sent to
// the mine, a monk sent into a temple.
#include <gtest/gtest.h>

#include <map>

#include "frame/ddraw_text.h"
#include "support/run_game.h"

namespace {

using Shots = std::map<std::string, platform::Image>;

// Frames last 50 ms: presses come 8 frames apart, so that no two make a
// double click.
std::string Click(int frame, int x, int y) {
  const std::string at = "at " + std::to_string(frame);
  return at + " mouse " + std::to_string(x) + " " + std::to_string(y) + "\n" + at +
         " left down\nat " + std::to_string(frame + 1) + " left up\n";
}

// Plays the test map (on screen from frame 1) and returns the shots taken
// ("at F shot NAME" in the commands), blank where one is missing.
Shots Play(const std::string& commands, std::initializer_list<const char*> names, int frames) {
  test::GameTree game;
  const std::string script = commands + "at " + std::to_string(frames) + " close\n";
  const test::GameRun run =
      game.RunScript(script, frames + 10, "--frame-ms 50 --map ../missions/test.bin");
  EXPECT_EQ(run.exit_code, 0) << run.output;
  Shots shots;
  for (const char* name : names) shots[name] = game.Shot(name).value_or(platform::Image(640, 480));
  return shots;
}

// The single selection's portrait (its icon without the border line) and
// hit points.
::testing::AssertionResult ShowsPanel(const platform::Image& shot, int column, int row,
                                      const char* hit_points, const char* full) {
  auto shown =
      test::ShowsPicture(shot, "icones.bmp", 47 * column + 1, 39 * row + 1, 46, 38, 530, 90);
  if (shown) shown = test::ShowsText(shot, hit_points, 585, 92);
  return shown ? test::ShowsText(shot, full, 585, 112) : shown;
}

::testing::AssertionResult ShowsMoney(const platform::Image& shot, const char* amount) {
  InitFont();
  return test::ShowsText(shot, amount, 2 + LargeurTexte("MONEY : "), 463);
}

// The worker at (6, 6) places a farm on (12, 6), raises it from inside and
// comes out on the first free cell around it, (11, 5).
TEST(OrdersEndToEnd, AWorkerPlacesAFarmRaisesItAndComesOut) {
  Shots shots = Play(Click(20, 208, 208) + "at 28 shot worker\n" + Click(40, 550, 264) +
                         "at 55 mouse 400 208\nat 58 shot placing\n" + Click(60, 400, 208) +
                         "at 70 shot founded\n" + Click(700, 400, 208) + "at 710 shot farm\n" +
                         Click(720, 368, 176) + "at 730 shot out\n",
                     {"worker", "placing", "founded", "farm", "out"}, 731);
  EXPECT_TRUE(ShowsPanel(shots["worker"], 0, 1, "1000", "1000"));
  // Build farm in the first cell, aggressive in the fifth.
  EXPECT_TRUE(test::ShowsPicture(shots["worker"], "icones.bmp", 0, 0, 48, 40, 528, 246));
  EXPECT_TRUE(test::ShowsPicture(shots["worker"], "icones.bmp", 141, 78, 48, 40, 528, 338));
  // The farm's top-left corner beside the cursor, on the cell under it.
  EXPECT_TRUE(test::ShowsPicture(shots["placing"], "batis_humains.bmp", 1, 1, 16, 16, 384, 192));
  EXPECT_TRUE(ShowsMoney(shots["founded"], "1800"));
  EXPECT_TRUE(ShowsPanel(shots["farm"], 0, 0, "100", "100"));
  EXPECT_TRUE(ShowsPanel(shots["out"], 0, 1, "1000", "1000"));
}

// The hall's worker comes out at (1, 1) and is paid then.
TEST(OrdersEndToEnd, TheHallTrainsAWorker) {
  Shots shots =
      Play(Click(20, 100, 100) + Click(40, 550, 264) + Click(200, 48, 48) + "at 210 shot trained\n",
           {"trained"}, 211);
  EXPECT_TRUE(ShowsPanel(shots["trained"], 0, 1, "1000", "1000"));
  EXPECT_TRUE(ShowsMoney(shots["trained"], "1900"));
}

// A band dragged from open ground over the two soldiers; the view scrolled
// right by 320 pixels to the lone orc at (22, 4), which they kill.
TEST(OrdersEndToEnd, ABandOfSoldiersKillsAnOrc) {
  Shots shots = Play(
      "at 20 mouse 330 202\nat 22 left down\nat 24 mouse 260 252\nat 26 left up\n"
      "at 40 mouse 636 150\n" +
          Click(72, 400, 144) + "at 80 mouse 100 300\nat 82 shot orc\n" + "at 700 shot dead\n",
      {"orc", "dead"}, 701);
  // The middle of the orc's cell.
  EXPECT_FALSE(test::ShowsPicture(shots["orc"], "unit.bmp", 11, 11, 12, 12, 394, 138));
  EXPECT_TRUE(test::ShowsPicture(shots["dead"], "unit.bmp", 11, 11, 12, 12, 394, 138));
}

TEST(OrdersEndToEnd, AWorkerSentToTheMineBringsGold) {
  Shots shots =
      Play(Click(20, 208, 208) + Click(40, 432, 112) + "at 600 shot gold\n", {"gold"}, 601);
  EXPECT_TRUE(ShowsMoney(shots["gold"], "2100"));
}

// The view scrolled by (200, 200) to the temple of air at (16, 17): once the
// monk has been inside, its middle shows the human side's picture.
TEST(OrdersEndToEnd, AMonkConquersATemple) {
  Shots shots = Play(Click(20, 208, 336) + "at 40 mouse 636 476\n" + Click(60, 360, 392) +
                         "at 70 mouse 100 100\nat 72 shot free\nat 400 shot conquered\n",
                     {"free", "conquered"}, 401);
  EXPECT_TRUE(test::ShowsPicture(shots["free"], "batis_neutres.bmp", 17, 17, 64, 64, 328, 360));
  EXPECT_TRUE(
      test::ShowsPicture(shots["conquered"], "batis_neutres.bmp", 146, 17, 64, 64, 328, 360));
}

}  // namespace
