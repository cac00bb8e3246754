// The quorvelnn executable: reads the port's command line, chooses the
// backend and runs the game.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>

#include "debug/screens_shown.h"
#include "frame/main.h"
#include "platform/backend_headless.h"
#include "platform/backend_sdl.h"
#include "platform/command_line.h"
#include "platform/recorder.h"
#include "platform/screenshot.h"

namespace {

// The map to try reaches the game as its command line; none without --map.
LPSTR MapArgument(platform::PortOptions& options) {
  return options.map_path.empty() ? nullptr : options.map_path.data();
}

// Runs the game on the backend, recorded and with its screens counted when
// asked; the game's exit code, or nothing when the recording cannot be made.
std::optional<int> RunGame(platform::Backend& backend, platform::PortOptions& options) {
  platform::Backend* outermost = &backend;
  std::optional<platform::RecordingBackend> recording;
  if (!options.record_path.empty()) {
    recording.emplace(*outermost, options.record_path);
    if (!recording->ok()) {
      std::fprintf(stderr, "quorvelnn: cannot write the recording %s\n",
                   options.record_path.c_str());
      return std::nullopt;
    }
    outermost = &*recording;
  }
  std::optional<ScreenTally> screens;
  if (!options.screens_path.empty()) outermost = &screens.emplace(*outermost);
  platform::SetBackend(outermost);
  const int code = WinMain(nullptr, nullptr, MapArgument(options), SW_SHOW);
  platform::SetBackend(nullptr);
  if (recording) recording->Finish();
  if (screens && !screens->Write(options.screens_path)) {
    std::fprintf(stderr, "quorvelnn: cannot write %s\n", options.screens_path.c_str());
  }
  return code;
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
  const std::optional<int> code = RunGame(backend, options);
  if (!code) return 2;
  if (!backend.replay_departure().empty()) {
    std::fprintf(stderr, "quorvelnn: the replay left its recording at %s\n",
                 backend.replay_departure().c_str());
  }
  backend.ReportUntakenShots();
  for (const std::string& problem : backend.problems()) {
    std::fprintf(stderr, "quorvelnn: %s\n", problem.c_str());
  }
  if (backend.timed_out()) return 3;
  return backend.problems().empty() ? *code : 4;
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
  const std::optional<int> code = RunGame(backend, options);
  if (!code) return 2;
  if (backend.open_failed()) return 1;
  return backend.timed_out() ? 3 : *code;
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
