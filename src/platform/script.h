// Scripted input for the headless backend: one command per line, frames
// counted in flips from 0, '#' starting a comment.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ScriptCommand {
  enum class Kind { kMove, kMouse, kLeft, kRight, kKey, kShot, kClose };
  long frame = 0;
  Kind kind = Kind::kClose;
  int a = 0;          // move: dx; mouse: x; key: code
  int b = 0;          // move: dy; mouse: y
  bool down = false;  // buttons and keys
  std::string name;   // shot
};

struct Script {
  std::vector<ScriptCommand> commands;  // ordered by frame, then by line
};

struct ScriptParse {
  Script script;
  std::string error;  // "line N: ..." when the text is malformed
};

ScriptParse ParseScript(std::string_view text);
// Reads and parses a file; a file that cannot be read is an error too.
ScriptParse LoadScript(const std::string& path);

}  // namespace platform
