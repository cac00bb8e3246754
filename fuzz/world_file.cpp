// Fuzz target: a world file read as the game reads missions and slots, then
// played for a few frames.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/dix.h"
#include "frame/main.h"
#include "platform/backend_headless.h"
#include "targets.h"
#include "ui/selection.h"
#include "ui/zone_game.h"
#include "world/Init_Env.h"
#include "world/Saveload.h"
#include "world/decors.h"
#include "world/map.h"
#include "world/sprites.h"

namespace fuzz {
namespace {

// Long frames, so that in a few of them units walk, work, fight and build.
constexpr int kFrameMs = 250;
constexpr int kFrames = 10;

// The program's own start-up, once, on a headless machine.
void StartGame() {
  EnterRunTree();
  platform::HeadlessOptions options;
  options.frame_ms = kFrameMs;
  static platform::HeadlessBackend machine(options);
  platform::SetBackend(&machine);
  doInit(nullptr, SW_SHOW);
  tx_map = ty_map = kMapCapacity;
  ResetWorld();
}

// A mission's start: the world reset, then the file. All that a file and
// its frames change lies within its map, so the reset over the last map's
// cells leaves the world a reset of the whole grids would, every file
// starting from the same one, in a fraction of the time.
void Load(const std::string& path) {
  static const bool started = (StartGame(), true);
  (void)started;
  tx_map = std::clamp(tx_map, 0, kMapCapacity);
  ty_map = std::clamp(ty_map, 0, kMapCapacity);
  ResetWorld();
  LoadGame(path);
  if (sprite_lists[HUMAN]) AddToSelection(sprite_lists[HUMAN]);
  game_running = true;
}

void Play(int frames) {
  for (int frame = 0; frame < frames; ++frame) {
    MoveSprites();
    AdvanceWorld();
    static_cast<platform::HeadlessBackend&>(platform::CurrentBackend()).AdvanceClock(kFrameMs);
  }
  PreparerBack();
}

}  // namespace

void WorldFile(const std::uint8_t* data, std::size_t size) {
  EnterRunTree();
  WriteInput("world.bin", data, size);
  Load("world.bin");
  Play(kFrames);
}

void WriteSlotSeeds(const std::vector<std::string>& missions, const std::string& directory) {
  for (const std::string& mission : missions) {
    Load(mission);
    const std::string stem = std::filesystem::path(mission).stem().string();
    for (int frames : {30, 150}) {
      Play(frames);
      SaveGame(directory + "/" + stem + "_" + std::to_string(frames) + ".bin", "SEED SLOT");
    }
  }
}

}  // namespace fuzz
