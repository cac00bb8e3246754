// The scratch runtime tree the fuzz targets run in, and the game they start.
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "frame/main.h"
#include "platform/backend_headless.h"
#include "targets.h"
#include "world/Init_Env.h"
#include "world/decors.h"

namespace fuzz {
namespace {

namespace fs = std::filesystem;

// In memory where the system offers it: the game's writer syncs every file
// it saves to its disk, many times a second here.
fs::path ScratchBase() {
  std::error_code error;
  return fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

struct RunTree {
  RunTree() {
    std::string pattern = (ScratchBase() / "quorvelnn-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return;
    root = pattern;
    fs::create_directory(root / "bin");
    fs::create_directory(root / "common_bin");
    std::error_code error;  // without pictures the game still runs, drawing nothing
    fs::create_directory_symlink(fs::path(QUORVELNN_GAME_DIR) / "graphics", root / "graphics",
                                 error);
    fs::current_path(root / "bin");
    // The map tool's own scratch files go there too.
    setenv("TMPDIR", root.c_str(), 1);
  }
  ~RunTree() {
    std::error_code ignored;
    if (!root.empty()) fs::remove_all(root, ignored);
  }
  RunTree(const RunTree&) = delete;
  RunTree& operator=(const RunTree&) = delete;

  fs::path root;
};

}  // namespace

void EnterRunTree() {
  static const RunTree tree;
}

void StartGame() {
  static const bool started = [] {
    EnterRunTree();
    platform::HeadlessOptions options;
    options.frame_ms = kGameFrameMs;
    static platform::HeadlessBackend machine(options);
    platform::SetBackend(&machine);
    doInit(nullptr, SW_SHOW);
    tx_map = ty_map = kMapCapacity;
    ResetWorld();
    return true;
  }();
  (void)started;
}

void WriteInput(const char* name, const std::uint8_t* data, std::size_t size) {
  FILE* file = std::fopen(name, "wb");
  if (!file) return;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
}

}  // namespace fuzz
