// The clock of a replay: each frame's readings, as a recording wrote them
// down, given back in order; and where the program first read the clock
// otherwise than when it was recorded, which means the replay has left it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/script.h"

namespace platform {

class RecordedClock {
 public:
  // Takes the clock lines out of the script's commands; none leaves the
  // clock empty, and the script is no recording.
  explicit RecordedClock(Script& script);

  bool empty() const { return frames_.empty(); }
  // The next reading of the frame; past the frame's last, that one again.
  std::uint64_t Read(long frame);
  // The frame is presented: all of its readings should have been read.
  void EndFrame(long frame);
  // "frame F: ..." where the replay first left its recording; empty while
  // it keeps to it.
  const std::string& departure() const { return departure_; }

 private:
  struct Frame {
    long frame;
    std::vector<ClockRun> runs;
  };
  const std::vector<ClockRun>* ReadingsOf(long frame);
  void Depart(long frame, const char* how);

  std::vector<Frame> frames_;  // in frame order
  std::size_t frame_ = 0;      // the first that may still be read
  std::size_t run_ = 0;        // within the frame being read
  std::uint64_t reads_in_run_ = 0;
  std::uint64_t last_ = 0;
  std::string departure_;
};

}  // namespace platform
