// The headless backend.
#include "platform/backend_headless.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/bitmap_file.h"

namespace platform {
namespace {

// A loop that waits on the clock without flipping must still see time pass:
// this many reads of the clock without a flip make one millisecond. It is
// far more than a frame of play reads, so play keeps its fixed step.
constexpr std::uint64_t kReadsPerIdleMs = 100000;

// If the program has not quit this many frames after it was asked to close,
// it is stopped.
constexpr long kGraceFrames = 1000;

// A held key repeats as a keyboard with the system's default settings does:
// after half a second, then about thirty times a second; only the last key
// pressed repeats.
constexpr std::uint64_t kRepeatDelayMs = 500;
constexpr std::uint64_t kRepeatPeriodMs = 33;

int FloorHalf(int v) {
  return v >= 0 ? v / 2 : -((-v + 1) / 2);
}

}  // namespace

HeadlessBackend::HeadlessBackend(HeadlessOptions options)
    : options_(std::move(options)), recorded_clock_(options_.script) {}

bool HeadlessBackend::Open(std::string_view) {
  open_ = true;
  return true;
}

void HeadlessBackend::Present(const std::uint16_t* pixels, int pitch_bytes) {
  last_frame_.resize(std::size_t(kScreenWidth) * kScreenHeight);
  const int pitch = pitch_bytes / 2;
  for (int y = 0; y < kScreenHeight; ++y) {
    std::copy_n(pixels + std::size_t(y) * pitch, kScreenWidth,
                last_frame_.begin() + std::ptrdiff_t(y) * kScreenWidth);
  }
  TakeShots();
  if (!recorded_clock_.empty()) recorded_clock_.EndFrame(frames_);
  ++frames_;
  now_ms_ += std::uint64_t(std::max(options_.frame_ms, 0));
  reads_since_flip_ = 0;
  if (options_.max_frames >= 0 && frames_ >= options_.max_frames) {
    if (!timed_out_) {
      timed_out_ = true;
      close_due_ = true;
    } else if (frames_ >= options_.max_frames + kGraceFrames) {
      std::fprintf(stderr, "quorvelnn: still running %ld frames after the frame limit\n",
                   kGraceFrames);
      std::_Exit(3);
    }
  }
}

// The script is ordered by frame: the shots still to take are those from
// the cursor on.
void HeadlessBackend::TakeShots() {
  const auto& commands = options_.script.commands;
  for (; next_shot_ < commands.size() && commands[next_shot_].frame <= frames_; ++next_shot_) {
    const ScriptCommand& c = commands[next_shot_];
    if (c.kind != ScriptCommand::Kind::kShot) continue;
    CurrentBackend().Note(c);
    const std::string path = options_.screenshot_dir + "/" + c.name + ".bmp";
    if (!SaveBitmapFile(
            path, ImageFromRgb565(last_frame_.data(), kScreenWidth, kScreenHeight, kScreenWidth))) {
      problems_.push_back("cannot write the screenshot " + path);
    }
  }
}

void HeadlessBackend::ReportUntakenShots() {
  const auto& commands = options_.script.commands;
  for (std::size_t i = next_shot_; i < commands.size(); ++i) {
    const ScriptCommand& c = commands[i];
    if (c.kind == ScriptCommand::Kind::kShot) {
      problems_.push_back("shot " + c.name + " at frame " + std::to_string(c.frame) +
                          " was never reached (the program ended at frame " +
                          std::to_string(frames_) + ")");
    }
  }
}

void HeadlessBackend::MoveModelCursor(int dx, int dy) {
  cursor_x_ = int(std::clamp(cursor_x_ + 2LL * dx, 0LL, 636LL));
  cursor_y_ = int(std::clamp(cursor_y_ + 2LL * dy, 0LL, 476LL));
}

void HeadlessBackend::Pump() {
  using Kind = ScriptCommand::Kind;
  auto& commands = options_.script.commands;
  while (next_command_ < commands.size() && commands[next_command_].frame <= frames_) {
    const ScriptCommand& c = commands[next_command_++];
    switch (c.kind) {
      case Kind::kMove:
        FeedMouseMotion(c.a, c.b);
        MoveModelCursor(c.a, c.b);
        break;
      case Kind::kMouse: {
        // Odd coordinates land on the even pixel just before them: the cursor
        // moves two pixels per count.
        const int dx = FloorHalf(c.a - cursor_x_);
        const int dy = FloorHalf(c.b - cursor_y_);
        FeedMouseMotion(dx, dy);
        MoveModelCursor(dx, dy);
        break;
      }
      case Kind::kLeft:
        FeedMouseButton(MouseButton::kLeft, c.down);
        break;
      case Kind::kRight:
        FeedMouseButton(MouseButton::kRight, c.down);
        break;
      case Kind::kKey:
        PressKey(c.a, c.down);
        break;
      case Kind::kClose:
        FeedCloseRequest();
        break;
      case Kind::kFocus:
        if (c.focus == ScriptCommand::Focus::kLost) {
          FeedFocusLost();
        } else {
          focus_ = c.focus == ScriptCommand::Focus::kOn;
        }
        break;
      case Kind::kShot:
      case Kind::kClock:
        break;  // taken at the flip; read with the clock
    }
  }
  if (close_due_) {
    close_due_ = false;
    FeedCloseRequest();
  }
  // A recording holds every repeat of a held key as it came.
  if (recorded_clock_.empty()) RepeatHeldKey();
}

void HeadlessBackend::PressKey(int key, bool down) {
  const bool repeat = down && key == repeating_key_;
  if (down && !repeat) {
    repeating_key_ = key;
    next_repeat_ms_ = now_ms_ + kRepeatDelayMs;
  } else if (!down && key == repeating_key_) {
    repeating_key_ = -1;
  }
  FeedKey(key, down);
}

void HeadlessBackend::RepeatHeldKey() {
  if (repeating_key_ < 0) return;
  for (; next_repeat_ms_ <= now_ms_; next_repeat_ms_ += kRepeatPeriodMs)
    FeedKey(repeating_key_, true);
}

std::uint64_t HeadlessBackend::TicksMs() {
  if (!recorded_clock_.empty()) return recorded_clock_.Read(frames_);
  if (++reads_since_flip_ >= kReadsPerIdleMs) {
    reads_since_flip_ = 0;
    ++now_ms_;
  }
  return now_ms_;
}

}  // namespace platform
