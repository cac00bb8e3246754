// The quorvelnn executable: reads the port's command line, chooses the
// backend and runs the game.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

#include "frame/main.h"
#include "platform/backend_headless.h"
#include "platform/backend_sdl.h"
#include "platform/command_line.h"
#include "platform/screenshot.h"

namespace {

// The map to try reaches the game as its command line; none without --map.
LPSTR MapArgument(platform::PortOptions& options) {
  return options.map_path.empty() ? nullptr : options.map_path.data();
}

int RunHeadless(platform::PortOptions& options) {
  platform::HeadlessOptions headless;
  headless.frame_ms = options.frame_ms;
  headless.max_frames = options.max_frames;
  headless.screenshot_dir = options.screenshot_dir;
  if (!options.script_path.empty()) {
    platform::ScriptParse parsed = platform::LoadScript(options.script_path);
    if (!parsed.error.empty()) {
      std::fprintf(stderr, "quorvelnn: %s: %s\n", options.script_path.c_str(),
                   parsed.error.c_str());
      return 2;
    }
    headless.script = std::move(parsed.script);
  }
  platform::HeadlessBackend backend(std::move(headless));
  platform::SetBackend(&backend);
  const int code = WinMain(nullptr, nullptr, MapArgument(options), SW_SHOW);
  platform::SetBackend(nullptr);
  backend.ReportUntakenShots();
  for (const std::string& problem : backend.problems()) {
    std::fprintf(stderr, "quorvelnn: %s\n", problem.c_str());
  }
  if (backend.timed_out()) return 3;
  return backend.problems().empty() ? code : 4;
}

int RunWindowed(platform::PortOptions& options) {
  platform::SdlOptions sdl;
  sdl.windowed = options.window;
  sdl.max_frames = options.max_frames;
  sdl.mouse_speed = options.mouse_speed;
  sdl.screenshot_dir =
      options.screenshot_dir.empty()
          ? platform::DefaultScreenshotDir(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"))
          : options.screenshot_dir;
  platform::SdlBackend backend(std::move(sdl));
  platform::SetBackend(&backend);
  const int code = WinMain(nullptr, nullptr, MapArgument(options), SW_SHOW);
  platform::SetBackend(nullptr);
  if (backend.open_failed()) return 1;
  return backend.timed_out() ? 3 : code;
}

}  // namespace

int main(int argc, char** argv) {
  platform::CommandLine command_line = platform::ParseCommandLine(argc, argv);
  if (!command_line.error.empty()) {
    std::fprintf(stderr, "quorvelnn: %s\n%s", command_line.error.c_str(), platform::kUsage);
    return 2;
  }
  platform::PortOptions& options = command_line.options;
  return options.headless ? RunHeadless(options) : RunWindowed(options);
}
