// Path finding checked against the plain level-by-level flood on many maps,
// its limits and tie-breaks; the walk frame by frame: glide, timing, blocked
// cells, the occupancy and the explored area following the unit.
#include "units/Motion.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

int Count(const std::string& text, const std::string& needle) {
  int n = 0;
  for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
  return n;
}

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
  // Moves a standing unit to another cell, occupancy included.
  static void Place(cHumanoide* u, int x, int y) {
    if (Holder(u->Px, u->Py) == u) Vacate(u->Px, u->Py);
    u->SetPosition(x, y);
    occupancy_grid[CellIndex(x, y)] = u;
  }
  // The cells of a successful walk, own cell first.
  static std::vector<Cell> Walk(const cHumanoide* u, int cells) {
    std::vector<Cell> walk;
    for (int k = 0; k < cells; ++k) walk.push_back(At(u->Trajet[k]));
    return walk;
  }
  std::string FatalLog() const { return tree.Log("Fatal_Errors.txt"); }

  static void ExpectGaveUp(const cHumanoide* u) {
    for (PathCell c : u->Trajet) ASSERT_EQ(At(c), Cell(0, 0));
    EXPECT_EQ(Cell(u->XObjectif, u->YObjectif), Cell(0, 0));
    EXPECT_EQ(u->Tache, SANS_TACHE);
    EXPECT_EQ(u->Ordre, WAIT);
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
    SetMap(width, height);
    occupancy_grid.fill(nullptr);
    occupied_.clear();
    std::bernoulli_distribution obstacle(density), outside(0.05);
    std::uniform_int_distribution<int> kind(0, 3);
    for (int x = 0; x < kMapCapacity; ++x) {
      for (int y = 0; y < kMapCapacity; ++y) {
        if (!IsInMap(x, y)) {
          if (outside(rng)) Occupy(x, y);
          continue;
        }
        if (!obstacle(rng)) continue;
        switch (kind(rng)) {
          case 0:
            Ground(x, y, HERBE2);
            break;
          case 1:
            Ground(x, y, BOIS07);
            break;
          case 2:
            Ground(x, y, VIDE);
            break;
          default:
            Occupy(x, y);
            occupied_.push_back({x, y});
        }
      }
    }
  }

  // The unit on a random free cell, with a stale path and a task to lose.
  bool PlaceWalker(std::mt19937& rng) {
    std::uniform_int_distribution<int> rx(0, tx_map - 1), ry(0, ty_map - 1);
    for (int tries = 0; tries < 200; ++tries) {
      const int x = rx(rng), y = ry(rng);
      if (!IsCellFree(x, y)) continue;
      Place(walker_, x, y);
      return true;
    }
    return false;
  }

  void Scramble(std::mt19937& rng) {
    std::uniform_int_distribution<int> byte(0, 255);
    for (PathCell& c : walker_->Trajet) {
      c = PathCell{std::uint8_t(byte(rng)), std::uint8_t(byte(rng))};
    }
    walker_->XObjectif = byte(rng);
    walker_->YObjectif = byte(rng);
    walker_->Tache = RECOLTE_OR;
    walker_->Ordre = GOTO;
  }

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

  // Both searches from the same state; true when the walk succeeded.
  bool Compare(int gx, int gy) {
    test::WalkState expected = test::WalkStateOf(*walker_);
    test::LiteralTrouverTrajet(expected, gx, gy);
    const int messages_before = Count(FatalLog(), kWalkBackMessage);
    walker_->TrouverTrajet(gx, gy);
    const test::WalkState got = test::WalkStateOf(*walker_);
    for (int k = 0; k < kPathLength; ++k) {
      EXPECT_EQ(At(got.trajet[k]), At(expected.trajet[k])) << "entry " << k;
      if (At(got.trajet[k]) != At(expected.trajet[k])) break;
    }
    EXPECT_EQ(Cell(got.x_objectif, got.y_objectif), Cell(expected.x_objectif, expected.y_objectif));
    EXPECT_EQ(got.tache, expected.tache);
    EXPECT_EQ(got.ordre, expected.ordre);
    EXPECT_EQ(Count(FatalLog(), kWalkBackMessage) - messages_before,
              expected.walk_back_gave_up ? 1 : 0);
    return got.tache == RECOLTE_OR;
  }

  struct Tally {
    int walks = 0, failures = 0, shifted_goals = 0;
  };

  // Maps from the seeds, sized by the given side lengths (0: random).
  Tally Run(unsigned first_seed, unsigned seeds, int width, int height) {
    static constexpr double kDensities[] = {0.0, 0.1, 0.2, 0.3, 0.45, 0.6};
    Tally tally;
    if (!walker_) walker_ = Unit(HUMAN, ARCHE, 0, 0);
    for (unsigned seed = first_seed; seed < first_seed + seeds; ++seed) {
      std::mt19937 rng(seed);
      std::uniform_int_distribution<int> side(1, kMapCapacity);
      const int w = width ? width : side(rng), h = height ? height : side(rng);
      RandomMap(rng, w, h, kDensities[seed % 6]);
      if (!PlaceWalker(rng)) continue;
      // Now and then the walker holds no cell, as a worker inside a site.
      if (seed % 5 == 0) Vacate(walker_->Px, walker_->Py);
      for (auto [gx, gy] : Goals(rng)) {
        SCOPED_TRACE(::testing::Message()
                     << "seed " << seed << " map " << w << "x" << h << " from " << walker_->Px
                     << "," << walker_->Py << " to " << gx << "," << gy);
        Scramble(rng);
        const bool occupied = IsInMap(gx, gy) && Holder(gx, gy);
        if (Compare(gx, gy)) {
          ++tally.walks;
          tally.shifted_goals += occupied;
        } else {
          ++tally.failures;
        }
        if (HasFailure()) return tally;
      }
    }
    return tally;
  }

  cHumanoide* walker_ = nullptr;
  std::vector<Cell> occupied_;
};

