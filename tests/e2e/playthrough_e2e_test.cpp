// The whole campaign played with the mouse in the real program, on the
// virtual clock: the first mission won by clearing the west pass for the
// monk, the second by breaking the orc fortress, then the closing text.
#include <gtest/gtest.h>

#include "support/e2e.h"
#include "support/run_game.h"

namespace {

using test::Script;

// The frame's text at the top of the briefing window, where it rises from.
bool BriefingShows(const platform::Image& shot, const std::string& line) {
  for (int y = 10; y + 15 <= 410; ++y) {
    if (test::ShowsText(shot, line, 10, y)) return true;
  }
  return false;
}

// Mission 1, the view at the map's corner: four soldiers banded and sent
// against the guards of the west pass, then the monk into the temple of air
// beyond it.
void PlayMission1(Script& s) {
  s.Band(380, 380, 446, 446).Scroll(0, 1, 48);   // view at (0, 480)
  s.Click(432, 304).Wait(800);                   // the guard at (13, 24)
  s.Scroll(0, -1, 48).Click(336, 272);           // the monk at (10, 8)
  s.Scroll(0, 1, 48).Click(240, 455).Wait(520);  // the temple at (6, 29)
}

// Mission 2, the view on the human camp. The release of the briefing's PLAY
// reaches the game screen, whose band selection takes the last band again
// (mission 1's, over a farm here): the right button clears it first. The
// company is banded and sent against the tower at the gate, which draws the
// garrison out; then against the hall, the rebuilt tower and the rebuilt
// barrack, its aggressive soldiers killing the retrained soldiers and the
// peons on their way. Two farms are left.
void PlayMission2(Script& s) {
  s.RightClick().Band(410, 250, 514, 390).Scroll(1, 0, 110);  // view at (1100, 640)
  s.Click(260, 336).Wait(2000);                               // the tower at (42, 30)
  s.Scroll(1, 0, 20).Click(420, 320).Wait(300);               // the hall at (52, 28)
  s.Click(60, 336).Wait(600).Click(188, 48).Wait(600);        // the tower, the barrack
}

TEST(PlaythroughEndToEnd, TheCampaignIsWonWithTheMouse) {
  test::GameTree game;
  const int victory_ok = test::BoxFor("VICTORY").LoneOkCentre();
  Script s;
  s.At(3).Click(420, 210).Click(550, 430);  // NEW CAMPAIGN, then PLAY under the briefing
  PlayMission1(s);
  s.Shot("victory1").Click(victory_ok, test::Box::kButtonRow).Wait(100).Shot("briefing2");
  s.Click(550, 430);
  PlayMission2(s);
  s.Shot("victory2").Click(victory_ok, test::Box::kButtonRow).Wait(100).Shot("closing");
  s.Click(550, 430).Shot("menu").Line("close");
  const test::GameRun run = game.RunScript(s.str(), s.frame() + 10, "--frame-ms 50");
  ASSERT_EQ(run.exit_code, 0) << run.output;

  const auto victory1 = game.Shot("victory1"), briefing2 = game.Shot("briefing2");
  const auto victory2 = game.Shot("victory2"), closing = game.Shot("closing");
  const auto menu = game.Shot("menu");
  ASSERT_TRUE(victory1 && briefing2 && victory2 && closing && menu);
  EXPECT_TRUE(test::ShowsCentredText(*victory1, "VICTORY", 320, 210));
  EXPECT_TRUE(BriefingShows(*briefing2, "MISSION TWO: THE FALL OF GRAUK-HOLD"));
  EXPECT_TRUE(test::ShowsCentredText(*victory2, "VICTORY", 320, 210));
  EXPECT_TRUE(BriefingShows(*closing, "THE MARCH IS SAFE"));
  EXPECT_EQ(menu->at(320, 250), test::kRed);  // PLAY stays after the closing text
}

}  // namespace
