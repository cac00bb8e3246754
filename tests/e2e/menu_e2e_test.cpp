// The real program, headless, driven by scripts: the intro, the menu, the
// confirmation and information boxes, quitting, closing, bad scripts and
// pictures.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "frame/ddraw_text.h"
#include "platform/dinput.h"
#include "support/e2e.h"
#include "support/run_game.h"

namespace {

using test::Box;
using test::BoxFor;
using test::kRed;
using test::Script;
using test::ShowsCentredText;
using test::ShowsCursor;
using test::ShowsText;

constexpr char kQuitQuestion[] = "DO YOU REALLY WANT TO QUIT THE GAME ?";

TEST(MenuEndToEnd, IntroMenuBoxesAndQuit) {
  test::GameTree game;
  const Box quit = BoxFor(kQuitQuestion);
  const Box info = BoxFor("NO GAME TO SAVE");
  Script s;
  s.At(0).Shot("intro").At(3).Shot("menu");
  s.Click(420, 410).At(s.frame() + 2).Shot("confirm");
  s.Click(quit.CancelCentre(), Box::kButtonRow).Shot("cancelled");
  s.Click(420, 350).At(s.frame() + 2).Shot("no_game");
  s.Click(info.LoneOkCentre(), Box::kButtonRow);
  s.Click(420, 410).Click(quit.OkCentre(), Box::kButtonRow);

  const test::GameRun run = game.RunScript(s.str());
  ASSERT_EQ(run.exit_code, 0) << run.output;

  const auto intro = game.Shot("intro"), menu = game.Shot("menu"), confirm = game.Shot("confirm");
  const auto cancelled = game.Shot("cancelled"), no_game = game.Shot("no_game");
  ASSERT_TRUE(intro && menu && confirm && cancelled && no_game);
  EXPECT_EQ(intro->pixels, test::DisplayedPicture("intro.bmp")->pixels);

  // The menu: its four buttons, framed and labelled, no PLAY before a game,
  // and the cursor where it starts.
  const struct {
    const char* label;
    int x, y, width;
  } kButtons[] = {{"NEW CAMPAIGN", 320, 200, 200},
                  {"LOAD", 380, 300, 80},
                  {"SAVE", 380, 340, 80},
                  {"QUIT", 380, 400, 80}};
  for (const auto& b : kButtons) {
    EXPECT_EQ(menu->at(b.x, b.y), kRed) << b.label;
    EXPECT_EQ(menu->at(b.x + b.width, b.y + 20), kRed) << b.label;
    EXPECT_TRUE(ShowsCentredText(*menu, b.label, b.x + b.width / 2, b.y + 3));
  }
  EXPECT_TRUE(test::ShowsPicture(*menu, "menu.bmp", 320, 250, 201, 21, 320, 250));
  EXPECT_TRUE(ShowsCursor(*menu, 320, 200));

  // The confirmation over the menu: black, its question, its buttons.
  EXPECT_TRUE(ShowsCentredText(*confirm, kQuitQuestion, 320, 210));
  EXPECT_EQ(confirm->at(quit.x + 5, 195), 0U);
  EXPECT_EQ(confirm->at(quit.x + quit.width / 4 - 45, 260), kRed);
  EXPECT_TRUE(ShowsCursor(*confirm, 420, 410));
  EXPECT_EQ(cancelled->at(quit.x + 5, 195), menu->at(quit.x + 5, 195));

  // SAVE without a game.
  EXPECT_TRUE(ShowsCentredText(*no_game, "NO GAME TO SAVE", 320, 210));
}

TEST(MenuEndToEnd, ClosingTheWindowDuringABoxEndsCleanly) {
  test::GameTree game;
  Script s;
  s.At(2).Click(420, 410).At(s.frame() + 3).Line("close").At(s.frame() + 1).Shot("never");
  const test::GameRun run = game.RunScript(s.str());
  EXPECT_EQ(run.exit_code, 4) << run.output;  // the shot after the close is never taken
  EXPECT_NE(run.output.find("shot never"), std::string::npos);
  // Nothing was drawn once the display was released.
  const std::string errors = game.Log("directX_errors.txt");
  EXPECT_EQ(errors.find("Display"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("Afficher_Souris"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("AfficherTexte"), std::string::npos) << errors;
}

TEST(MenuEndToEnd, EscapeRestartsTheMenuAndTheCloseButtonQuits) {
  test::GameTree game;
  Script s;
  s.At(2).Keys({DIK_ESCAPE}).At(s.frame() + 2).Shot("again").Line("close");
  const test::GameRun run = game.RunScript(s.str());
  EXPECT_EQ(run.exit_code, 0) << run.output;
  EXPECT_TRUE(game.Shot("again"));
  EXPECT_NE(game.Log("Zone_Interactive.txt").find("Touche escape reconnue"), std::string::npos);
}

TEST(MenuEndToEnd, WithoutPicturesTheProgramStillRunsAndQuits) {
  test::GameTree game(/*with_pictures=*/false);
  const Box quit = BoxFor(kQuitQuestion);
  Script s;
  s.At(2).Click(420, 410).Click(quit.OkCentre(), Box::kButtonRow);
  const test::GameRun run = game.RunScript(s.str());
  EXPECT_EQ(run.exit_code, 0) << run.output;
  EXPECT_NE(
      game.Log("Fatal_Errors.txt").find(" impossible to find the file ../graphics/intro.bmp "),
      std::string::npos);
}

TEST(MenuEndToEnd, AProgramThatDoesNotQuitStopsAtTheFrameLimit) {
  test::GameTree game;
  EXPECT_EQ(game.RunScript("", 30).exit_code, 3);
}

TEST(CommandLine, MalformedScriptsAndArgumentsAreRefusedBeforeStart) {
  test::GameTree game;
  const test::GameRun bad_script = game.RunScript("at 1 left down\nat 2 jump\n");
  EXPECT_EQ(bad_script.exit_code, 2);
  EXPECT_NE(bad_script.output.find("line 2"), std::string::npos) << bad_script.output;
  EXPECT_EQ(game.Run("--headless --script /nonexistent/script").exit_code, 2);
  EXPECT_EQ(game.Run("--frobnicate").exit_code, 2);
  EXPECT_EQ(game.Run("--mouse-speed 4.5").exit_code, 2);
  EXPECT_FALSE(std::filesystem::exists(game.root() / "bin" / "output" / "Fatal_Errors.txt"));
}

}  // namespace