// Each run must have seen walks, failures and shifted goals, or it proves
// little.
TEST_F(PathEquivalence, MapsOfEverySize) {
  const Tally t = Run(1, 70, 0, 0);
  EXPECT_GT(t.walks, 200);
  EXPECT_GT(t.failures, 100);
  EXPECT_GT(t.shifted_goals, 60);
}

TEST_F(PathEquivalence, ThinMaps) {
  const Tally t = Run(1000, 30, 1, 0);
  EXPECT_GT(t.walks, 40);
  EXPECT_GT(t.failures, 60);
  const Tally u = Run(2000, 30, 0, 2);
  EXPECT_GT(u.walks, 60);
}

TEST_F(PathEquivalence, FullMaps) {
  const Tally t = Run(3000, 18, kMapCapacity, kMapCapacity);
  EXPECT_GT(t.walks, 60);
  EXPECT_GT(t.failures, 20);
  EXPECT_GT(t.shifted_goals, 20);
}

// A corridor that doubles back on itself: row 0 eastward, through the gap at
// (127, 1) into row 2 westward, through the gap at (0, 3) into row 4. The
// cell (x, 2) lies 254 - x moves from (0, 0).
class Corridor : public MotionTest {
 protected:
  Corridor() {
    SetMap(kMapCapacity, kMapCapacity);
    for (int x = 0; x < kMapCapacity; ++x) {
      for (int y = 1; y < kMapCapacity; ++y) {
        const bool open = y == 2 || y == 4 || (y == 1 && x == 127) || (y == 3 && x == 0);
        if (!open) Ground(x, y, BOIS01);
      }
    }
    walker_ = Unit(HUMAN, ARCHE, 0, 0);
  }
  void ExpectSameAsLiteral(int gx, int gy) {
    test::WalkState expected = test::WalkStateOf(*walker_);
    test::LiteralTrouverTrajet(expected, gx, gy);
    walker_->TrouverTrajet(gx, gy);
    EXPECT_EQ(walker_->Tache, expected.tache);
    for (int k = 0; k < kPathLength; ++k) {
      ASSERT_EQ(At(walker_->Trajet[k]), At(expected.trajet[k])) << "entry " << k;
    }
  }

