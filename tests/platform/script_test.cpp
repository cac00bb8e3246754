// Input scripts and the port's command line.
#include "platform/script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "platform/backend_headless.h"
#include "platform/command_line.h"

namespace {

TEST(Script, CommandsAreReadInFrameOrderWithCommentsAndBlankLines) {
  const platform::ScriptParse parsed = platform::ParseScript(
      "# a comment\n"
      "at 9 shot after   # trailing comment\n"
      "\n"
      "at 2 move -3 4\r\n"
      "  at 2 mouse 100 50\n"
      "at 5 key 28 down\n"
      "at 5 right up\n"
      "at 7 close\n");
  ASSERT_EQ(parsed.error, "");
  // Every field of each command, in the order read.
  constexpr const char* kKinds[] = {"move", "mouse", "left", "right", "key", "shot", "close"};
  std::vector<std::string> read;
  for (const platform::ScriptCommand& c : parsed.script.commands) {
    read.push_back(std::to_string(c.frame) + " " + kKinds[int(c.kind)] + " " + std::to_string(c.a) +
                   " " + std::to_string(c.b) + (c.down ? " down" : " up") + " " + c.name);
  }
  EXPECT_EQ(read, (std::vector<std::string>{"2 move -3 4 up ", "2 mouse 100 50 up ",
                                            "5 key 28 0 down ", "5 right 0 0 up ",
                                            "7 close 0 0 up ", "9 shot 0 0 up after"}));
}

TEST(Script, MalformedLinesNameTheirLine) {
  const char* bad[] = {
      "at 1 left sideways", "at x close",
      "at -1 close",        "at 1 move 1",
      "at 1 mouse 640 0",   "at 1 key 0 down",
      "at 1 key 256 down",  "at 1 shot ../escape",
      "at 1 shot",          "at 1 close now",
      "after 1 close",      "at 1 dance",
      "at 1 move 1 2 3",    "at 99999999999999999999 close",
      "at 1 clock",         "at 1 clock 5",
      "at 1 clock 5 0",     "at 1 clock -5 1",
      "at 1 focus away",
  };
  for (const char* line : bad) {
    const platform::ScriptParse parsed = platform::ParseScript(std::string("at 0 close\n") + line);
    EXPECT_EQ(parsed.error.rfind("line 2: ", 0), 0U) << line << " -> " << parsed.error;
    EXPECT_TRUE(parsed.script.commands.empty());
  }
  EXPECT_NE(platform::LoadScript("/nonexistent/script").error, "");
}

// A recording's own lines read back as they were written.
TEST(Script, RecordedLinesReadBackAsWritten) {
  const std::string text =
      "at 4 focus off\nat 4 focus lost\nat 5 clock 300 2 301 1\nat 6 focus on\n";
  const platform::ScriptParse parsed = platform::ParseScript(text);
  ASSERT_EQ(parsed.error, "");
  std::string written;
  for (const platform::ScriptCommand& c : parsed.script.commands) {
    written += "at " + std::to_string(c.frame) + " " + platform::FormatCommand(c) + "\n";
  }
  EXPECT_EQ(written, text);
}

// A replay's clock gives each frame's recorded readings in order; reading it
// more or less often than the recording did is reported with its frame.
TEST(Replay, TheClockReadsAsRecordedAndADepartureIsNamed) {
  const auto replay = [](const char* recording) {
    platform::HeadlessOptions options;
    options.script = platform::ParseScript(recording).script;
    return std::make_unique<platform::HeadlessBackend>(std::move(options));
  };
  auto exact = replay("at 0 clock 5 2 6 1\nat 1 clock 9 1\nat 1 focus off\n");
  std::vector<std::uint64_t> read = {exact->TicksMs(), exact->TicksMs(), exact->TicksMs()};
  exact->Present(std::vector<std::uint16_t>(640 * 480).data(), 1280);
  EXPECT_TRUE(exact->HasFocus());
  exact->Pump();
  EXPECT_FALSE(exact->HasFocus());
  read.push_back(exact->TicksMs());
  EXPECT_EQ(read, (std::vector<std::uint64_t>{5, 5, 6, 9}));
  EXPECT_EQ(exact->replay_departure(), "");
  read.push_back(exact->TicksMs());
  EXPECT_EQ(read.back(), 9U);
  EXPECT_NE(exact->replay_departure().find("frame 1: the program read the clock more often"),
            std::string::npos);

  auto fewer = replay("at 0 clock 5 2\n");
  fewer->TicksMs();
  fewer->Present(std::vector<std::uint16_t>(640 * 480).data(), 1280);
  EXPECT_NE(fewer->replay_departure().find("frame 0: the program read the clock less often"),
            std::string::npos);
}

TEST(CommandLine, OptionsAndTheirMistakes) {
  const char* good[] = {"quorvelnn",        "--headless", "--script",     "s.txt",
                        "--frame-ms",       "10",         "--max-frames", "300",
                        "--screenshot-dir", "/tmp/x",     "--map",        "m.bin",
                        "--record",         "r.txt",      "--screens",    "s.txt"};
  const platform::CommandLine parsed = platform::ParseCommandLine(16, good);
  ASSERT_EQ(parsed.error, "");
  const auto& o = parsed.options;
  EXPECT_EQ(std::tuple(o.headless, o.script_path, o.frame_ms, o.max_frames, o.screenshot_dir,
                       o.map_path, o.record_path, o.screens_path),
            std::tuple(true, "s.txt", 10, 300, "/tmp/x", "m.bin", "r.txt", "s.txt"));

  const char* plain[] = {"quorvelnn"};
  EXPECT_EQ(platform::ParseCommandLine(1, plain).options.max_frames, -1);
  const char* slowest[] = {"q", "--mouse-speed", "0.25", "--screenshot-dir", "s"};
  const platform::CommandLine window = platform::ParseCommandLine(5, slowest);
  EXPECT_EQ(std::tuple(window.error, window.options.mouse_speed), std::tuple("", 0.25));
  // Each case's arguments, the rest null.
  const char* wrong[][4] = {
      {"q", "--frame-ms", "-4", nullptr},       {"q", "--max-frames", "lots", nullptr},
      {"q", "--script", nullptr, nullptr},      {"q", "--script", "s.txt", nullptr},
      {"q", "--window", "--headless", nullptr}, {"q", "extra", nullptr, nullptr},
      {"q", "--map", nullptr, nullptr},         {"q", "--map", "", nullptr},
      {"q", "--mouse-speed", "0.24", nullptr},  {"q", "--mouse-speed", "4.01", nullptr},
      {"q", "--mouse-speed", "nan", nullptr},   {"q", "--headless", "--mouse-speed", "1"},
      {"q", "--record", nullptr, nullptr},      {"q", "--record", "", nullptr}};
  for (const auto& args : wrong) {
    const int count = int(std::find(args, args + 4, nullptr) - args);
    EXPECT_NE(platform::ParseCommandLine(count, args).error, "") << &args - wrong;
  }
}

}  // namespace
