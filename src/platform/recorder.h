// A recording of a session, for replaying it exactly. The backend it wraps
// does the work; the recording writes down, in the script format, all that
// the game reads from outside: every input as it is fed, the window's focus,
// and every reading of the clock, frame by frame; and the screenshots taken,
// so that a replay writes the same pictures. `--headless --script` replays
// it from the same files.
#pragma once

#include <fstream>
#include <string>

#include "platform/backend.h"

namespace platform {

class RecordingBackend : public BackendFilter {
 public:
  RecordingBackend(Backend& inner, const std::string& path);
  ~RecordingBackend() override;

  // Whether the recording's file could be made.
  bool ok() const { return bool(out_); }
  // Writes what the frame under way has read so far, at the end of the run.
  void Finish();

  bool Open(std::string_view title) override;
  void Present(const std::uint16_t* pixels, int pitch_bytes) override;
  // Input comes once a frame, at its first pump: a replay gives each frame's
  // input at that point, and the game reads it no earlier there.
  void Pump() override;
  std::uint64_t TicksMs() override;
  // The focus as the frame's pump left it.
  bool HasFocus() override { return focus_; }
  void Note(const ScriptCommand& event) override;

 private:
  void Write(const ScriptCommand& command);
  void WriteFocus();
  void WriteReadings();

  std::ofstream out_;
  long frame_ = 0;  // frames presented so far, as a script counts them
  bool pumped_ = false;
  bool focus_ = true;
  ScriptCommand readings_;  // the clock's readings in the frame under way
};

}  // namespace platform