  cHumanoide* walker_;
};

TEST_F(Corridor, AWalkOf251CellsIsTheLongestThatSucceeds) {
  walker_->Tache = RECOLTE_BOIS;
  walker_->TrouverTrajet(3, 2);
  EXPECT_EQ(walker_->Tache, RECOLTE_BOIS);
  EXPECT_EQ(At(walker_->Trajet[251]), Cell(3, 2));
  EXPECT_EQ(At(walker_->Trajet[127]), Cell(127, 1));
  EXPECT_EQ(At(walker_->Trajet[0]), Cell(0, 0));
  for (int k = 1; k <= 251; ++k) {
    const Cell a = At(walker_->Trajet[k - 1]), b = At(walker_->Trajet[k]);
    ASSERT_LE(std::abs(a.first - b.first), 1) << k;
    ASSERT_LE(std::abs(a.second - b.second), 1) << k;
    ASSERT_NE(a, b) << k;
  }
  EXPECT_EQ(Count(FatalLog(), kWalkBackMessage), 0);
  ExpectSameAsLiteral(3, 2);
}

TEST_F(Corridor, WalksOf252To256CellsGiveUpWithTheMessage) {
  // (2, 2) is 252 moves away; (1, 4) and (2, 4) are 255 and 256.
  int expected_messages = 0;
  for (Cell goal : {Cell{2, 2}, Cell{0, 2}, Cell{1, 4}, Cell{2, 4}}) {
    SCOPED_TRACE(goal.first * 10 + goal.second);
    walker_->Tache = RECOLTE_BOIS;
    walker_->TrouverTrajet(goal.first, goal.second);
    ExpectGaveUp(walker_);
    EXPECT_EQ(Count(FatalLog(), kWalkBackMessage), ++expected_messages);
  }
  ExpectSameAsLiteral(2, 4);
}

TEST_F(Corridor, AGoalBeyond256LevelsGivesUpSilently) {
  walker_->Tache = RECOLTE_BOIS;
  walker_->TrouverTrajet(3, 4);
  ExpectGaveUp(walker_);
  walker_->TrouverTrajet(127, 4);
  ExpectGaveUp(walker_);
  EXPECT_EQ(Count(FatalLog(), kWalkBackMessage), 0);
  ExpectSameAsLiteral(3, 4);
}

// ---------------------------------------------------------------------------
// Goals and tie-breaks, by hand.

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
  EXPECT_EQ(Count(FatalLog(), "chemin"), 0);

  u->TrouverTrajet(20, 21);  // an edge cell of the mine: its west neighbour
  EXPECT_EQ(Cell(u->XObjectif, u->YObjectif), Cell(19, 21));
  EXPECT_EQ(At(u->Trajet[4]), Cell(19, 21));
}

TEST_F(PathFinding, UnwalkableOrOffMapGoalsFailSilently) {
  SetMap(40, 30);  // the grids past the map stay grass
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  const Cell goals[] = {{12, 10}, {40, 10}, {10, 30}, {-1, 10}, {10, 200}};
  Ground(12, 10, BOIS03);
  for (Cell g : goals) {
    SCOPED_TRACE(g.first * 1000 + g.second);
    u->Tache = RECOLTE_BOIS;
    u->TrouverTrajet(g.first, g.second);
    ExpectGaveUp(u);
  }
  EXPECT_EQ(Count(FatalLog(), "chemin"), 0);
}

TEST_F(PathFinding, AFreeGoalWalledOffIsNeverReached) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  for (int x = 49; x <= 51; ++x) {
    for (int y = 49; y <= 51; ++y) {
      if (x != 50 || y != 50) Ground(x, y, HERBE2);
    }
  }
  u->Tache = ATTACK;
  u->TrouverTrajet(50, 50);
  ExpectGaveUp(u);
}

