// Cell tests, searches around rectangles, directions and the forest edge.
#include "world/util.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/world.h"
#include "world/decors.h"
#include "world/sprites.h"

namespace {

using Cell = std::pair<int, int>;

// A map of 32 x 28 cells, not square so that swapped coordinates show, all
// grass and empty; the grids past the map are grass too, so that only the
// bounds keep a search inside.
class UtilTest : public ::testing::Test {
 protected:
  UtilTest() { test::GrassMap(32, 28); }
  ~UtilTest() override {
    terrain_grid = {};
    occupancy_grid = {};
    tx_map = ty_map = kMapCapacity;
  }

  static void Ground(int x, int y, DECOR ground) { terrain_grid[CellIndex(x, y)] = ground; }
  // Every cell is impassable ground but these.
  static void OnlyGrassAt(const std::vector<Cell>& cells) {
    terrain_grid.fill(HERBE2);
    for (auto [x, y] : cells) Ground(x, y, HERBE1);
  }

  // The searches' answers, for searches expected to succeed.
  static Cell Around(int x, int y, int w, int h) {
    EXPECT_TRUE(TrouverPlaceAutour(x, y, w, h));
    return {x, y};
  }
  static Cell Nearest(int px, int py, int x, int y, int w, int h) {
    int rx = 0, ry = 0;
    EXPECT_TRUE(TrouverPlaceProche(px, py, x, y, w, h, rx, ry));
    return {rx, ry};
  }
  static Cell Edge(Cell wood, Cell worker) {
    EXPECT_TRUE(TrouverLisiere(wood.first, wood.second, worker.first, worker.second));
    return wood;
  }

