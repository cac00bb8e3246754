// The units' path finding beside the plain level-by-level flood, on a
// 128 x 128 map with one cell in five blocked: a near goal, a far goal, and a
// free goal walled in, which both must give up on.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <utility>

#include "support/literal_path.h"
#include "units/cHumanoide.h"
#include "units/weapons.h"
#include "world/decors.h"
#include "world/sprites.h"

namespace bench {
namespace {

constexpr int kStartX = 10, kStartY = 10;
constexpr int kNearX = 16, kNearY = 13;
constexpr int kFarX = 120, kFarY = 118;
constexpr int kPocketX = 64, kPocketY = 64;  // free, but every neighbour blocked

// The map and a walker on it, made once for every benchmark.
struct PathScene {
  PathScene() {
    InitWeapons();
    InitDefUnits();
    tx_map = ty_map = kMapCapacity;
    std::mt19937 rng(20240611);
    std::bernoulli_distribution blocked(0.2);
    for (int x = 0; x < kMapCapacity; ++x) {
      for (int y = 0; y < kMapCapacity; ++y) {
        terrain_grid[CellIndex(x, y)] = blocked(rng) ? BOIS01 : HERBE1;
      }
    }
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy)
        terrain_grid[CellIndex(kPocketX + dx, kPocketY + dy)] = HERBE2;
    }
    for (auto [x, y] : {std::pair{kStartX, kStartY}, std::pair{kNearX, kNearY},
                        std::pair{kFarX, kFarY}, std::pair{kPocketX, kPocketY}}) {
      terrain_grid[CellIndex(x, y)] = HERBE1;
    }
    occupancy_grid.fill(nullptr);
    walker = std::make_unique<cArcher>(kStartX, kStartY);
    occupancy_grid[CellIndex(kStartX, kStartY)] = walker.get();
    start = test::WalkStateOf(*walker);
  }

  // Both searches agree on the walk to the goal, and it succeeds or not as
  // the scene means it to.
  bool Agree(int gx, int gy, bool reachable) {
    test::WalkState literal = start;
    test::LiteralTrouverTrajet(literal, gx, gy);
    walker->Tache = start.tache;
    walker->TrouverTrajet(gx, gy);
    const test::WalkState ours = test::WalkStateOf(*walker);
    for (int k = 0; k < kPathLength; ++k) {
      if (ours.trajet[k].x != literal.trajet[k].x || ours.trajet[k].y != literal.trajet[k].y) {
        return false;
      }
    }
    return ours.x_objectif == literal.x_objectif && ours.y_objectif == literal.y_objectif &&
           ours.tache == literal.tache && (ours.x_objectif != 0) == reachable;
  }

  std::unique_ptr<cHumanoide> walker;
  test::WalkState start;
};

PathScene& Scene() {
  static PathScene scene;
  return scene;
}

void Ours(benchmark::State& state, int gx, int gy, bool reachable) {
  PathScene& scene = Scene();
  if (!scene.Agree(gx, gy, reachable)) state.SkipWithError("the walks differ");
  for (auto _ : state) {
    scene.walker->TrouverTrajet(gx, gy);
    benchmark::DoNotOptimize(scene.walker->Trajet);
  }
}

void Literal(benchmark::State& state, int gx, int gy) {
  PathScene& scene = Scene();
  for (auto _ : state) {
    test::WalkState walk = scene.start;
    test::LiteralTrouverTrajet(walk, gx, gy);
    benchmark::DoNotOptimize(walk);
  }
}

void path_near_ours(benchmark::State& state) {
  Ours(state, kNearX, kNearY, true);
}
void path_near_literal(benchmark::State& state) {
  Literal(state, kNearX, kNearY);
}
void path_far_ours(benchmark::State& state) {
  Ours(state, kFarX, kFarY, true);
}
void path_far_literal(benchmark::State& state) {
  Literal(state, kFarX, kFarY);
}
void path_unreachable_ours(benchmark::State& state) {
  Ours(state, kPocketX, kPocketY, false);
}
void path_unreachable_literal(benchmark::State& state) {
  Literal(state, kPocketX, kPocketY);
}

BENCHMARK(path_near_ours);
BENCHMARK(path_near_literal);
BENCHMARK(path_far_ours);
BENCHMARK(path_far_literal);
BENCHMARK(path_unreachable_ours);
BENCHMARK(path_unreachable_literal);

}  // namespace
}  // namespace bench
