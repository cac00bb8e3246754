// Fuzz target: a world file read as the game reads missions and slots, then
// played for a few frames.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/main.h"
#include "platform/backend_headless.h"
#include "targets.h"
#include "ui/menu.h"
#include "ui/selection.h"
#include "ui/zone_game.h"
#include "world/Init_Env.h"
#include "world/Saveload.h"
#include "world/decors.h"
#include "world/map.h"
#include "world/sprites.h"

namespace fuzz {
namespace {

constexpr int kFrames = 10;

// As the load screen loads a slot. All that a file and its frames change
// lies within its map, so the reset over the last map's cells leaves the
// world a reset of the whole grids would, every file starting from the same
// one, in a fraction of the time.
void Load(const std::string& path) {
  StartGame();
  CloseBoxOverGame();
  tx_map = std::clamp(tx_map, 0, kMapCapacity);
  ty_map = std::clamp(ty_map, 0, kMapCapacity);
  ResetWorld();
  LoadGame(path);
  InitMiniMap();
  game_running = true;
  if (sprite_lists[HUMAN]) AddToSelection(sprite_lists[HUMAN]);
}

// The game screen's passes, the view drawn only after the last.
void Play(int frames) {
  for (int frame = 0; frame < frames; ++frame) {
    MoveSprites();
    if (game_running) AdvanceWorld();
    static_cast<platform::HeadlessBackend&>(platform::CurrentBackend()).AdvanceClock(kGameFrameMs);
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
