// A short soak: the random player over 20000 frames of the sanitizer build,
// reaching every screen, with no sanitizer report, no leak and a normal end.
#include <gtest/gtest.h>

#include "soak/random_player.h"
#include "support/files.h"
#include "support/run_game.h"

namespace {

constexpr long kFrames = 20000;
constexpr std::uint32_t kSeed = 1;

TEST(Soak, TheRandomPlayerReachesEveryScreenAndTheGameEndsCleanly) {
  test::GameTree game;
  const test::GameRun run =
      game.RunScript(soak::RandomPlayerScript(kFrames, kSeed), kFrames + 100,
                     "--frame-ms " + std::to_string(soak::kFrameMs) + " --screens ../screens.txt");
  EXPECT_EQ(run.exit_code, 0) << run.output;
  for (const char* report : {"AddressSanitizer", "LeakSanitizer", "runtime error"}) {
    EXPECT_EQ(run.output.find(report), std::string::npos) << run.output;
  }
  const std::string screens = "\n" + test::ReadBytes(game.root() / "screens.txt");
  for (const char* screen :
       {"main menu", "briefing", "game", "game with a panel", "save screen", "load screen",
        "name box", "quit box", "information box", "victory box"}) {
    EXPECT_NE(screens.find(std::string("\n") + screen + ": "), std::string::npos)
        << screen << " never shown:\n"
        << screens;
  }
}

}  // namespace
