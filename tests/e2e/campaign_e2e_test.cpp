// The campaign in the real program, through its menu: a new campaign, the
// briefing, the game, back to the menu, a game saved under a typed name;
// then a second start that loads it and plays on.
#include <gtest/gtest.h>

#include "platform/dinput.h"
#include "support/e2e.h"
#include "support/run_game.h"

namespace {

using test::Box;
using test::BriefingShows;
using test::Script;
using test::ShowsButton;
using test::ShowsCentredText;
using test::ShowsText;

// The second slot's button and name on the slot screens.
constexpr int kSlot2Button[] = {560, 170};
constexpr int kSlot2Name[] = {340, 160};

// Whether the human hall of mission 1, at cell (4, 4), is drawn in the view
// from the map's top-left corner.
::testing::AssertionResult ShowsTheHall(const platform::Image& shot) {
  return test::ShowsPicture(shot, "batis_humains.bmp", 2 * 129 + 1, 1, 128, 128, 128, 128);
}

TEST(CampaignEndToEnd, NewCampaignBriefingGameSaveQuitThenLoadAndPlayOn) {
  test::GameTree game;
  const Box name_box = test::BoxFor("NAME OF THE FILE");
  Script first;
  first.At(3).Click(420, 210).At(first.frame() + 40).Shot("briefing");  // NEW CAMPAIGN
  first.Click(550, 430).Shot("game");                                   // PLAY
  first.Click(612, 60).Click(420, 350).Shot("save_screen");             // MENU, SAVE
  first.Click(kSlot2Button[0], kSlot2Button[1]);
  first.Keys({DIK_V, DIK_A, DIK_L, DIK_E, DIK_SPACE, DIK_1}).Shot("typed");
  first.Keys({DIK_RETURN}).At(first.frame() + 2).Shot("saved");
  first.Click(540, 460).Click(420, 410);  // BACK, QUIT
  first.Click(test::BoxFor("DO YOU REALLY WANT TO QUIT THE GAME ?").OkCentre(), Box::kButtonRow);
  const test::GameRun run = game.RunScript(first.str());
  ASSERT_EQ(run.exit_code, 0) << run.output;

  const auto briefing = game.Shot("briefing"), in_game = game.Shot("game");
  const auto save_screen = game.Shot("save_screen"), typed = game.Shot("typed");
  const auto saved = game.Shot("saved");
  ASSERT_TRUE(briefing && in_game && save_screen && typed && saved);
  EXPECT_TRUE(BriefingShows(*briefing, "MISSION ONE: THE VALE OF THREE SHRINES"));
  EXPECT_TRUE(ShowsButton(*briefing, "PLAY", 500, 420, 100));
  EXPECT_TRUE(ShowsTheHall(*in_game));
  EXPECT_TRUE(ShowsButton(*save_screen, "SAVE", 520, 160, 80));
  for (int slot = 0; slot < 10; ++slot) {
    EXPECT_TRUE(ShowsText(*save_screen, "EMPTY", 340, 100 + 30 * slot)) << slot;
  }
  EXPECT_TRUE(ShowsCentredText(*typed, "NAME OF THE FILE", 320, 210));
  EXPECT_TRUE(ShowsText(*typed, "VALE 1", name_box.x + 10, 225));
  EXPECT_TRUE(ShowsText(*saved, "VALE 1", kSlot2Name[0], kSlot2Name[1]));

  Script second;
  second.At(3).Click(420, 310).Shot("load_screen");  // LOAD
  second.Click(kSlot2Button[0], kSlot2Button[1]);
  second.Click(420, 260).At(second.frame() + 30).Shot("playing").Line("close");  // PLAY
  const test::GameRun again = game.RunScript(second.str());
  ASSERT_EQ(again.exit_code, 0) << again.output;

  const auto load_screen = game.Shot("load_screen"), playing = game.Shot("playing");
  ASSERT_TRUE(load_screen && playing);
  EXPECT_TRUE(ShowsText(*load_screen, "VALE 1", kSlot2Name[0], kSlot2Name[1]));
  EXPECT_TRUE(ShowsButton(*load_screen, "LOAD", 520, 160, 80));
  EXPECT_TRUE(ShowsTheHall(*playing));
  EXPECT_NE(game.Log("Fake_read.txt").find("VALE 1\n"), std::string::npos);
}

}  // namespace
