// The real program, headless, driven by scripts: the intro, the menu, the
// confirmation and input boxes, quitting, closing, bad scripts and pictures.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <sstream>

#include "frame/ddraw_text.h"
#include "platform/dinput.h"
#include "support/run_game.h"

namespace {

constexpr char kQuitQuestion[] = "DO YOU REALLY WANT TO QUIT THE GAME ?";

// Builds a script frame by frame.
class Script {
 public:
  Script& At(long frame) {
    frame_ = frame;
    return *this;
  }
  Script& Line(const std::string& command) {
    text_ << "at " << frame_ << " " << command << "\n";
    return *this;
  }
  // Moves to (x, y), presses and releases the left button, then waits long
  // enough for the next press not to be a double click.
  Script& Click(int x, int y) {
    Line("mouse " + std::to_string(x) + " " + std::to_string(y));
    At(frame_ + 2).Line("left down");
    return At(frame_ + 1).Line("left up").At(frame_ + 15);
  }
  // Presses each key long enough for a keyboard scan to see it.
  Script& Keys(std::initializer_list<int> keys) {
    for (int key : keys) {
      Line("key " + std::to_string(key) + " down");
      At(frame_ + 5).Line("key " + std::to_string(key) + " up");
      At(frame_ + 2);
    }
    return *this;
  }
  Script& Shot(const std::string& name) { return Line("shot " + name).At(frame_ + 1); }
  long frame() const { return frame_; }
  std::string str() const { return text_.str(); }

 private:
  long frame_ = 0;
  std::ostringstream text_;
};

struct Box {
  int x;
  int width;
  int OkCentre() const { return x + width / 4; }
  int CancelCentre() const { return x + 3 * width / 4; }
  static constexpr int kButtonRow = 190 + 80;
};

Box BoxFor(const char* text) {
  InitFont();
  const int width = std::max(LargeurTexte(text), 110) + 100;
  return {320 - width / 2, width};
}

constexpr std::uint32_t kRed = 0xFF0000;

// Whether the line was drawn at (x, y) in the font, glyph after glyph.
::testing::AssertionResult ShowsText(const platform::Image& shot, const std::string& text, int x,
                                     int y) {
  InitFont();
  for (char c : text) {
    const auto code = static_cast<unsigned char>(c);
    ::testing::AssertionResult shown = test::ShowsPicture(
        shot, "font1.bmp", (code % 40) * 16 + 1, char_row[code], char_width[code], 15, x, y);
    if (!shown) return shown << " in the glyph '" << c << "'";
    x += char_width[code];
  }
  return ::testing::AssertionSuccess();
}

// Whether the cursor's picture is drawn at (x, y) wherever it is not transparent.
::testing::AssertionResult ShowsCursor(const platform::Image& shot, int x, int y) {
  return test::ShowsPicture(shot, "cursor001.bmp", 0, 0, 12, 15, x, y, /*keyed=*/true);
}

TEST(MenuEndToEnd, IntroMenuBoxesNameAndQuit) {
  test::GameTree game;
  const Box quit = BoxFor(kQuitQuestion);
  const Box name = BoxFor("YOUR NAME");
  Script s;
  s.At(0).Shot("intro").At(3).Shot("menu");
  s.Click(420, 410).At(s.frame() + 2).Shot("confirm");
  s.Click(quit.CancelCentre(), Box::kButtonRow).Shot("cancelled");
  s.Click(420, 310).Keys({DIK_A, DIK_B}).At(s.frame() + 2).Shot("typed");
  s.Keys({DIK_RETURN}).At(s.frame() + 2).Shot("named");
  s.Click(420, 410).Click(quit.OkCentre(), Box::kButtonRow);

  const test::GameRun run = game.RunScript(s.str());
  ASSERT_EQ(run.exit_code, 0) << run.output;

  const auto intro = game.Shot("intro"), menu = game.Shot("menu"), confirm = game.Shot("confirm");
  const auto cancelled = game.Shot("cancelled"), typed = game.Shot("typed");
  const auto named = game.Shot("named");
  ASSERT_TRUE(intro && menu && confirm && cancelled && typed && named);
  EXPECT_EQ(intro->pixels, test::DisplayedPicture("intro.bmp")->pixels);

  // The menu: the QUIT button's frame and label, and the cursor where it starts.
  EXPECT_EQ(menu->at(380, 400), kRed);
  EXPECT_EQ(menu->at(460, 420), kRed);
  EXPECT_TRUE(ShowsText(*menu, "QUIT", 380 + 40 - LargeurTexte("QUIT") / 2, 403));
  EXPECT_TRUE(ShowsCursor(*menu, 320, 200));

  // The confirmation over the menu: black, its question, its buttons.
  EXPECT_TRUE(ShowsText(*confirm, kQuitQuestion, 320 - LargeurTexte(kQuitQuestion) / 2, 210));
  EXPECT_EQ(confirm->at(quit.x + 5, 195), 0U);
  EXPECT_EQ(confirm->at(quit.x + quit.width / 4 - 45, 260), kRed);
  EXPECT_TRUE(ShowsCursor(*confirm, 420, 410));
  EXPECT_EQ(cancelled->at(quit.x + 5, 195), menu->at(quit.x + 5, 195));

  // The input box with the typed line, then the name shown by the menu.
  EXPECT_TRUE(ShowsText(*typed, "YOUR NAME", 320 - LargeurTexte("YOUR NAME") / 2, 210));
  EXPECT_TRUE(ShowsText(*typed, "AB", name.x + 10, 190 + 35));
  EXPECT_TRUE(ShowsText(*named, "NAME : AB", 320, 340));
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