TEST_F(PathFinding, ANeighbourGoalGivesTwoCellsAndKeepsTheRestOfThePath) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  for (int k = 0; k < kPathLength; ++k) u->Trajet[k] = PathCell{7, std::uint8_t(k)};
  u->TrouverTrajet(11, 9);
  EXPECT_EQ(Walk(u, 2), (std::vector<Cell>{{10, 10}, {11, 9}}));
  for (int k = 2; k < kPathLength; ++k) ASSERT_EQ(At(u->Trajet[k]), Cell(7, k));
}

TEST_F(PathFinding, TiesGoToTheFirstNeighbourFromTheGoalSide) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 5, 5);
  // (6, 6) and (6, 5) both lead to (7, 6): west is looked at before north-west.
  u->TrouverTrajet(7, 6);
  EXPECT_EQ(Walk(u, 3), (std::vector<Cell>{{5, 5}, {6, 6}, {7, 6}}));
  // Round a rock at (3, 3) from (2, 2) to (4, 4): north before west.
  Place(u, 2, 2);
  Ground(3, 3, HERBE2);
  u->TrouverTrajet(4, 4);
  EXPECT_EQ(Walk(u, 4), (std::vector<Cell>{{2, 2}, {3, 2}, {4, 3}, {4, 4}}));
}

TEST_F(PathFinding, ADiagonalStepSlipsBetweenTwoBlockedCells) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 5, 5);
  Ground(6, 5, BOIS01);
  Occupy(5, 6);
  u->TrouverTrajet(6, 6);
  EXPECT_EQ(Walk(u, 2), (std::vector<Cell>{{5, 5}, {6, 6}}));
}

TEST_F(PathFinding, TheWalkKeepsToTheMapAndRoundsSprites) {
  SetMap(12, 6);  // the grids below row 5 are grass, but off the map
  cHumanoide* u = Unit(HUMAN, ARCHE, 1, 1);
  for (int y = 0; y < 5; ++y) Occupy(6, y);  // a wall open only at the bottom row
  u->TrouverTrajet(10, 1);
  EXPECT_EQ(At(u->Trajet[0]), Cell(1, 1));
  EXPECT_EQ(At(u->Trajet[5]), Cell(6, 5));
  EXPECT_EQ(At(u->Trajet[9]), Cell(10, 1));
  for (int k = 1; k <= 9; ++k) EXPECT_TRUE(IsCellFree(u->Trajet[k].x, u->Trajet[k].y)) << k;
  Occupy(6, 5);
  u->TrouverTrajet(10, 1);
  ExpectGaveUp(u);
}

// ---------------------------------------------------------------------------
// The walk, frame by frame.

class Walking : public MotionTest {
 protected:
  // One movement pass, as the frame composition runs it.
  static void MovementPass() {
    for (RACE race : {HUMAN, ORC, NEUTRE}) {
      ForEachSprite(race, [](cSprite* s) {
        if (s->Ordre == GOTO) s->Avancer();
      });
    }
  }
  static void Order(cHumanoide* u, int x, int y) {
    u->TrouverTrajet(x, y);
    u->Ordre = GOTO;
  }
  // Frames one step interval and one millisecond apart until the unit stops.
  int FramesToStop(cHumanoide* u, int limit = 10000) {
    int frames = 0;
    while (u->Ordre == GOTO && frames < limit) {
      clock.Advance(u->pDef->Vitesse + 1);
      u->Avancer();
      ++frames;
    }
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
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);  // steps every 10 ms
  Order(u, 12, 11);
  ASSERT_EQ(Walk(u, 3), (std::vector<Cell>{{10, 10}, {11, 11}, {12, 11}}));
  std::vector<Frame> expected;
  for (int s = 1; s <= 16; ++s) {
    expected.push_back({11, 11, s % 16, 320 + 2 * s, 320 + 2 * s, DIR_SE});
  }
  for (int s = 1; s <= 16; ++s) expected.push_back({12, 11, s % 16, 352 + 2 * s, 352, DIR_E});
  for (const Frame& want : expected) {
    clock.Advance(11);
    u->Avancer();
    ASSERT_EQ(Now(u), want) << "sub-step " << (&want - expected.data());
  }
  EXPECT_EQ(u->Ordre, GOTO);
  clock.Advance(11);
  u->Avancer();  // standing on the destination: arrival
  EXPECT_EQ(u->Ordre, WAIT);
  EXPECT_EQ(Now(u), (Frame{12, 11, 0, 384, 352, DIR_NONE}));
}

