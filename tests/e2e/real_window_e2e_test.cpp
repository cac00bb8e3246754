// The real program in its window, under a virtual X display of its own, with
// real X pointer and key events.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>

#include "platform/bitmap_file.h"
#include "platform/png_file.h"
#include "support/e2e.h"
#include "support/files.h"
#include "support/run_game.h"

namespace {

// A display on the first free number, which the server writes once it is
// ready; 77 when none can be started. The window's libraries keep memory
// until exit, which is not ours to free.
constexpr char kVirtualDisplay[] = R"sh(
command -v Xvfb > /dev/null || exit 77
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>../display 2>/dev/null & server=$!
trap 'kill $server' EXIT
for i in $(seq 100); do [ -s ../display ] && break; sleep 0.1; done
[ -s ../display ] || exit 77
export DISPLAY=:$(cat ../display) ASAN_OPTIONS=detect_leaks=0
)sh";

// Runs the shell steps from bin/ under a virtual display; their exit code.
int RunUnderDisplay(const test::GameTree& game, const std::string& steps) {
  std::ofstream(game.root() / "steps.sh") << kVirtualDisplay << steps;
  const std::string command = "cd '" + game.root().string() + "/bin' && bash ../steps.sh";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Focus the window, PrintScreen, move the pointer 40 pixels right,
// PrintScreen, then end the program as the system does at logout; each
// screenshot is awaited before the next step.
constexpr char kPointerAndScreenshots[] = R"sh(
shots() { for i in $(seq 400); do [ $(ls ../shots | wc -l) -ge $1 ] && return; sleep 0.05; done; }
./quorvelnn --window --screenshot-dir ../shots --max-frames 5000 > ../run.log 2>&1 & game=$!
timeout 60 xdotool search --sync --onlyvisible --name '^Quorvelnnnnnn$' windowfocus --sync
xdotool key Print && shots 1 && xdotool mousemove_relative 40 0 && xdotool key Print && shots 2
kill -TERM $game
wait $game
)sh";

TEST(RealWindow, TheCursorKeepsPaceWithThePointerAndPrintScreenSavesTheFrame) {
  test::GameTree game;
  const int code = RunUnderDisplay(game, kPointerAndScreenshots);
  if (code == 77) GTEST_SKIP() << "no X server can be started here";
  EXPECT_EQ(code, 0) << test::ReadBytes(game.root() / "run.log");
  std::vector<std::filesystem::path> paths;  // their names sort them by time
  for (const auto& entry : std::filesystem::directory_iterator(game.root() / "shots")) {
    paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  ASSERT_EQ(paths.size(), 2U) << test::ReadBytes(game.root() / "run.log");
  // The menu, unscaled, with the cursor 20 of its pixels on: 40 at scale 2.
  for (int i = 0; i < 2; ++i) {
    const std::optional<platform::Image> shot = platform::LoadPngFile(paths[i].string());
    ASSERT_TRUE(shot && shot->width == 640 && shot->height == 480) << paths[i];
    EXPECT_EQ(shot->at(380, 400), 0xFF0000U) << paths[i];  // the QUIT button's frame
    EXPECT_TRUE(test::ShowsPicture(*shot, "cursor001.bmp", 0, 0, 12, 15, 320 + 20 * i, 200, true));
  }
}

// A session in the window, recorded: a campaign started, the game saved
// under a typed name, the quit confirmed; the pointer moved by xdotool in
// desktop pixels, two per pixel of the game's at the window's scale of 2.
// PrintScreen at three points, each awaited.
constexpr char kRecordedSession[] = R"sh(
click() { xdotool mousemove_relative -- $1 $2; sleep 0.3; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.5; }
key() { xdotool keydown $1; sleep 0.15; xdotool keyup $1; sleep 0.15; }
shot() { n=$(ls ../shots | wc -l); xdotool key Print; for i in $(seq 200); do [ $(ls ../shots | wc -l) -gt $n ] && return; sleep 0.05; done; }
./quorvelnn --window --record ../recording.txt --screenshot-dir ../shots --max-frames 20000 > ../run.log 2>&1 & game=$!
timeout 60 xdotool search --sync --onlyvisible --name '^Quorvelnnnnnn$' windowfocus --sync
sleep 0.5
click 200 20; click 260 440; sleep 1; shot          # NEW CAMPAIGN, PLAY: the game
click 126 -738; click -386 578; click 280 -480      # MENU, SAVE, slot 0
key a; key b; key Return; shot; key Escape
click -280 600; shot                                # QUIT
click $OK_X $OK_Y
wait $game
)sh";

TEST(RealWindow, ASessionRecordedInTheWindowReplaysExactly) {
  test::GameTree played, replayed;
  const int ok_x = test::BoxFor("DO YOU REALLY WANT TO QUIT THE GAME ?").OkCentre();
  const std::string moves = "OK_X=" + std::to_string(2 * (ok_x - 420)) +
                            " OK_Y=" + std::to_string(2 * (test::Box::kButtonRow - 410)) + "\n";
  const int code = RunUnderDisplay(played, moves + kRecordedSession);
  if (code == 77) GTEST_SKIP() << "no X server can be started here";
  ASSERT_EQ(code, 0) << test::ReadBytes(played.root() / "run.log");

  std::filesystem::copy_file(played.root() / "recording.txt", replayed.root() / "recording.txt");
  const test::GameRun replay =
      replayed.Run("--headless --script ../recording.txt --screenshot-dir ../shots");
  ASSERT_EQ(replay.exit_code, 0) << replay.output;
  EXPECT_EQ(replay.output.find("left its recording"), std::string::npos) << replay.output;

  const std::string slot = test::ReadBytes(played.root() / "common_bin" / "slot0.bin");
  EXPECT_FALSE(slot.empty());
  EXPECT_TRUE(test::ReadBytes(replayed.root() / "common_bin" / "slot0.bin") == slot);
  // The replay writes each PrintScreen's frame under its name, as a BMP.
  int shots = 0;
  for (const auto& entry : std::filesystem::directory_iterator(played.root() / "shots")) {
    const auto png = platform::LoadPngFile(entry.path().string());
    const auto bmp = platform::LoadBitmapFile(
        (replayed.root() / "shots" / entry.path().stem()).string() + ".bmp");
    ASSERT_TRUE(png && bmp) << entry.path();
    EXPECT_TRUE(bmp->pixels == png->pixels) << entry.path();
    ++shots;
  }
  EXPECT_EQ(shots, 3);
}

}  // namespace
