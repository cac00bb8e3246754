// Scripted input for the headless backend: one command per line, frames
// counted in flips from 0, '#' starting a comment. A recording is a script
// too: it adds what the clock read in each frame and the window's focus.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// `reads` readings of the clock in a row that gave `ms`.
struct ClockRun {
  std::uint64_t ms = 0;
  std::uint64_t reads = 0;
  friend bool operator==(const ClockRun&, const ClockRun&) = default;
};

struct ScriptCommand {
  enum class Kind { kMove, kMouse, kLeft, kRight, kKey, kShot, kClose, kFocus, kClock };
  // The focus commands: the window gained it, or is without it (what the
  // input devices ask), or lost it (which takes back the devices' input).
  enum class Focus { kOn, kOff, kLost };
  long frame = 0;
  Kind kind = Kind::kClose;
  int a = 0;          // move: dx; mouse: x; key: code
  int b = 0;          // move: dy; mouse: y
  bool down = false;  // buttons and keys
  std::string name;   // shot
  Focus focus = Focus::kOn;
  std::vector<ClockRun> clock;  // the frame's readings, in order
};

struct Script {
  std::vector<ScriptCommand> commands;  // ordered by frame, then by line
};

struct ScriptParse {
  Script script;
  std::string error;  // "line N: ..." when the text is malformed
};

ScriptParse ParseScript(std::string_view text);
// The command as a script line says it, without "at F ".
std::string FormatCommand(const ScriptCommand& command);
// Reads and parses a file; a file that cannot be read is an error too.
ScriptParse LoadScript(const std::string& path);

}  // namespace platform
