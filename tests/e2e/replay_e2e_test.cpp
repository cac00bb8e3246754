// Replays: a session recorded with --record and replayed from its recording
// in a fresh runtime tree makes the same saved game and the same screenshots,
// byte for byte, and reads the clock exactly as the session did.
#include <gtest/gtest.h>

#include "platform/dinput.h"
#include "support/e2e.h"
#include "support/files.h"
#include "support/run_game.h"

namespace {

using test::Script;

// A campaign started, a band and orders on the map, the view scrolled, a save
// under a name typed with a key held until it repeats, the save loaded back,
// the game resumed and left running while pictures are taken.
std::string Session() {
  Script s;
  s.At(3).Click(420, 210).Click(550, 430).Shot("briefing_left");
  s.Band(380, 380, 446, 446).Click(300, 150).Scroll(0, 1, 20).Wait(60).Shot("orders");
  s.Click(613, 61).Click(420, 350).Click(560, 170);  // MENU, SAVE, slot 2
  s.Line("key " + std::to_string(DIK_Q) + " down").Wait(30);
  s.Line("key " + std::to_string(DIK_Q) + " up").Wait(2).Shot("name");
  s.Keys({DIK_RETURN, DIK_ESCAPE});
  s.Click(420, 310).Click(560, 170).Click(420, 260).Wait(100).Shot("loaded");
  return s.Line("close").str();
}

TEST(Replay, AHeadlessSessionReplaysToTheSameSaveAndPictures) {
  test::GameTree played, replayed;
  const test::GameRun recording =
      played.RunScript(Session(), 5000, "--frame-ms 50 --record ../recording.txt");
  ASSERT_EQ(recording.exit_code, 0) << recording.output;
  std::filesystem::copy_file(played.root() / "recording.txt", replayed.root() / "recording.txt");
  const test::GameRun replay = replayed.Run(
      "--headless --script ../recording.txt --screenshot-dir ../shots --record "
      "../again.txt");
  ASSERT_EQ(replay.exit_code, 0) << replay.output;
  EXPECT_EQ(replay.output.find("left its recording"), std::string::npos) << replay.output;

  const std::string slot = test::ReadBytes(played.root() / "common_bin" / "slot2.bin");
  EXPECT_FALSE(slot.empty());
  EXPECT_TRUE(test::ReadBytes(replayed.root() / "common_bin" / "slot2.bin") == slot);
  for (const char* shot : {"briefing_left", "orders", "name", "loaded"}) {
    const std::string name = std::string(shot) + ".bmp";
    EXPECT_TRUE(test::ReadBytes(replayed.root() / "shots" / name) ==
                test::ReadBytes(played.root() / "shots" / name))
        << shot;
  }
  // Each frame read the clock as often, and saw the same times.
  EXPECT_TRUE(test::ReadBytes(replayed.root() / "again.txt") ==
              test::ReadBytes(played.root() / "recording.txt"));
}

}  // namespace