TEST_F(Walking, EveryDirectionStartsFromTheCellItLeaves) {
  // Five sub-steps out of (10, 10): ten pixels along each axis of the move.
  const std::pair<Cell, Cell> moves[] = {
      {{1, -1}, {330, 310}}, {{1, 0}, {330, 320}},  {{1, 1}, {330, 330}},   {{0, 1}, {320, 330}},
      {{-1, 1}, {310, 330}}, {{-1, 0}, {310, 320}}, {{-1, -1}, {310, 310}}, {{0, -1}, {320, 310}}};
  for (auto [delta, pixel] : moves) {
    SCOPED_TRACE(delta.first * 10 + delta.second);
    cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
    Order(u, 10 + delta.first, 10 + delta.second);
    for (int s = 0; s < 5; ++s) {
      clock.Advance(11);
      u->Avancer();
    }
    EXPECT_EQ(Cell(u->PixelX, u->PixelY), pixel);
    EXPECT_EQ(u->CurrentDirection, GetDirection(0, 0, delta.first, delta.second));
    RemovecSprite(u);
  }
}

TEST_F(Walking, ASubStepNeedsMoreThanTheStepIntervalAndComesOncePerCall) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  Order(u, 14, 10);
  clock.Advance(10);  // exactly the interval: not yet
  u->Avancer();
  EXPECT_EQ(u->CurrentStep, 0);
  EXPECT_EQ(u->Px, 10);
  clock.Advance(1);
  u->Avancer();
  EXPECT_EQ(u->CurrentStep, 1);
  u->Avancer();  // no time passed since that sub-step
  EXPECT_EQ(u->CurrentStep, 1);
  clock.Advance(5000);  // a long pause still gives a single sub-step
  u->Avancer();
  EXPECT_EQ(u->CurrentStep, 2);
  EXPECT_EQ(u->PixelX, 324);
}

TEST_F(Walking, AOneMillisecondSoldierTakesSixteenFramesPerCell) {
  cHumanoide* u = Unit(HUMAN, GUERR, 10, 10);
  Order(u, 13, 10);
  int frames = 0;
  while (u->Px != 11 || u->CurrentStep != 0) {
    clock.Advance(2);
    u->Avancer();
    ASSERT_LT(++frames, 100);
  }
  EXPECT_EQ(frames, 16);
  EXPECT_EQ(FramesToStop(u), 2 * 16 + 1);
  EXPECT_EQ(Cell(u->Px, u->Py), Cell(13, 10));
}

TEST_F(Walking, TheOccupancyJumpsToTheNextCellAtTheFirstSubStep) {
  cHumanoide* u = Unit(ORC, OGUER, 10, 10);
  Order(u, 12, 10);
  clock.Advance(151);
  u->Avancer();
  EXPECT_EQ(Holder(10, 10), nullptr);
  EXPECT_EQ(Holder(11, 10), u);
  EXPECT_EQ(Cell(u->Px, u->Py), Cell(11, 10));
  EXPECT_EQ(u->PixelX, 322);  // drawn still almost on the old cell
  EXPECT_EQ(FramesToStop(u), 32);
  EXPECT_EQ(Holder(11, 10), nullptr);
  EXPECT_EQ(Holder(12, 10), u);
}

