// Path finding checked against the plain level-by-level flood on many maps,
// its limits and tie-breaks; the walk frame by frame: glide, timing, blocked
// cells, the occupancy and the explored area following the unit.
#include "units/Motion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/literal_path.h"
#include "support/world.h"
#include "world/map.h"
#include "world/util.h"

namespace {

using Cell = std::pair<int, int>;

const char kWalkBackMessage[] =
    "sprites void cHumanoide::TrouverTrajet(int XBut,int YBut) impossible de trouver un chemin "
    "002\n";

Cell At(PathCell c) {
  return {c.x, c.y};
}

class MotionTest : public test::WorldTest {
 protected:
  static void SetMap(int width, int height) {
    tx_map = width;
    ty_map = height;
    terrain_grid.fill(HERBE1);
  }
  static void Ground(int x, int y, DECOR ground) { terrain_grid[CellIndex(x, y)] = ground; }
  void Occupy(int x, int y) { occupancy_grid[CellIndex(x, y)] = &stand_in_; }
  static void Vacate(int x, int y) { occupancy_grid[CellIndex(x, y)] = nullptr; }
  static cSprite* Holder(int x, int y) { return occupancy_grid[CellIndex(x, y)]; }

  cHumanoide* Unit(RACE race, DECOR kind, int x, int y) {
    return static_cast<cHumanoide*>(Add(race, kind, x, y));
  }
  // The cells of a successful walk, own cell first.
  static std::vector<Cell> Walk(const cHumanoide* u, int cells) {
    std::vector<Cell> walk;
    for (int k = 0; k < cells; ++k) walk.push_back(At(u->Trajet[k]));
    return walk;
  }
  // How often the walk back gave up with its message.
  int Messages() const {
    const std::string log = tree.Log("Fatal_Errors.txt");
    int n = 0;
    for (auto at = log.find(kWalkBackMessage); at != std::string::npos;
         at = log.find(kWalkBackMessage, at + 1))
      ++n;
    return n;
  }
  static void ExpectGaveUp(const cHumanoide* u) {
    for (PathCell c : u->Trajet) ASSERT_EQ(At(c), Cell(0, 0));
    EXPECT_EQ(Cell(u->XObjectif, u->YObjectif), Cell(0, 0));
    EXPECT_EQ(u->Tache, SANS_TACHE);
    EXPECT_EQ(u->Ordre, WAIT);
  }
  // The unit's search and the literal flood from the same state give the same
  // walk, goal, task, order and message. True when the unit, given a task,
  // kept it: the walk succeeded.
  bool SameAsLiteral(cHumanoide* u, int gx, int gy) {
    test::WalkState expected = test::WalkStateOf(*u);
    test::LiteralTrouverTrajet(expected, gx, gy);
    const int messages_before = Messages();
    u->TrouverTrajet(gx, gy);
    for (int k = 0; k < kPathLength; ++k) {
      EXPECT_EQ(At(u->Trajet[k]), At(expected.trajet[k])) << "entry " << k;
      if (At(u->Trajet[k]) != At(expected.trajet[k])) break;
    }
    EXPECT_EQ(Cell(u->XObjectif, u->YObjectif), Cell(expected.x_objectif, expected.y_objectif));
    EXPECT_EQ(u->Tache, expected.tache);
    EXPECT_EQ(u->Ordre, expected.ordre);
    EXPECT_EQ(Messages() - messages_before, expected.walk_back_gave_up ? 1 : 0);
    return u->Tache != SANS_TACHE;
  }

