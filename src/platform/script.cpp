// Parser of the headless input scripts.
#include "platform/script.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace platform {
namespace {

std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    std::size_t j = i;
    while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r') ++j;
    if (j > i) words.push_back(line.substr(i, j - i));
    i = j;
  }
  return words;
}

template <typename T>
bool ParseNumber(std::string_view word, T& out) {
  const char* end = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(word.data(), end, out);
  return ec == std::errc() && ptr == end;
}

bool ParseUpDown(std::string_view word, bool& down) {
  if (word == "down") return down = true, true;
  if (word == "up") return down = false, true;
  return false;
}

bool IsFileName(std::string_view name) {
  return !name.empty() && name.size() <= 64 && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-';
  });
}

bool ParseFocus(std::string_view word, ScriptCommand::Focus& focus) {
  using Focus = ScriptCommand::Focus;
  if (word == "on") return focus = Focus::kOn, true;
  if (word == "off") return focus = Focus::kOff, true;
  if (word == "lost") return focus = Focus::kLost, true;
  return false;
}

// "clock MS READS [MS READS ...]", each run read at least once.
std::string ParseClock(const std::vector<std::string_view>& w, std::vector<ClockRun>& runs) {
  if (w.size() < 5 || (w.size() - 3) % 2 != 0) {
    return "expected 'at F clock MS READS [MS READS ...]'";
  }
  for (std::size_t i = 3; i < w.size(); i += 2) {
    ClockRun run;
    if (!ParseNumber(w[i], run.ms) || !ParseNumber(w[i + 1], run.reads) || run.reads == 0) {
      return "a clock run is a time in ms and a count of readings above 0";
    }
    runs.push_back(run);
  }
  return {};
}

// Parses the words after "at F"; an empty result means success.
std::string ParseCommand(const std::vector<std::string_view>& w, ScriptCommand& c) {
  using Kind = ScriptCommand::Kind;
  const std::string_view verb = w[2];
  const std::size_t n = w.size();
  if (verb == "move" || verb == "mouse") {
    c.kind = verb == "move" ? Kind::kMove : Kind::kMouse;
    if (n != 5 || !ParseNumber(w[3], c.a) || !ParseNumber(w[4], c.b)) {
      return "expected 'at F " + std::string(verb) + " X Y' with two whole numbers";
    }
    if (c.kind == Kind::kMouse && (c.a < 0 || c.a >= 640 || c.b < 0 || c.b >= 480)) {
      return "mouse position outside the 640x480 screen";
    }
    return {};
  }
  if (verb == "left" || verb == "right") {
    c.kind = verb == "left" ? Kind::kLeft : Kind::kRight;
    if (n != 4 || !ParseUpDown(w[3], c.down)) return "expected 'down' or 'up' after the button";
    return {};
  }
  if (verb == "key") {
    c.kind = Kind::kKey;
    if (n != 5 || !ParseNumber(w[3], c.a) || !ParseUpDown(w[4], c.down)) {
      return "expected 'at F key CODE down|up'";
    }
    if (c.a < 1 || c.a > 255) return "key code outside 1..255";
    return {};
  }
  if (verb == "shot") {
    c.kind = Kind::kShot;
    if (n != 4 || !IsFileName(w[3])) {
      return "expected 'at F shot NAME', NAME of letters, digits, '_' and '-'";
    }
    c.name = std::string(w[3]);
    return {};
  }
  if (verb == "close") {
    c.kind = Kind::kClose;
    if (n != 3) return "'close' takes nothing after it";
    return {};
  }
  if (verb == "focus") {
    c.kind = Kind::kFocus;
    if (n != 4 || !ParseFocus(w[3], c.focus)) return "expected 'at F focus on|off|lost'";
    return {};
  }
  if (verb == "clock") {
    c.kind = Kind::kClock;
    return ParseClock(w, c.clock);
  }
  return "unknown command '" + std::string(verb) + "'";
}

}  // namespace

ScriptParse ParseScript(std::string_view text) {
  ScriptParse result;
  int line_number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++line_number;
    if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) {
      line = line.substr(0, hash);
    }
    const std::vector<std::string_view> words = SplitWords(line);
    if (words.empty()) continue;
    ScriptCommand command;
    std::string error;
    if (words.size() < 3 || words[0] != "at" || !ParseNumber(words[1], command.frame) ||
        command.frame < 0) {
      error = "expected 'at FRAME COMMAND ...'";
    } else {
      error = ParseCommand(words, command);
    }
    if (!error.empty()) {
      result.error = "line " + std::to_string(line_number) + ": " + error;
      result.script.commands.clear();
      return result;
    }
    result.script.commands.push_back(std::move(command));
  }
  std::stable_sort(
      result.script.commands.begin(), result.script.commands.end(),
      [](const ScriptCommand& a, const ScriptCommand& b) { return a.frame < b.frame; });
  return result;
}

std::string FormatCommand(const ScriptCommand& c) {
  using Kind = ScriptCommand::Kind;
  const char* up_down = c.down ? "down" : "up";
  switch (c.kind) {
    case Kind::kMove:
    case Kind::kMouse:
      return std::string(c.kind == Kind::kMove ? "move " : "mouse ") + std::to_string(c.a) + " " +
             std::to_string(c.b);
    case Kind::kLeft:
      return std::string("left ") + up_down;
    case Kind::kRight:
      return std::string("right ") + up_down;
    case Kind::kKey:
      return "key " + std::to_string(c.a) + " " + up_down;
    case Kind::kShot:
      return "shot " + c.name;
    case Kind::kClose:
      return "close";
    case Kind::kFocus:
      return c.focus == ScriptCommand::Focus::kOn    ? "focus on"
             : c.focus == ScriptCommand::Focus::kOff ? "focus off"
                                                     : "focus lost";
    case Kind::kClock: {
      std::string line = "clock";
      for (const ClockRun& run : c.clock) {
        line += " " + std::to_string(run.ms) + " " + std::to_string(run.reads);
      }
      return line;
    }
  }
  return {};
}

ScriptParse LoadScript(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {{}, "cannot read the script " + path};
  std::ostringstream text;
  text << in.rdbuf();
  return ParseScript(text.str());
}

}  // namespace platform
