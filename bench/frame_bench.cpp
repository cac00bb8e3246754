// One pass of the game screen's loop on the second mission, its company
// fighting the garrison at the orc gate, against the least a pass must do:
// copy the game view out of the composition surface and fill the back buffer.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "frame/dix.h"
#include "frame/main.h"
#include "platform/backend_headless.h"
#include "ui/zone_game.h"
#include "world/Init_Env.h"
#include "world/decors.h"
#include "world/map.h"
#include "world/sprites.h"

namespace bench {
namespace {

constexpr std::uint64_t kFrameMs = 16;
// The company walks from its camp to the gate in about this many passes;
// the garrison comes out to meet it.
constexpr int kApproachPasses = 500;
// A battle stands for the game in full while both sides still fight.
constexpr int kFewestFighters = 6;
constexpr int kGateX = 42, kGateY = 30;

bool IsFighter(const cSprite* s) {
  const DECOR kind = s->pDef ? s->pDef->Nom : BATI;
  return kind == GUERR || kind == ARCHE || kind == OGUER || kind == OARCH;
}

int Fighters(RACE race) {
  int count = 0;
  ForEachSprite(race, [&count](cSprite* s) { count += IsFighter(s); });
  return count;
}

// The game as started from its menu, in the build's runtime tree.
class Mission2Battle {
 public:
  Mission2Battle() {
    if (chdir(QUORVELNN_GAME_DIR "/bin") != 0) return;
    platform::SetBackend(&backend_);
    doInit(nullptr, SW_SHOW);
    Engage();
  }

  // A fresh battle once one side is nearly gone or the mission is won.
  bool Renew() {
    if (game_running && Fighters(HUMAN) >= kFewestFighters && Fighters(ORC) >= kFewestFighters) {
      return false;
    }
    Engage();
    return true;
  }

  // The game loop's work for one frame, but for the flip's copy to the
  // screen: only its clock stays.
  void Pass() {
    game_zone->ComposeFrame();
    backend_.AdvanceClock(kFrameMs);
    if (game_running) AdvanceWorld();
  }

 private:
  // The mission's start, the company sent against the tower at the gate and
  // the view on it.
  void Engage() {
    StartMission2();
    InitMiniMap();
    game_running = true;
    cSprite* tower = occupancy_grid[CellIndex(kGateX, kGateY)];
    ForEachSprite(HUMAN, [tower](cSprite* s) {
      if (tower && IsFighter(s)) s->AssignerTache(ATTACK, tower);
    });
    scroll_x = kGateX * kCellSize - kViewWidth / 2;
    scroll_y = kGateY * kCellSize - kViewHeight / 2;
    for (int i = 0; i < kApproachPasses; ++i) Pass();
  }

  platform::HeadlessBackend backend_;
};

void FrameMission2(benchmark::State& state) {
  static Mission2Battle battle;
  int battles = 0;
  for (auto _ : state) {
    state.PauseTiming();
    battles += battle.Renew();
    state.ResumeTiming();
    battle.Pass();
  }
  state.counters["battles"] = battles;
  state.counters["fighters"] = Fighters(HUMAN) + Fighters(ORC);
}

// The bytes a pass cannot do without: the 520 x 480 view copied row by row
// out of the 1000-pixel-wide composition surface, and the 640 x 480 back
// buffer written in full from the interface picture.
void FrameFloor(benchmark::State& state) {
  constexpr int kVirtualSide = 1000;
  std::vector<std::uint16_t> composition(std::size_t(kVirtualSide) * kVirtualSide, 0x1234);
  std::vector<std::uint16_t> picture(std::size_t(640) * 480, 0x4321);
  std::vector<std::uint16_t> back(picture.size());
  for (auto _ : state) {
    std::memcpy(back.data(), picture.data(), picture.size() * sizeof(std::uint16_t));
    for (int y = 0; y < kViewHeight; ++y) {
      const std::uint16_t* from =
          composition.data() + std::size_t(y + kViewMargin) * kVirtualSide + kViewMargin;
      std::memcpy(back.data() + std::size_t(y) * 640, from, kViewWidth * sizeof(std::uint16_t));
    }
    benchmark::DoNotOptimize(back.data());
    benchmark::ClobberMemory();
  }
}

}  // namespace
}  // namespace bench

BENCHMARK(bench::FrameMission2)->Name("frame_mission_2");
BENCHMARK(bench::FrameFloor)->Name("frame_floor");
