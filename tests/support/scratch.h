// Test support: a scratch runtime tree to work in, and a headless machine
// with a window, a display and input devices, torn down after each test.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/backend_headless.h"
#include "platform/bitmap_file.h"
#include "support/files.h"

namespace test {

// A temporary tree laid out like the game's: bin/ (the working directory,
// holding output/) beside graphics/, missions/ and common_bin/.
class ScratchTree {
 public:
  explicit ScratchTree(bool with_output = true);
  ~ScratchTree();
  ScratchTree(const ScratchTree&) = delete;
  ScratchTree& operator=(const ScratchTree&) = delete;

  const std::filesystem::path& root() const { return dir_.path(); }
  std::filesystem::path graphics() const { return root() / "graphics"; }
  // The content of output/NAME, empty when there is none.
  std::string Log(const std::string& name) const;
  // Writes a picture into graphics/.
  void WritePicture(const std::string& name, const platform::Image& image) const;

 private:
  TempDirectory dir_;
  std::filesystem::path previous_directory_;
};

// A headless backend installed for its lifetime: a virtual clock that
// starts at 0 and moves only when told.
class HeadlessScope {
 public:
  explicit HeadlessScope(platform::HeadlessOptions options = {});
  ~HeadlessScope();
  platform::HeadlessBackend& backend() { return *backend_; }
  void Advance(std::uint64_t ms) { backend_->AdvanceClock(ms); }

 private:
  std::unique_ptr<platform::HeadlessBackend> backend_;
};
using Clock = HeadlessScope;

// The program's window (with a window procedure that only closes), the
// display and the input devices, as start-up makes them; released after.
class Machine {
 public:
  explicit Machine(platform::HeadlessOptions options = {});
  ~Machine();
  platform::HeadlessBackend& backend() { return scope_.backend(); }

 private:
  HeadlessScope scope_;
};

}  // namespace test
