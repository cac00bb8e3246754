// A real window through SDL2: full screen at the desktop's resolution (or a
// 1280x960 window), the 640x480 picture scaled by whole factors with crisp
// pixels, relative mouse motion paced as the desktop's pointer, keys as
// DirectInput codes, PrintScreen for a screenshot.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/backend.h"
#include "platform/pointer_counts.h"

namespace platform {

struct SdlOptions {
  bool windowed = false;
  long max_frames = -1;  // none
  double mouse_speed = 1;
  std::string screenshot_dir;  // made at the first screenshot
};

class SdlBackend : public Backend {
 public:
  explicit SdlBackend(SdlOptions options = {});
  ~SdlBackend() override;

  bool Open(std::string_view title) override;
  void Present(const std::uint16_t* pixels, int pitch_bytes) override;
  void Pump() override;
  std::uint64_t TicksMs() override;
  bool HasFocus() override;
  void Close() override;

  bool open_failed() const { return open_failed_; }
  bool timed_out() const { return timed_out_; }

 private:
  struct Devices;
  void MoveMouse(int dx, int dy);
  int IntegerScale() const;
  void TakeScreenshot(const std::uint16_t* pixels, int pitch_bytes);
  void ToggleFullScreen();
  void SetGrab(bool grab);
  void WaitForRefresh();

  SdlOptions options_;
  std::unique_ptr<Devices> sdl_;
  bool open_failed_ = false;
  bool timed_out_ = false;
  long frames_ = 0;
  std::uint64_t start_ms_ = 0;
  std::uint64_t last_present_ms_ = 0;
  int refresh_hz_ = 60;
  PointerCounts counts_x_;
  PointerCounts counts_y_;
  bool screenshot_requested_ = false;  // taken at the next frame presented
  bool close_due_ = false;             // the frame limit is reached: the next pump closes
};

// The DirectInput code of an SDL scancode, 0 for keys the game does not know.
int DirectInputCodeOfScancode(int scancode);

}  // namespace platform
