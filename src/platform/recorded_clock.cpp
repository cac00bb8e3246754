// The clock of a replay.
#include "platform/recorded_clock.h"

#include <algorithm>

namespace platform {

RecordedClock::RecordedClock(Script& script) {
  using Kind = ScriptCommand::Kind;
  for (ScriptCommand& c : script.commands) {
    if (c.kind == Kind::kClock) frames_.push_back({c.frame, std::move(c.clock)});
  }
  std::erase_if(script.commands, [](const ScriptCommand& c) { return c.kind == Kind::kClock; });
}

// The frame's readings; none when the recording has no clock line for it.
const std::vector<ClockRun>* RecordedClock::ReadingsOf(long frame) {
  while (frame_ < frames_.size() && frames_[frame_].frame < frame) ++frame_;
  if (frame_ == frames_.size() || frames_[frame_].frame != frame) return nullptr;
  return &frames_[frame_].runs;
}

std::uint64_t RecordedClock::Read(long frame) {
  const std::vector<ClockRun>* runs = ReadingsOf(frame);
  if (!runs || run_ == runs->size()) {
    Depart(frame, "the program read the clock more often than when it was recorded");
    return last_;
  }
  const ClockRun& run = (*runs)[run_];
  if (++reads_in_run_ == run.reads) {
    ++run_;
    reads_in_run_ = 0;
  }
  return last_ = run.ms;
}

void RecordedClock::EndFrame(long frame) {
  const std::vector<ClockRun>* runs = ReadingsOf(frame);
  if (runs && run_ < runs->size()) {
    Depart(frame, "the program read the clock less often than when it was recorded");
  }
  run_ = 0;
  reads_in_run_ = 0;
}

void RecordedClock::Depart(long frame, const char* how) {
  if (departure_.empty()) departure_ = "frame " + std::to_string(frame) + ": " + how;
}

}  // namespace platform