  test::ScratchTree tree_;
};

// x runs to the width and y to the height; only empty grass inside the map
// is free; the unchecked test reads the grids past the map but never
// outside them.
TEST_F(UtilTest, OnlyEmptyGrassInsideTheMapIsFreeAndAZoneOnlyWhenAllItsCellsAre) {
  EXPECT_TRUE(IsInMap(31, 27) && IsInMap(30, 3) && !IsInMap(3, 30));
  Ground(1, 1, HERBE2);  // looks like grass but blocks
  Ground(2, 1, VIDE);
  Ground(3, 1, BOIS01);
  test::Occupy(4, 1);
  EXPECT_TRUE(IsCellFree(0, 1) && IsCellFreeUnchecked(0, 1));
  for (int x = 1; x <= 4; ++x) EXPECT_FALSE(IsCellFree(x, 1) || IsCellFreeUnchecked(x, 1)) << x;
  for (Cell off : {Cell{32, 0}, Cell{0, 28}, Cell{-1, 5}, Cell{5, -1}, Cell{32, 1}, Cell{1, 28}}) {
    EXPECT_FALSE(IsInMap(off.first, off.second) || IsCellFree(off.first, off.second))
        << off.first << "," << off.second;
  }
  EXPECT_TRUE(IsCellFreeUnchecked(32, 1)) << "past the map, still on the grids";
  for (Cell off : {Cell{-1, 0}, Cell{0, -1}, Cell{128, 0}, Cell{127, 128}}) {
    EXPECT_FALSE(IsCellFreeUnchecked(off.first, off.second)) << off.first << "," << off.second;
  }
  // A zone is free only when every cell is.
  test::Occupy(7, 5);  // right beside the zone
  test::Occupy(5, 8);  // right below it
  EXPECT_TRUE(IsZoneFree(5, 5, 2, 3));
  Ground(6, 7, HERBE2);  // its last cell
  EXPECT_FALSE(IsZoneFree(5, 5, 2, 3));
  EXPECT_FALSE(IsZoneFree(30, 26, 3, 2)) << "a zone that crosses the map's edge";
}

// The ring of a 2 x 2 rectangle at (10, 10) is x 9..12 by y 9..12. Each case
// leaves free the cell to find and cells that a wrong order would take first.
TEST_F(UtilTest, RingSearchScansTopRightBottomThenLeft) {
  const std::pair<std::vector<Cell>, Cell> cases[] = {
      {{{12, 11}}, {12, 11}},                              // the only free cell
      {{{11, 9}, {10, 9}, {12, 10}, {9, 10}}, {10, 9}},    // top row, left to right
      {{{12, 9}, {9, 11}, {9, 12}}, {12, 9}},              // the top-right corner
      {{{12, 11}, {12, 10}, {9, 12}, {9, 10}}, {12, 10}},  // right column, downward
      {{{12, 12}, {11, 12}, {9, 11}}, {12, 12}},           // its bottom cell
      {{{11, 12}, {10, 12}, {9, 10}}, {10, 12}},           // bottom row, left to right
      {{{9, 12}, {9, 11}, {9, 10}}, {9, 12}},              // the bottom-left corner
      {{{9, 11}, {9, 10}}, {9, 10}},                       // left column, downward
  };
  for (const auto& [grass, expected] : cases) {
    OnlyGrassAt(grass);
    EXPECT_EQ(Around(10, 10, 2, 2), expected);
  }
  OnlyGrassAt({{10, 10}, {11, 11}, {13, 10}, {10, 13}});  // inside and past the ring
  int x = 10, y = 10;
  EXPECT_FALSE(TrouverPlaceAutour(x, y, 2, 2));
  EXPECT_EQ(Cell(x, y), Cell(10, 10));

  // Ring cells outside the map are skipped.
  test::GrassMap(32, 28);
  EXPECT_EQ(Around(0, 0, 2, 2), Cell(2, 0));  // the top row and the left column are off

  test::GrassMap(128, 128);  // the right column and the bottom row are off the grids
  for (int cx = 125; cx <= 127; ++cx) test::Occupy(cx, 125);
  EXPECT_EQ(Around(126, 126, 2, 2), Cell(125, 126));
  test::Occupy(125, 126);
  test::Occupy(125, 127);
  x = 126, y = 126;
  EXPECT_FALSE(TrouverPlaceAutour(x, y, 2, 2));
}

TEST_F(UtilTest, NearestRingCellTiesGoToSmallerXThenSmallerY) {
  EXPECT_EQ(Nearest(25, 21, 20, 20, 3, 3), Cell(23, 21)) << "4 away, before two at 5";
  test::Occupy(23, 21);  // (23, 20) and (23, 22) are both 5 away
  EXPECT_EQ(Nearest(25, 21, 20, 20, 3, 3), Cell(23, 20));
  test::Occupy(21, 23);  // (20, 23) and (22, 23) are both 5 away
  EXPECT_EQ(Nearest(21, 25, 20, 20, 3, 3), Cell(20, 23));
  // From the middle of a 1 x 1 rectangle four cells are 1 away.
  EXPECT_EQ(Nearest(10, 10, 10, 10, 1, 1), Cell(9, 10));

  OnlyGrassAt({{21, 21}, {24, 21}});  // inside and past the ring
  int rx = 0, ry = 0;
  EXPECT_FALSE(TrouverPlaceProche(25, 21, 20, 20, 3, 3, rx, ry));
  EXPECT_EQ(Cell(rx, ry), Cell(19, 19)) << "the top-left corner when none is free";

  // Cells outside the map are skipped; the far side of large rectangles is
  // reached.
  test::GrassMap(128, 128);
  // In the bottom-right corner its right column and bottom row are off the grids.
  EXPECT_EQ(Nearest(127, 120, 125, 125, 3, 3), Cell(127, 124));
  EXPECT_EQ(Nearest(2, 5, 0, 0, 3, 3), Cell(2, 3));
  EXPECT_EQ(Nearest(30, 30, 10, 10, 14, 14), Cell(24, 24));
  // One cell wider and taller: its right column and bottom row lie past the table.
  EXPECT_EQ(Nearest(40, 17, 10, 10, 15, 15), Cell(24, 9));
}

TEST_F(UtilTest, AdjacentMeansOnTheRingOrInsideAndDirectionsAreEight) {
  EXPECT_TRUE(IsAdjacent(19, 19, 20, 20, 3, 3) && IsAdjacent(23, 23, 20, 20, 3, 3));
  EXPECT_TRUE(IsAdjacent(21, 21, 20, 20, 3, 3));
  EXPECT_FALSE(IsAdjacent(24, 21, 20, 20, 3, 3) || IsAdjacent(21, 18, 20, 20, 3, 3));
  EXPECT_TRUE(IsAdjacent(24, 21, 20, 20, 4, 1)) << "width and height are not swapped";
  EXPECT_FALSE(IsAdjacent(21, 22, 20, 20, 4, 1));
  const std::pair<Cell, DIRECTION> towards[] = {
      {{6, 4}, DIR_NE}, {{5, 5}, DIR_NONE}, {{3, 9}, DIR_SO}, {{9, 5}, DIR_E}, {{7, 8}, DIR_SE},
      {{5, 6}, DIR_S},  {{0, 5}, DIR_O},    {{4, 1}, DIR_NO}, {{5, 0}, DIR_N}};
  for (const auto& [to, direction] : towards) {
    EXPECT_EQ(GetDirection(5, 5, to.first, to.second), direction) << to.first << "," << to.second;
  }
}

// The wood is laid in the order given, on a map of the given size; each
// search starts at the wood's cell.
TEST_F(UtilTest, ForestEdgeIsTheLastCellBeforeTheWoodStraightBeforeDiagonally) {
  const struct {
    int width, height;
    std::vector<Cell> wood;
    Cell from, worker, edge;
  } cases[] = {
      {32, 28, {{12, 10}, {13, 10}, {14, 10}}, {14, 10}, {10, 10}, {11, 10}},
      {32, 28, {{14, 8}}, {14, 8}, {10, 6}, {13, 7}},  // east, east, then down the diagonal
      {32, 28, {{9, 9}}, {9, 9}, {5, 5}, {8, 8}},
      {32, 28, {{9, 9}, {7, 7}}, {9, 9}, {5, 5}, {6, 6}},  // wood met on the way
      {32, 28, {{5, 1}}, {5, 1}, {9, 5}, {6, 2}},          // up to the left
      {128, 8, {{3, 3}}, {3, 3}, {120, 3}, {20, 3}},       // the walk back stops at 100 steps
      {128, 128, {{124, 127}}, {124, 127}, {127, 127}, {125, 127}},  // along the last row
      {128, 128, {{127, 123}}, {127, 123}, {127, 127}, {127, 124}},  // and the last column
  };
  for (const auto& c : cases) {
    test::GrassMap(c.width, c.height);
    for (auto [x, y] : c.wood) Ground(x, y, BOIS07);
    EXPECT_EQ(Edge(c.from, c.worker), c.edge) << c.from.first << "," << c.from.second;
  }
}

// Forest is the thirteen wood pieces inside the map; the forest edge needs
// the worker and the wood inside the map.
TEST_F(UtilTest, ForestIsTheWoodInsideTheMapAndItsEdgeNeedsTheWorkerThere) {
  const std::pair<DECOR, bool> grounds[] = {
      {HERBE1, false}, {BOIS01, true}, {BOIS13, true}, {HERBE2, false}, {BATI, false}};
  for (int x = 0; x < 5; ++x) {
    Ground(x, 0, grounds[x].first);
    EXPECT_EQ(Forested(x, 0), grounds[x].second) << x;
  }
  Ground(32, 3, BOIS05);  // on the grids, past the map
  EXPECT_FALSE(Forested(32, 3) || Forested(-1, 5));
  Ground(4, 4, BOIS01);
  int px = 4, py = 4;
  EXPECT_FALSE(TrouverLisiere(px, py, -1, 4));
  EXPECT_FALSE(TrouverLisiere(px, py, 32, 11));
  EXPECT_EQ(Cell(px, py), Cell(4, 4));
  EXPECT_EQ(tree_.Log("Fatal_Errors.txt"),
            "util bool Forested(int px,int py) case impossible : 32,03\n"
            "util bool Forested(int px,int py) case impossible : -1,05\n"
            "util bool TrouverLisiere(int& Px,int& Py,int xguss,int yguss) \n"
            "position du guss not valid :-1,04\n"
            "util bool TrouverLisiere(int& Px,int& Py,int xguss,int yguss) \n"
            "position du guss not valid :32,11\n");

  px = 40;  // wood past the map: nothing to walk to, nothing reported
  EXPECT_FALSE(TrouverLisiere(px, py, 2, 2));
  EXPECT_EQ(Cell(px, py), Cell(40, 4));
}

}  // namespace
