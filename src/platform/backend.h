// The one seam between the portable platform layer and a real machine: open
// the 640x480 display, present a finished RGB565 frame, pump the system's
// events, read the millisecond clock, close. No SDL type appears here.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/script.h"

namespace platform {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

class Backend {
 public:
  virtual ~Backend() = default;
  // Opens the display under the window's title; false when there is none.
  virtual bool Open(std::string_view title) = 0;
  // Shows one finished frame of kScreenWidth x kScreenHeight pixels; waits for
  // the display as a flip does.
  virtual void Present(const std::uint16_t* pixels, int pitch_bytes) = 0;
  // Moves the system's pending events into the message queue and the input
  // devices through the feed functions below.
  virtual void Pump() = 0;
  // Milliseconds since the backend started.
  virtual std::uint64_t TicksMs() = 0;
  // Whether the program's window has the input focus.
  virtual bool HasFocus() = 0;
  virtual void Close() = 0;
  // Every input fed to the game and every screenshot taken, as the script
  // command that would make it again; a recording writes them down.
  virtual void Note(const ScriptCommand&) {}
};

// A backend that hands every call on to another: a filter overrides what it
// adds (a recording, a tally of the screens shown).
class BackendFilter : public Backend {
 public:
  explicit BackendFilter(Backend& inner) : inner_(inner) {}
  bool Open(std::string_view title) override { return inner_.Open(title); }
  void Present(const std::uint16_t* pixels, int pitch_bytes) override {
    inner_.Present(pixels, pitch_bytes);
  }
  void Pump() override { inner_.Pump(); }
  std::uint64_t TicksMs() override { return inner_.TicksMs(); }
  bool HasFocus() override { return inner_.HasFocus(); }
  void Close() override { inner_.Close(); }
  void Note(const ScriptCommand& event) override { inner_.Note(event); }

 protected:
  Backend& inner_;
};

// The backend every platform call goes to. Without one set, a headless
// backend with no script is used, so that library code and tests need no set-up.
Backend& CurrentBackend();
void SetBackend(Backend* backend);

// Feed functions: what a backend calls from Pump, and only from there, so
// that a recording knows in which frame each input came.
enum class MouseButton { kLeft, kRight };
void FeedMouseMotion(int dx, int dy);
void FeedMouseButton(MouseButton button, bool down);
// key is a DirectInput key code (DIK_*); F1 and F2 also post WM_KEYDOWN. A
// down for a key already down is the held key's repeat: the state stays, F1
// and F2 post again.
void FeedKey(int key, bool down);
// The window's close button: posts WM_CLOSE to the window.
void FeedCloseRequest();
// Focus changes: losing it releases the input devices as the system does.
void FeedFocusLost();

}  // namespace platform