  test::Clock clock;  // before any sprite: every start time reads it
  cSprite stand_in_{NEUTRE, 0, 0, nullptr, nullptr};
};

// ---------------------------------------------------------------------------
// The walks of the fast flood are those of the level-by-level sweeps.

class PathEquivalence : public MotionTest {
 protected:
  // Grass with obstacles of every sort: other grounds, forest, and cells held
  // by a sprite, at the given share. Past the map the grids are grass, with a
  // few sprites (a footprint may stick out of the map).
  void RandomMap(std::mt19937& rng, int width, int height, double density) {
    static constexpr DECOR kGrounds[] = {HERBE2, BOIS07, VIDE};
    SetMap(width, height);
    occupancy_grid.fill(nullptr);
    occupied_.clear();
    std::bernoulli_distribution obstacle(density), outside(0.05);
    std::uniform_int_distribution<int> kind(0, 3);
    for (int x = 0; x < kMapCapacity; ++x) {
      for (int y = 0; y < kMapCapacity; ++y) {
        if (!IsInMap(x, y)) {
          if (outside(rng)) Occupy(x, y);
        } else if (obstacle(rng)) {
          const int k = kind(rng);
          if (k < 3) {
            Ground(x, y, kGrounds[k]);
          } else {
            Occupy(x, y);
            occupied_.push_back({x, y});
          }
        }
      }
    }
  }

  // A stale path and goal, and a task to lose.
  void Scramble(std::mt19937& rng) {
    std::uniform_int_distribution<int> byte(0, 255);
    for (PathCell& c : walker_->Trajet)
      c = PathCell{std::uint8_t(byte(rng)), std::uint8_t(byte(rng))};
    walker_->XObjectif = byte(rng);
    walker_->YObjectif = byte(rng);
    walker_->Tache = RECOLTE_OR;
    walker_->Ordre = GOTO;
  }

  // Random, far, near, own, off-map and occupied goals.
  std::vector<Cell> Goals(std::mt19937& rng) {
    std::uniform_int_distribution<int> rx(0, tx_map - 1), ry(0, ty_map - 1), near(-3, 3),
        wild(-3, kMapCapacity + 2);
    std::vector<Cell> goals{{rx(rng), ry(rng)},
                            {rx(rng), ry(rng)},
                            {tx_map - 1 - walker_->Px, ty_map - 1 - walker_->Py},
                            {walker_->Px + near(rng), walker_->Py + near(rng)},
                            {walker_->Px, walker_->Py},
                            {wild(rng), wild(rng)}};
    if (!occupied_.empty()) {
      goals.push_back(
          occupied_[std::uniform_int_distribution<std::size_t>(0, occupied_.size() - 1)(rng)]);
    }
    return goals;
  }

  struct Tally {
    int walks = 0, failures = 0, shifted_goals = 0;
  };

  // Maps from the seeds, sized by the given side lengths (0: random). Each
  // run must have seen at least the given walks, failures and shifted goals,
  // or it proves little.
  void Run(unsigned first_seed, unsigned seeds, int width, int height, Tally least) {
    static constexpr double kDensities[] = {0.0, 0.1, 0.2, 0.3, 0.45, 0.6};
    Tally tally;
    for (unsigned seed = first_seed; seed < first_seed + seeds && !HasFailure(); ++seed) {
      std::mt19937 rng(seed);
      std::uniform_int_distribution<int> side(1, kMapCapacity);
      const int w = width ? width : side(rng), h = height ? height : side(rng);
      RandomMap(rng, w, h, kDensities[seed % 6]);
      // The walker on a random free cell (the map was cleared of it).
      std::uniform_int_distribution<int> rx(0, w - 1), ry(0, h - 1);
      int tries = 0, x = rx(rng), y = ry(rng);
      while (!IsCellFree(x, y) && ++tries < 200) x = rx(rng), y = ry(rng);
      if (tries == 200) continue;
      walker_->SetPosition(x, y);
      occupancy_grid[CellIndex(x, y)] = walker_;
      // Now and then the walker holds no cell, as a worker inside a site.
      if (seed % 5 == 0) Vacate(walker_->Px, walker_->Py);
      for (auto [gx, gy] : Goals(rng)) {
        SCOPED_TRACE(::testing::Message()
                     << "seed " << seed << " map " << w << "x" << h << " from " << walker_->Px
                     << "," << walker_->Py << " to " << gx << "," << gy);
        Scramble(rng);
        const bool occupied = IsInMap(gx, gy) && Holder(gx, gy);
        if (SameAsLiteral(walker_, gx, gy)) {
          ++tally.walks;
          tally.shifted_goals += occupied;
        } else {
          ++tally.failures;
        }
        if (HasFailure()) return;
      }
    }
    EXPECT_GE(tally.walks, least.walks);
    EXPECT_GE(tally.failures, least.failures);
    EXPECT_GE(tally.shifted_goals, least.shifted_goals);
  }

