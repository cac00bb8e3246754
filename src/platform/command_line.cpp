// Parser of the port's command line.
#include "platform/command_line.h"

#include <charconv>
#include <string_view>

namespace platform {

const char kUsage[] =
    "usage: quorvelnn [--window] [--headless [--script FILE] [--frame-ms N]\n"
    "                 [--screenshot-dir DIR]] [--max-frames N] [--map FILE.bin]\n";

namespace {

template <typename T>
bool ParseCount(std::string_view text, T& out) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end && out >= 0;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLine result;
  PortOptions& o = result.options;
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
    } else if (arg == "--map" && has_value) {
      o.map_path = value();
      if (o.map_path.empty()) result.error = "--map takes a file";
    } else if (arg == "--screenshot-dir" && has_value) {
      o.screenshot_dir = value();
    } else if (arg == "--frame-ms" && has_value) {
      if (!ParseCount(value(), o.frame_ms)) result.error = "--frame-ms takes a whole number";
    } else if (arg == "--max-frames" && has_value) {
      if (!ParseCount(value(), o.max_frames)) result.error = "--max-frames takes a whole number";
    } else {
      result.error = "unknown or incomplete argument '" + std::string(arg) + "'";
    }
    if (!result.error.empty()) return result;
  }
  if (!o.headless && (!o.script_path.empty() || !o.screenshot_dir.empty())) {
    result.error = "--script and --screenshot-dir need --headless";
  } else if (o.headless && o.window) {
    result.error = "--window and --headless exclude each other";
  }
  return result;
}

}  // namespace platform
