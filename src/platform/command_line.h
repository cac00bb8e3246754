// The port's command line. The game itself reads no arguments; these only
// choose how the port runs.
#pragma once

#include <string>

namespace platform {

struct PortOptions {
  bool window = false;
  bool headless = false;
  std::string script_path;
  int frame_ms = 16;
  long max_frames = -1;  // none
  std::string screenshot_dir;
  std::string map_path;      // a map file to open in the game screen at start
  double mouse_speed = 1;    // the real window's pointer speed, kMinMouseSpeed..kMaxMouseSpeed
  std::string record_path;   // where the session is recorded, for a replay
  std::string screens_path;  // where the frames each screen was shown are counted
};

constexpr double kMinMouseSpeed = 0.25;
constexpr double kMaxMouseSpeed = 4;

struct CommandLine {
  PortOptions options;
  std::string error;  // set when the arguments cannot be used
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

extern const char kUsage[];

}  // namespace platform