  cHumanoide* walker_ = Unit(HUMAN, ARCHE, 0, 0);
  std::vector<Cell> occupied_;
};

TEST_F(PathEquivalence, MapsOfEverySize) {
  Run(1, 70, 0, 0, {200, 100, 60});
}

TEST_F(PathEquivalence, ThinMaps) {
  Run(1000, 30, 1, 0, {40, 60, 0});
  Run(2000, 30, 0, 2, {60, 0, 0});
}

TEST_F(PathEquivalence, FullMaps) {
  Run(3000, 18, kMapCapacity, kMapCapacity, {60, 20, 20});
}

// A corridor that doubles back on itself: row 0 eastward, through the gap at
// (127, 1) into row 2 westward, through the gap at (0, 3) into row 4. The
// cell (x, 2) lies 254 - x moves from (0, 0), (x, 4) 254 + x.
TEST_F(MotionTest, AWalkOf251CellsIsTheLongestThatSucceeds) {
  SetMap(kMapCapacity, kMapCapacity);
  for (int x = 0; x < kMapCapacity; ++x) {
    for (int y = 1; y < kMapCapacity; ++y) {
      const bool open = y == 2 || y == 4 || (y == 1 && x == 127) || (y == 3 && x == 0);
      if (!open) Ground(x, y, BOIS01);
    }
  }
  cHumanoide* walker = Unit(HUMAN, ARCHE, 0, 0);
  struct Case {
    Cell goal;
    bool walks;
    int messages;  // so far: beyond 256 levels the search gives up silently
  };
  const Case cases[] = {{{3, 2}, true, 0},   {{2, 2}, false, 1}, {{0, 2}, false, 2},
                        {{1, 4}, false, 3},  {{2, 4}, false, 4}, {{3, 4}, false, 4},
                        {{127, 4}, false, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.goal.first * 10 + c.goal.second);
    walker->Tache = RECOLTE_BOIS;
    EXPECT_EQ(SameAsLiteral(walker, c.goal.first, c.goal.second), c.walks);
    EXPECT_EQ(Messages(), c.messages);
    if (!c.walks) {
      ExpectGaveUp(walker);
    } else {
      EXPECT_EQ(At(walker->Trajet[251]), Cell(3, 2));
      EXPECT_EQ(At(walker->Trajet[127]), Cell(127, 1));
    }
  }
}

// ---------------------------------------------------------------------------
// Goals and tie-breaks, by hand (the random maps only prove the two searches
// agree).

using PathFinding = MotionTest;

TEST_F(PathFinding, AGoalOnTheUnitsOwnCellStepsAsideWestFirst) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  u->TrouverTrajet(10, 10);
  EXPECT_EQ(Cell(u->XObjectif, u->YObjectif), Cell(9, 10));
  EXPECT_EQ(Walk(u, 2), (std::vector<Cell>{{10, 10}, {9, 10}}));
  Ground(9, 10, BOIS01);  // west taken: north-west next
  u->TrouverTrajet(10, 10);
  EXPECT_EQ(Walk(u, 2), (std::vector<Cell>{{10, 10}, {9, 9}}));
  Occupy(9, 9);
  Occupy(10, 9);
  u->TrouverTrajet(10, 10);  // then north, then north-east
  EXPECT_EQ(Cell(u->XObjectif, u->YObjectif), Cell(11, 9));
}

