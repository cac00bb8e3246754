// The campaign in the real program, through its menu: a new campaign, the
// briefing, the game, back to the menu, a game saved under a typed name;
// then a second start that loads it and plays on.
#include <gtest/gtest.h>

#include "platform/dinput.h"
#include "support/e2e.h"
#include "support/run_game.h"

namespace {

using test::Box;
using test::kRed;
using test::Script;
using test::ShowsCentredText;
using test::ShowsText;

// Buttons of the menu and of the slot screens, at their centres.
constexpr int kNewCampaign[] = {420, 210};
constexpr int kPlay[] = {420, 260};
constexpr int kLoad[] = {420, 310};
constexpr int kSave[] = {420, 350};
constexpr int kQuit[] = {420, 410};
constexpr int kBriefingPlay[] = {550, 430};
constexpr int kGameMenu[] = {612, 60};
constexpr int kSlotBack[] = {540, 460};
constexpr int kSlot2Button[] = {560, 170};
constexpr int kSlot2Name[] = {340, 160};

// The row of the briefing's window where the line starts, or -1: the text
// rises a pixel at a time, so its place depends on the passes drawn.
int RowOfLine(const platform::Image& shot, const std::string& line) {
  for (int y = 10; y + 15 <= 410; ++y) {
    if (ShowsText(shot, line, 10, y)) return y;
  }
  return -1;
}

// Whether the human hall of mission 1, at cell (4, 4), is drawn in the view
// from the map's top-left corner.
::testing::AssertionResult ShowsTheHall(const platform::Image& shot) {
  return test::ShowsPicture(shot, "batis_humains.bmp", 2 * 129 + 1, 1, 128, 128, 128, 128);
}

// Whether a text button's frame and label are drawn.
::testing::AssertionResult ShowsButton(const platform::Image& shot, const std::string& label, int x,
                                       int y, int width) {
  if (shot.at(x, y) != kRed || shot.at(x + width, y + 20) != kRed) {
    return ::testing::AssertionFailure() << "no frame for " << label;
  }
  return ShowsCentredText(shot, label, x + width / 2, y + 3);
}

TEST(CampaignEndToEnd, NewCampaignBriefingGameSaveQuitThenLoadAndPlayOn) {
  test::GameTree game;
  const Box name_box = test::BoxFor("NAME OF THE FILE");
  Script first;
  first.At(3).Click(kNewCampaign[0], kNewCampaign[1]).At(first.frame() + 40).Shot("briefing");
  first.Click(kBriefingPlay[0], kBriefingPlay[1]).Shot("game");
  first.Click(kGameMenu[0], kGameMenu[1]).Shot("menu");
  first.Click(kSave[0], kSave[1]).Shot("save_screen");
  first.Click(kSlot2Button[0], kSlot2Button[1]);
  first.Keys({DIK_V, DIK_A, DIK_L, DIK_E, DIK_SPACE, DIK_1}).Shot("typed");
  first.Keys({DIK_RETURN}).At(first.frame() + 2).Shot("saved");
  first.Click(kSlotBack[0], kSlotBack[1]).Click(kQuit[0], kQuit[1]);
  first.Click(test::BoxFor("DO YOU REALLY WANT TO QUIT THE GAME ?").OkCentre(), Box::kButtonRow);
  const test::GameRun run = game.RunScript(first.str());
  ASSERT_EQ(run.exit_code, 0) << run.output;

  const auto briefing = game.Shot("briefing"), in_game = game.Shot("game");
  const auto menu = game.Shot("menu"), save_screen = game.Shot("save_screen");
  const auto typed = game.Shot("typed"), saved = game.Shot("saved");
  ASSERT_TRUE(briefing && in_game && menu && save_screen && typed && saved);
  EXPECT_GT(RowOfLine(*briefing, "MISSION ONE: THE VALE OF THREE SHRINES"), 10);
  EXPECT_TRUE(ShowsButton(*briefing, "PLAY", 500, 420, 100));
  EXPECT_TRUE(ShowsTheHall(*in_game));
  EXPECT_TRUE(ShowsText(*in_game, "MONEY : ", 2, 463));
  EXPECT_TRUE(ShowsButton(*menu, "PLAY", 320, 250, 200));
  EXPECT_TRUE(ShowsButton(*save_screen, "SAVE", 520, 160, 80));
  EXPECT_TRUE(ShowsButton(*save_screen, "BACK", 500, 450, 80));
  for (int slot = 0; slot < 10; ++slot) {
    EXPECT_TRUE(ShowsText(*save_screen, "EMPTY", 340, 100 + 30 * slot)) << slot;
  }
  EXPECT_TRUE(ShowsCentredText(*typed, "NAME OF THE FILE", 320, 210));
  EXPECT_TRUE(ShowsText(*typed, "VALE 1", name_box.x + 10, 225));
  EXPECT_TRUE(ShowsText(*saved, "VALE 1", kSlot2Name[0], kSlot2Name[1]));
  EXPECT_TRUE(ShowsText(*saved, "EMPTY", kSlot2Name[0], kSlot2Name[1] + 30));

  Script second;
  second.At(3).Shot("start");
  second.Click(kLoad[0], kLoad[1]).Shot("load_screen");
  second.Click(kSlot2Button[0], kSlot2Button[1]).Shot("loaded");
  second.Click(kPlay[0], kPlay[1]).At(second.frame() + 30).Shot("playing").Line("close");
  const test::GameRun again = game.RunScript(second.str());
  ASSERT_EQ(again.exit_code, 0) << again.output;

  const auto start = game.Shot("start"), load_screen = game.Shot("load_screen");
  const auto loaded = game.Shot("loaded"), playing = game.Shot("playing");
  ASSERT_TRUE(start && load_screen && loaded && playing);
  EXPECT_FALSE(ShowsButton(*start, "PLAY", 320, 250, 200));
  EXPECT_TRUE(ShowsText(*load_screen, "VALE 1", kSlot2Name[0], kSlot2Name[1]));
  EXPECT_TRUE(ShowsButton(*load_screen, "LOAD", 520, 160, 80));
  EXPECT_TRUE(ShowsButton(*loaded, "PLAY", 320, 250, 200));
  EXPECT_TRUE(ShowsTheHall(*playing));
  EXPECT_NE(game.Log("Fake_read.txt").find("VALE 1\n"), std::string::npos);
}

}  // namespace
