// Path finding checked against the plain level-by-level flood on many maps,
// its limits; the walk frame by frame: glide, timing, blocked cells, the
// occupancy following the unit.
#include "units/Motion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <tuple>
#include <utility>

#include "support/literal_path.h"
#include "support/world.h"
#include "world/util.h"

namespace {

using Cell = std::pair<int, int>;

Cell Entry(PathCell c) {
  return {c.x, c.y};
}

class MotionTest : public test::UnitsTest {
 protected:
  static void ExpectGaveUp(const cHumanoide* u) {
    for (PathCell c : u->Trajet) ASSERT_EQ(Entry(c), Cell(0, 0));
    EXPECT_EQ(std::tie(u->XObjectif, u->YObjectif, u->Tache, u->Ordre),
              std::make_tuple(0, 0, SANS_TACHE, WAIT));
  }
  // Calls of the unit's step, each ms after the last.
  void SubSteps(cHumanoide* u, int n, int ms = 11) {
    for (int s = 0; s < n; ++s) {
      clock.Advance(ms);
      u->Avancer();
    }
  }
  // An archer (a step every 10 ms) sent east from (10, 10) to (x, 10), one
  // cell on and between two moves.
  cHumanoide* OneCellEast(int x, TACHE task = SANS_TACHE) {
    cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
    u->Tache = task;
    WalkTo(u, x, 10);
    SubSteps(u, 16);
    return u;
  }
  // What a frame shows of the unit: cell, sub-step, pixel, direction.
  static std::tuple<int, int, int, int, int, DIRECTION> Now(const cHumanoide* u) {
    return {u->Px, u->Py, u->CurrentStep, u->PixelX, u->PixelY, u->CurrentDirection};
  }
};

// ---------------------------------------------------------------------------
// The walks of the fast flood are those of the level-by-level sweeps.

// Random maps of every size, thin and full ones among them, with obstacles
// of every sort at a random share (other grounds, forest, cells held by a
// sprite, a few held cells past the map); the walker on a free cell, holding
// it or not (as a worker inside a site); random, far, near, own, off-map and
// occupied goals, from a stale path.
TEST_F(MotionTest, TheWalksAreThoseOfTheLevelByLevelFloodOnRandomMaps) {
  static constexpr DECOR kObstacles[] = {HERBE2, BOIS07, VIDE, VIDE};
  cHumanoide* walker = Unit(HUMAN, ARCHE, 0, 0);
  std::array<int, 3> seen{};  // walks, failures, shifted goals
  for (unsigned seed = 1; seed <= 60 && !HasFailure(); ++seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> side(1, kMapCapacity), byte(0, 255), kind(0, 3);
    const unsigned shape = seed % 4;  // any size, one column, two rows, full
    const int w = shape == 1 ? 1 : shape == 3 ? kMapCapacity : side(rng);
    test::GrassMap(w, shape == 2 ? 2 : shape == 3 ? kMapCapacity : side(rng));
    std::bernoulli_distribution obstacle(0.1 * (seed % 7)), outside(0.05);
    for (int x = 0; x < kMapCapacity; ++x) {
      for (int y = 0; y < kMapCapacity; ++y) {
        const int k = IsInMap(x, y) ? (obstacle(rng) ? kind(rng) : -1) : (outside(rng) ? 3 : -1);
        if (k >= 0) Ground(x, y, x, y, kObstacles[k]);
        if (k == 3) test::Occupy(x, y);
      }
    }
    int x = byte(rng) % tx_map, y = byte(rng) % ty_map, tries = 0;
    while (!IsCellFree(x, y) && ++tries < 200) x = byte(rng) % tx_map, y = byte(rng) % ty_map;
    if (tries == 200) continue;
    walker->SetPosition(x, y);
    if (seed % 5 != 0) occupancy_grid[CellIndex(x, y)] = walker;
    const Cell goals[] = {{byte(rng) % tx_map, byte(rng) % ty_map},
                          {tx_map - 1 - x, ty_map - 1 - y},
                          {x + byte(rng) % 7 - 3, y + byte(rng) % 7 - 3},
                          {x, y},
                          {byte(rng) % 134 - 3, byte(rng) % 134 - 3}};
    for (auto [gx, gy] : goals) {
      SCOPED_TRACE(::testing::Message() << "seed " << seed << " map " << tx_map << "x" << ty_map
                                        << " from " << x << "," << y << " to " << gx << "," << gy);
      for (PathCell& c : walker->Trajet) c = {std::uint8_t(byte(rng)), std::uint8_t(byte(rng))};
      walker->Tache = RECOLTE_OR;
      walker->Ordre = GOTO;
      const bool occupied = IsInMap(gx, gy) && At(gx, gy);
      const bool walks = test::WalksAsLiteral(*walker, gx, gy);
      ++seen[walks ? 0 : 1];
      seen[2] += walks && occupied;
    }
  }
  // Enough walks, failures and shifted goals, or it proves little.
  EXPECT_GE(std::min({seen[0] - 100, seen[1] - 40, seen[2] - 10}), 0);
}

// A corridor that doubles back on itself: row 0 eastward, through the gap at
// (127, 1) into row 2 westward, through the gap at (0, 3) into row 4. The
// cell (x, 2) lies 254 - x moves from (0, 0), (x, 4) 254 + x.
TEST_F(MotionTest, AWalkOf251CellsIsTheLongestThatSucceeds) {
  test::GrassMap(kMapCapacity, kMapCapacity);
  Ground(0, 1, 126, 1, BOIS01);
  Ground(1, 3, 127, 3, BOIS01);
  Ground(0, 5, 127, 127, BOIS01);
  cHumanoide* walker = Unit(HUMAN, ARCHE, 0, 0);
  // Goal, walks, messages so far: beyond 256 levels the search gives up silently.
  const std::tuple<Cell, bool, int> cases[] = {{{3, 2}, true, 0},  {{2, 2}, false, 1},
                                               {{0, 2}, false, 2}, {{1, 4}, false, 3},
                                               {{2, 4}, false, 4}, {{3, 4}, false, 4}};
  for (const auto& [goal, walks, messages] : cases) {
    SCOPED_TRACE(goal.first * 10 + goal.second);
    walker->Tache = RECOLTE_BOIS;
    EXPECT_EQ(test::WalksAsLiteral(*walker, goal.first, goal.second), walks);
    EXPECT_EQ(test::WalkBackMessages(), messages);
    if (!walks) ExpectGaveUp(walker);
  }
}

// ---------------------------------------------------------------------------
// The walk, frame by frame.

using Walking = MotionTest;

// A sub-step comes more than the step interval after the last, one per call
// however long the pause. The unit takes its next cell at the first sub-step
// out of the last; the old one is cleared whoever holds it by then.
TEST_F(Walking, AWalkWithATurnGlidesTwoPixelsPerSubStepFromTheCellItLeaves) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  WalkTo(u, 12, 11);
  ASSERT_EQ(std::tuple(Entry(u->Trajet[0]), Entry(u->Trajet[1]), Entry(u->Trajet[2])),
            std::tuple(Cell(10, 10), Cell(11, 11), Cell(12, 11)));
  SubSteps(u, 1, 10);  // exactly the interval: not yet
  EXPECT_EQ(u->CurrentStep, 0);
  test::Occupy(10, 10);
  for (int s = 1; s <= 32; ++s) {
    SubSteps(u, 1, s == 2 ? 5000 : 1 + 10 * (s != 1));
    if (s == 1) {
      EXPECT_EQ(std::tuple(At(10, 10), At(11, 11)), std::tuple(nullptr, u));
    }
    u->Avancer();  // no time passed since that sub-step
    ASSERT_EQ(Now(u), s <= 16 ? std::make_tuple(11, 11, s % 16, 320 + 2 * s, 320 + 2 * s, DIR_SE)
                              : std::make_tuple(12, 11, s % 16, 320 + 2 * s, 352, DIR_E))
        << "sub-step " << s;
  }
  SubSteps(u, 1);  // standing on the destination: arrival
  EXPECT_EQ(std::tuple(u->Ordre, Now(u)),
            std::tuple(WAIT, std::make_tuple(12, 11, 0, 384, 352, DIR_NONE)));
  // Five sub-steps out of a cell, every other way: ten pixels along each axis.
  for (const auto& [dx, dy] : {Cell{1, -1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}}) {
    WalkTo(u, 12 + dx, 11 + dy);
    SubSteps(u, 5);
    EXPECT_EQ(Cell(u->PixelX, u->PixelY), Cell(384 + 10 * dx, 352 + 10 * dy)) << dx << dy;
    SubSteps(u, 11);
    WalkTo(u, 12, 11);
    SubSteps(u, 17);
  }
}