TEST_F(PathFinding, AnOccupiedGoalWithNoFreeNeighbourLeavesTheUnitIdle) {
  Add(NEUTRE, MINEO, 20, 20);  // 3 x 3: its middle cell is walled in by itself
  cHumanoide* u = Unit(HUMAN, PAYSA, 15, 21);
  u->Tache = RECOLTE_OR;
  u->Ordre = GOTO;
  u->TrouverTrajet(21, 21);
  ExpectGaveUp(u);
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"), "");

  u->TrouverTrajet(20, 21);  // an edge cell of the mine: its west neighbour
  EXPECT_EQ(Cell(u->XObjectif, u->YObjectif), Cell(19, 21));
  EXPECT_EQ(At(u->Trajet[4]), Cell(19, 21));
}

TEST_F(PathFinding, TiesGoToTheFirstNeighbourFromTheGoalSide) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 5, 5);
  // (6, 6) and (6, 5) both lead to (7, 6): west is looked at before north-west.
  u->TrouverTrajet(7, 6);
  EXPECT_EQ(Walk(u, 3), (std::vector<Cell>{{5, 5}, {6, 6}, {7, 6}}));
  // Round a rock at (3, 3) from (2, 2) to (4, 4): north before west.
  cHumanoide* v = Unit(HUMAN, ARCHE, 2, 2);
  Ground(3, 3, HERBE2);
  v->TrouverTrajet(4, 4);
  EXPECT_EQ(Walk(v, 4), (std::vector<Cell>{{2, 2}, {3, 2}, {4, 3}, {4, 4}}));
}

// ---------------------------------------------------------------------------
// The walk, frame by frame.

class Walking : public MotionTest {
 protected:
  static void Order(cHumanoide* u, int x, int y) {
    u->TrouverTrajet(x, y);
    u->Ordre = GOTO;
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
    Order(u, x, 10);
    SubSteps(u, 16);
    return u;
  }
  // Frames one step interval and one millisecond apart until the unit stops.
  int FramesToStop(cHumanoide* u, int limit = 10000) {
    int frames = 0;
    for (; u->Ordre == GOTO && frames < limit; ++frames) SubSteps(u, 1, u->pDef->Vitesse + 1);
    return frames;
  }
};

// What a frame shows of a walking unit.
struct Frame {
  int px, py, step, pixel_x, pixel_y;
  DIRECTION direction;
  bool operator==(const Frame&) const = default;
};

void PrintTo(const Frame& f, std::ostream* os) {
  *os << "cell " << f.px << "," << f.py << " step " << f.step << " pixel " << f.pixel_x << ","
      << f.pixel_y << " direction " << int(f.direction);
}

Frame Now(const cHumanoide* u) {
  return {u->Px, u->Py, u->CurrentStep, u->PixelX, u->PixelY, u->CurrentDirection};
}

TEST_F(Walking, AWalkWithATurnGlidesTwoPixelsPerSubStep) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  Order(u, 12, 11);
  ASSERT_EQ(Walk(u, 3), (std::vector<Cell>{{10, 10}, {11, 11}, {12, 11}}));
  for (int s = 1; s <= 32; ++s) {
    SubSteps(u, 1);
    const Frame want = s <= 16 ? Frame{11, 11, s % 16, 320 + 2 * s, 320 + 2 * s, DIR_SE}
                               : Frame{12, 11, s % 16, 320 + 2 * s, 352, DIR_E};
    ASSERT_EQ(Now(u), want) << "sub-step " << s;
  }
  EXPECT_EQ(u->Ordre, GOTO);
  SubSteps(u, 1);  // standing on the destination: arrival
  EXPECT_EQ(u->Ordre, WAIT);
  EXPECT_EQ(Now(u), (Frame{12, 11, 0, 384, 352, DIR_NONE}));
}