TEST_F(Walking, ThePathMovesDownOneEntryPerCellAndKeepsItsLastSix) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  for (int k = 0; k < kPathLength; ++k) u->Trajet[k] = PathCell{std::uint8_t(k / 2), 99};
  Order(u, 13, 10);
  const auto before = u->Trajet;
  clock.Advance(11);
  u->Avancer();
  for (int k = 0; k < 250; ++k) ASSERT_EQ(At(u->Trajet[k]), At(before[k + 1])) << k;
  for (int k = 250; k < kPathLength; ++k) ASSERT_EQ(At(u->Trajet[k]), At(before[k])) << k;
  for (int s = 2; s <= 16; ++s) {
    clock.Advance(11);
    u->Avancer();
  }
  EXPECT_EQ(At(u->Trajet[0]), Cell(11, 10));  // not shifted again within the move
  EXPECT_EQ(At(u->Trajet[1]), Cell(12, 10));
}

TEST_F(Walking, ABlockedNextCellMakesTheUnitReplan) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  Order(u, 14, 10);
  for (int s = 0; s < 16; ++s) {
    clock.Advance(11);
    u->Avancer();
  }
  ASSERT_EQ(Now(u), (Frame{11, 10, 0, 352, 320, DIR_E}));
  Occupy(12, 10);
  clock.Advance(11);
  u->Avancer();  // no step this frame: the new path only
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
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  u->Tache = RECOLTE_OR;
  Order(u, 12, 10);
  for (int s = 0; s < 16; ++s) {
    clock.Advance(11);
    u->Avancer();
  }
  cHumanoide* other = Unit(ORC, OGUER, 12, 10);
  clock.Advance(11);
  u->Avancer();
  EXPECT_EQ(u->Ordre, WAIT);
  EXPECT_EQ(u->Tache, RECOLTE_OR);
  EXPECT_EQ(Cell(u->XObjectif, u->YObjectif), Cell(12, 10));
  EXPECT_EQ(Now(u), (Frame{11, 10, 0, 352, 320, DIR_E}));
  EXPECT_EQ(Holder(12, 10), other);
}

TEST_F(Walking, AReplanThatFindsNoWayLeavesTheUnitIdle) {
  cHumanoide* u = Unit(HUMAN, ARCHE, 10, 10);
  u->Tache = ATTACK;
  Order(u, 14, 10);
  for (int s = 0; s < 16; ++s) {
    clock.Advance(11);
    u->Avancer();
  }
  for (int y = 0; y < kMapCapacity; ++y) Ground(12, y, BOIS01);  // across the whole map
  clock.Advance(11);
  u->Avancer();
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
  clock.Advance(151);
  MovementPass();
  EXPECT_EQ(Zone_Connue[CellIndex(14, 13)], 1);
  EXPECT_EQ(Zone_Connue[CellIndex(15, 10)], 0);
  for (int s = 2; s <= 16; ++s) {
    clock.Advance(151);
    MovementPass();
  }
  EXPECT_EQ(Zone_Connue[CellIndex(15, 10)], 0);  // only the first sub-step reveals
  clock.Advance(151);
  MovementPass();
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
  std::vector<int> start_columns;
  for (cHumanoide* u : crowd) start_columns.push_back(u->Px);
  for (std::size_t i = 0; i < crowd.size(); ++i) {
    const int row = int(crowd.size() - 1 - i);
    Order(crowd[i], crowd[i]->Px == 0 ? 23 : 0, row + 2);
  }
  int frames = 0;
  auto walking = [&] {
    for (cHumanoide* u : crowd) {
      if (u->Ordre == GOTO) return true;
    }
    return false;
  };
  while (walking() && frames < 20000) {
    clock.Advance(7);
    MovementPass();
    ++frames;
    int held = 0;
    for (cSprite* s : occupancy_grid) held += s != nullptr;
    ASSERT_EQ(held, int(crowd.size())) << "frame " << frames;
    for (cHumanoide* u : crowd) ASSERT_EQ(Holder(u->Px, u->Py), u) << "frame " << frames;
  }
  EXPECT_FALSE(walking());
  int crossed = 0;
  for (std::size_t i = 0; i < crowd.size(); ++i) crossed += crowd[i]->Px != start_columns[i];
  EXPECT_GE(crossed, 12);  // a few may find their way shut for good
}

}  // namespace
