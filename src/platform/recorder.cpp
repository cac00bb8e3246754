// The recording of a session.
#include "platform/recorder.h"

namespace platform {

RecordingBackend::RecordingBackend(Backend& inner, const std::string& path)
    : BackendFilter(inner), out_(path, std::ios::binary) {
  readings_.kind = ScriptCommand::Kind::kClock;
  out_ << "# A session recorded by quorvelnn --record. Replay it with\n"
          "# quorvelnn --headless --script FILE, run from the same bin/ directory\n"
          "# beside the same graphics/, missions/ and common_bin/ (saved games).\n";
}

RecordingBackend::~RecordingBackend() {
  Finish();
}

void RecordingBackend::Finish() {
  WriteReadings();
  out_.flush();
}

bool RecordingBackend::Open(std::string_view title) {
  const bool opened = inner_.Open(title);
  focus_ = true;
  if (inner_.HasFocus() != focus_) WriteFocus();
  return opened;
}

void RecordingBackend::Present(const std::uint16_t* pixels, int pitch_bytes) {
  inner_.Present(pixels, pitch_bytes);  // a screenshot noted here shows this frame
  WriteReadings();
  ++frame_;
  pumped_ = false;
  out_.flush();  // a session that ends in a crash keeps its recording up to its last frame
}

void RecordingBackend::Pump() {
  if (pumped_) return;
  pumped_ = true;
  inner_.Pump();
  if (inner_.HasFocus() != focus_) WriteFocus();
}

std::uint64_t RecordingBackend::TicksMs() {
  const std::uint64_t ms = inner_.TicksMs();
  std::vector<ClockRun>& runs = readings_.clock;
  if (!runs.empty() && runs.back().ms == ms) {
    ++runs.back().reads;
  } else {
    runs.push_back({ms, 1});
  }
  return ms;
}

void RecordingBackend::Note(const ScriptCommand& event) {
  Write(event);
}

void RecordingBackend::Write(const ScriptCommand& command) {
  out_ << "at " << frame_ << " " << FormatCommand(command) << "\n";
}

void RecordingBackend::WriteFocus() {
  focus_ = !focus_;
  ScriptCommand focus;
  focus.kind = ScriptCommand::Kind::kFocus;
  focus.focus = focus_ ? ScriptCommand::Focus::kOn : ScriptCommand::Focus::kOff;
  Write(focus);
}

void RecordingBackend::WriteReadings() {
  if (readings_.clock.empty()) return;
  Write(readings_);
  readings_.clock.clear();
}

}  // namespace platform