TEST_F(Walking, EveryDirectionStartsFromTheCellItLeaves) {
  // Five sub-steps out of (10, 10): ten pixels along each axis of the move.
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      if (dx == 0 && dy == 0) continue;
      SCOPED_TRACE(dx * 10 + dy);
      cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
      Order(u, 10 + dx, 10 + dy);
      SubSteps(u, 5);
      EXPECT_EQ(Cell(u->PixelX, u->PixelY), Cell(320 + 10 * dx, 320 + 10 * dy));
      EXPECT_EQ(u->CurrentDirection, GetDirection(0, 0, dx, dy));
      RemovecSprite(u);
    }
  }
}

TEST_F(Walking, ASubStepNeedsMoreThanTheStepIntervalAndComesOncePerCall) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  Order(u, 14, 10);
  SubSteps(u, 1, 10);  // exactly the interval: not yet
  EXPECT_EQ(std::make_pair(u->CurrentStep, u->Px), std::make_pair(0, 10));
  SubSteps(u, 1, 1);
  EXPECT_EQ(u->CurrentStep, 1);
  u->Avancer();  // no time passed since that sub-step
  EXPECT_EQ(u->CurrentStep, 1);
  SubSteps(u, 1, 5000);  // a long pause still gives a single sub-step
  EXPECT_EQ(std::make_pair(u->CurrentStep, u->PixelX), std::make_pair(2, 324));
}

TEST_F(Walking, TheOccupancyAndThePathMoveOnACellAtItsFirstSubStep) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  for (int k = 0; k < kPathLength; ++k) u->Trajet[k] = PathCell{std::uint8_t(k / 2), 99};
  Order(u, 13, 10);
  const auto before = u->Trajet;
  SubSteps(u, 1);
  EXPECT_EQ(Holder(10, 10), nullptr);
  EXPECT_EQ(Holder(11, 10), u);
  EXPECT_EQ(Cell(u->Px, u->Py), Cell(11, 10));
  EXPECT_EQ(u->PixelX, 322);  // drawn still almost on the old cell
  // One entry down; the last six stay.
  for (int k = 0; k < 250; ++k) ASSERT_EQ(At(u->Trajet[k]), At(before[k + 1])) << k;
  for (int k = 250; k < kPathLength; ++k) ASSERT_EQ(At(u->Trajet[k]), At(before[k])) << k;
  SubSteps(u, 15);
  EXPECT_EQ(At(u->Trajet[0]), Cell(11, 10));  // not shifted again within the move
  EXPECT_EQ(At(u->Trajet[1]), Cell(12, 10));
  EXPECT_EQ(FramesToStop(u), 2 * 16 + 1);
  EXPECT_EQ(Holder(12, 10), nullptr);
  EXPECT_EQ(Holder(13, 10), u);
}

TEST_F(Walking, ABlockedNextCellMakesTheUnitReplan) {
  cHumanoide* u = OneCellEast(14);
  ASSERT_EQ(Now(u), (Frame{11, 10, 0, 352, 320, DIR_E}));
  Occupy(12, 10);
  SubSteps(u, 1);  // no step this frame: the new path only
  EXPECT_EQ(Now(u), (Frame{11, 10, 0, 352, 320, DIR_E}));
  EXPECT_EQ(u->Ordre, GOTO);
  EXPECT_EQ(Walk(u, 4), (std::vector<Cell>{{11, 10}, {12, 11}, {13, 10}, {14, 10}}));
  u->Avancer();  // the last step time was not taken: the next call steps
  EXPECT_EQ(Cell(u->Px, u->Py), Cell(12, 11));
  EXPECT_EQ(u->CurrentDirection, DIR_SE);
  FramesToStop(u);
  EXPECT_EQ(Cell(u->Px, u->Py), Cell(14, 10));
}

TEST_F(Walking, ABlockedDestinationStopsTheUnitOneCellShort) {
  cHumanoide* u = OneCellEast(12, RECOLTE_OR);
  cHumanoide* other = Unit(ORC, OGUER, 12, 10);
  SubSteps(u, 1);
  EXPECT_EQ(u->Ordre, WAIT);
  EXPECT_EQ(u->Tache, RECOLTE_OR);
  EXPECT_EQ(Cell(u->XObjectif, u->YObjectif), Cell(12, 10));
  EXPECT_EQ(Now(u), (Frame{11, 10, 0, 352, 320, DIR_E}));
  EXPECT_EQ(Holder(12, 10), other);
}

