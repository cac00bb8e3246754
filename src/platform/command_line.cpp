// Parser of the port's command line.
#include "platform/command_line.h"

#include <charconv>
#include <limits>
#include <string_view>

namespace platform {

const char kUsage[] =
    "usage: quorvelnn [--window] [--mouse-speed X] [--screenshot-dir DIR] [--max-frames N]\n"
    "                 [--map FILE.bin] [--record FILE] [--screens FILE]\n"
    "       quorvelnn --headless [--script FILE] [--frame-ms N] [--screenshot-dir DIR]\n"
    "                 [--max-frames N] [--map FILE.bin] [--record FILE] [--screens FILE]\n";

namespace {

// A number from least to most, all of the text; a NaN fails the range test.
template <typename T>
bool ParseNumber(std::string_view text, T& out, T least, T most) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end && out >= least && out <= most;
}

template <typename T>
bool ParseCount(std::string_view text, T& out) {
  return ParseNumber(text, out, T(0), std::numeric_limits<T>::max());
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLine result;
  PortOptions& o = result.options;
  bool mouse_speed_given = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool has_value = i + 1 < argc;
    auto value = [&]() -> std::string_view { return has_value ? argv[++i] : ""; };
    if (arg == "--window") {
      o.window = true;
    } else if (arg == "--headless") {
      o.headless = true;
    } else if (arg == "--script" && has_value) {
      o.script_path = value();
    } else if ((arg == "--map" || arg == "--record" || arg == "--screens") && has_value) {
      std::string& path = arg == "--map"      ? o.map_path
                          : arg == "--record" ? o.record_path
                                              : o.screens_path;
      path = value();
      if (path.empty()) result.error = std::string(arg) + " takes a file";
    } else if (arg == "--screenshot-dir" && has_value) {
      o.screenshot_dir = value();
    } else if (arg == "--frame-ms" && has_value) {
      if (!ParseCount(value(), o.frame_ms)) result.error = "--frame-ms takes a whole number";
    } else if (arg == "--mouse-speed" && has_value) {
      if (!ParseNumber(value(), o.mouse_speed, kMinMouseSpeed, kMaxMouseSpeed)) {
        result.error = "--mouse-speed takes a number from 0.25 to 4";
      }
      mouse_speed_given = true;
    } else if (arg == "--max-frames" && has_value) {
      if (!ParseCount(value(), o.max_frames)) result.error = "--max-frames takes a whole number";
    } else {
      result.error = "unknown or incomplete argument '" + std::string(arg) + "'";
    }
    if (!result.error.empty()) return result;
  }
  if (!o.headless && !o.script_path.empty()) {
    result.error = "--script needs --headless";
  } else if (o.headless && mouse_speed_given) {
    // Scripts move the mouse in device counts, which no speed changes.
    result.error = "--mouse-speed is for the real window, not --headless";
  } else if (o.headless && o.window) {
    result.error = "--window and --headless exclude each other";
  }
  return result;
}

}  // namespace platform
