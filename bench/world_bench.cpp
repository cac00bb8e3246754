// One full world step with 300 units: two armies of 120 fighting across a
// line, and 30 workers a side harvesting gold and wood for their halls.
#include <benchmark/benchmark.h>

#include "frame/ddutil.h"
#include "platform/backend_headless.h"
#include "ui/money.h"
#include "units/weapons.h"
#include "world/Init_Env.h"
#include "world/decors.h"
#include "world/sprites.h"

namespace bench {
namespace {

constexpr int kFightersPerSide = 120;
constexpr int kWorkersPerSide = 30;
constexpr int kUnits = 2 * (kFightersPerSide + kWorkersPerSide);
constexpr std::uint64_t kFrameMs = 16;

LPDIRECTDRAWSURFACE MakeSurface(IDirectDraw* dd, int width, int height) {
  LPDIRECTDRAWSURFACE surface;
  return CreateOffscreenSurface(dd, width, height, &surface) == DD_OK ? surface : nullptr;
}

// A side's base: hall, gold mine and a wood beside it, and its workers.
void Base(RACE race, int x0, int y0) {
  AjouterSprite(race, race == HUMAN ? HALL1 : OHALL, x0, y0);
  AjouterSprite(NEUTRE, MINEO, x0 + 10, y0);
  for (int x = x0; x < x0 + 6; ++x) {
    for (int y = y0 + 10; y < y0 + 14; ++y) terrain_grid[CellIndex(x, y)] = BOIS05;
  }
  for (int i = 0; i < kWorkersPerSide; ++i) {
    cSprite* worker =
        AjouterSprite(race, race == HUMAN ? PAYSA : OPAYS, x0 + 5 + i % 6, y0 + 5 + i / 6);
    if (i % 2 == 0) {
      worker->AffecterTravail(RECOLTE_OR, x0 + 10, y0, nullptr);
    } else {
      worker->AffecterTravail(RECOLTE_BOIS, x0 + 2, y0 + 10, nullptr);
    }
  }
}

// Two armies, soldiers in front and archers behind, facing each other.
void Armies() {
  for (int i = 0; i < kFightersPerSide; ++i) {
    const int row = 20 + i % 60, rank = i / 60;
    AjouterSprite(HUMAN, rank == 0 ? GUERR : ARCHE, 60 - rank, row);
    AjouterSprite(ORC, rank == 0 ? OGUER : OARCH, 64 + rank, row);
  }
}

class WorldScene {
 public:
  WorldScene() {
    platform::SetBackend(&clock_);
    DirectDrawCreate(nullptr, &dd_, nullptr);
    // The game's own when the whole frame was measured first.
    if (!minimap_surface) minimap_surface = MakeSurface(dd_, kMapCapacity, kMapCapacity);
    if (!minimap_compose_surface) {
      minimap_compose_surface = MakeSurface(dd_, kMapCapacity, kMapCapacity);
    }
    if (!mini_surface) mini_surface = MakeSurface(dd_, 6, 1);
    InitWeapons();
    InitDefUnits();
    Build();
  }

  // A fresh battle once a tenth of the armies has fallen; true when made.
  bool Renew() {
    if (sprite_counts[HUMAN] + sprite_counts[ORC] >= kUnits * 9 / 10) return false;
    Build();
    return true;
  }

  // What the game does for the world on one frame.
  void Step() {
    clock_.AdvanceClock(kFrameMs);
    MoveSprites();
    WorldStep();
    AvancerProjectiles();
  }

 private:
  void Build() {
    tx_map = ty_map = kMapCapacity;
    ResetWorld();
    Money = Wood = MoneyOrc = WoodOrc = 0;
    Base(HUMAN, 5, 5);
    Base(ORC, 100, 100);
    Armies();
  }

  platform::HeadlessBackend clock_;
  IDirectDraw* dd_ = nullptr;
};

void WorldStep300(benchmark::State& state) {
  static WorldScene scene;
  int battles = 0;
  for (auto _ : state) {
    state.PauseTiming();
    battles += scene.Renew();
    state.ResumeTiming();
    scene.Step();
  }
  state.counters["battles"] = battles;
  state.counters["gold"] = Money + MoneyOrc;
}

}  // namespace
}  // namespace bench

BENCHMARK(bench::WorldStep300)->Name("world_step_300");
