// Which screen the game shows, frame by frame: a diagnostic for long runs of
// random input, which must reach every screen. The port's --screens counts
// the frames each screen was shown and writes the count at the end.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/backend.h"

// The screen on show: the deepest zone of the running zone's chain, and the
// game screen split by whether an object's panel is up; "none" before the
// menu first runs.
const char* ShownScreen();

// Counts the screen of every frame presented.
class ScreenTally : public platform::BackendFilter {
 public:
  using BackendFilter::BackendFilter;
  void Present(const std::uint16_t* pixels, int pitch_bytes) override;
  // One line per screen shown: its name and its frames; false when the file
  // cannot be written.
  bool Write(const std::string& path) const;

 private:
  std::map<std::string_view, long> frames_;  // keyed by the names ShownScreen returns
};