// A blocked next cell makes the unit plan again, or stop one cell short when
// it is the destination, or give up when no way is left.
TEST_F(Walking, ABlockedNextCellMakesTheUnitReplanStopShortOrGiveUp) {
  cHumanoide* u = OneCellEast(14);
  test::Occupy(12, 10);
  SubSteps(u, 1);  // no step this frame: the new path only
  EXPECT_EQ(std::make_pair(Now(u), u->Ordre),
            std::make_pair(std::make_tuple(11, 10, 0, 352, 320, DIR_E), GOTO));
  u->Avancer();  // the last step time was not taken: the next call steps
  EXPECT_EQ(Cell(u->Px, u->Py), Cell(12, 11));
  RemovecSprite(u);
  occupancy_grid[CellIndex(12, 10)] = nullptr;

  cHumanoide* v = OneCellEast(12, RECOLTE_OR);
  test::Occupy(12, 10);
  SubSteps(v, 1);
  EXPECT_EQ(std::tie(v->Ordre, v->Tache, v->Px, v->XObjectif),
            std::make_tuple(WAIT, RECOLTE_OR, 11, 12));
  RemovecSprite(v);
  occupancy_grid[CellIndex(12, 10)] = nullptr;

  cHumanoide* w = OneCellEast(14, ATTACK);
  Ground(13, 0, 13, kMapCapacity - 1, BOIS01);  // across the whole map
  SubSteps(w, 17);
  ExpectGaveUp(w);
  EXPECT_EQ(At(12, 10), w);
}

}  // namespace