TEST_F(Walking, AReplanThatFindsNoWayLeavesTheUnitIdle) {
  cHumanoide* u = OneCellEast(14, ATTACK);
  for (int y = 0; y < kMapCapacity; ++y) Ground(12, y, BOIS01);  // across the whole map
  SubSteps(u, 1);
  ExpectGaveUp(u);
  EXPECT_EQ(Cell(u->Px, u->Py), Cell(11, 10));
  EXPECT_EQ(Holder(11, 10), u);
}

TEST_F(Walking, AHumanUnitOpensTheExploredAreaAsItGoes) {
  cHumanoide* human = Unit(HUMAN, ARCHE, 10, 10);  // sees 3 cells around
  cHumanoide* orc = Unit(ORC, OGUER, 10, 40);
  EXPECT_EQ(Zone_Connue[CellIndex(13, 10)], 1);
  EXPECT_EQ(Zone_Connue[CellIndex(14, 10)], 0);
  Order(human, 12, 10);
  Order(orc, 20, 40);
  auto passes = [&](int n) {
    for (int s = 0; s < n; ++s) {
      clock.Advance(151);
      MoveSprites();
    }
  };
  passes(1);
  EXPECT_EQ(Zone_Connue[CellIndex(14, 13)], 1);
  EXPECT_EQ(Zone_Connue[CellIndex(15, 10)], 0);
  passes(15);
  EXPECT_EQ(Zone_Connue[CellIndex(15, 10)], 0);  // only the first sub-step reveals
  passes(1);
  EXPECT_EQ(Zone_Connue[CellIndex(15, 7)], 1);
  for (int x = 5; x < 25; ++x) {
    for (int y = 35; y < 46; ++y) ASSERT_EQ(Zone_Connue[CellIndex(x, y)], 0) << x << "," << y;
  }
}

// Workers and soldiers crossing each other's ways on a cluttered field: in
// every frame each unit holds exactly its own cell, and all of them stop.
TEST_F(Walking, ACrowdNeverSharesACellAndEveryoneStops) {
  SetMap(24, 20);
  std::mt19937 rng(7);
  std::bernoulli_distribution rock(0.15);
  for (int x = 0; x < 24; ++x) {
    for (int y = 0; y < 20; ++y) {
      if (x % 6 != 0 && rock(rng)) Ground(x, y, HERBE2);
    }
  }
  std::vector<cHumanoide*> crowd;
  for (int i = 0; i < 8; ++i) {
    crowd.push_back(Unit(i % 2 ? ORC : HUMAN, i % 2 ? OPAYS : PAYSA, 0, 2 * i + 1));
    crowd.push_back(Unit(HUMAN, GUERR, 23, 2 * i + 2));
  }
  for (std::size_t i = 0; i < crowd.size(); ++i) {
    Order(crowd[i], crowd[i]->Px == 0 ? 23 : 0, int(crowd.size() - i) + 1);
  }
  auto walking = [&] {
    return std::any_of(crowd.begin(), crowd.end(), [](cHumanoide* u) { return u->Ordre == GOTO; });
  };
  for (int frame = 0; walking() && frame < 20000; ++frame) {
    clock.Advance(7);
    MoveSprites();
    int held = 0;
    for (cSprite* s : occupancy_grid) held += s != nullptr;
    ASSERT_EQ(held, int(crowd.size())) << "frame " << frame;
    for (cHumanoide* u : crowd) ASSERT_EQ(Holder(u->Px, u->Py), u) << "frame " << frame;
  }
  EXPECT_FALSE(walking());
  int crossed = 0;
  for (std::size_t i = 0; i < crowd.size(); ++i) crossed += crowd[i]->Px != (i % 2 ? 23 : 0);
  EXPECT_GE(crossed, 12);  // a few may find their way shut for good
}

}  // namespace
