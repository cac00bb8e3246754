// A backend without a window: a virtual clock that advances a fixed step at
// every flip, input from a script, frames written out on request. A script
// that holds the clock's readings is a recording: it is replayed exactly,
// the clock reading what it says, the focus coming and going as it says.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/recorded_clock.h"
#include "platform/script.h"

namespace platform {

struct HeadlessOptions {
  int frame_ms = 16;
  long max_frames = -1;  // none
  std::string screenshot_dir;
  Script script;
};

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(HeadlessOptions options = {});

  bool Open(std::string_view title) override;
  void Present(const std::uint16_t* pixels, int pitch_bytes) override;
  void Pump() override;
  std::uint64_t TicksMs() override;
  bool HasFocus() override { return focus_; }
  void Close() override { open_ = false; }

  long frames() const { return frames_; }
  // Moves the virtual clock on without a frame (for tests of timed behaviour).
  void AdvanceClock(std::uint64_t ms) { now_ms_ += ms; }
  bool timed_out() const { return timed_out_; }
  // Screenshots that could not be written, and those never reached.
  const std::vector<std::string>& problems() const { return problems_; }
  void ReportUntakenShots();
  // The last frame presented, as RGB565 rows of kScreenWidth pixels.
  const std::vector<std::uint16_t>& last_frame() const { return last_frame_; }
  // Where a replay first read the clock otherwise than its recording did
  // (the program or its files were not the same); empty while it keeps to it.
  const std::string& replay_departure() const { return recorded_clock_.departure(); }

 private:
  void TakeShots();
  void MoveModelCursor(int dx, int dy);
  void PressKey(int key, bool down);
  void RepeatHeldKey();

  HeadlessOptions options_;
  bool open_ = false;
  long frames_ = 0;  // flips so far
  std::size_t next_command_ = 0;
  std::size_t next_shot_ = 0;  // the first command not yet passed by the flips
  std::uint64_t now_ms_ = 0;
  std::uint64_t reads_since_flip_ = 0;
  bool timed_out_ = false;
  // Where the game's cursor will be once it has read the motion sent so far:
  // it starts at (320, 200), moves twice the counts and stops at the edges.
  int cursor_x_ = 320;
  int cursor_y_ = 200;
  std::vector<std::uint16_t> last_frame_;
  // The key that repeats (the last one pressed, while it is held; -1 for
  // none) and when it next does.
  int repeating_key_ = -1;
  std::uint64_t next_repeat_ms_ = 0;
  std::vector<std::string> problems_;
  bool close_due_ = false;  // the frame limit is reached: the next pump closes
  bool focus_ = true;
  RecordedClock recorded_clock_;  // a replay's; empty for a plain script
};

}  // namespace platform
