// The search for an enemy ring by ring and the choice of an escape cell.
#include "units/combat.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/world.h"

namespace {

using Cell = std::pair<int, int>;

class Combat : public test::WorldTest {
 protected:
  Combat() { tx_map = ty_map = 20; }
};

TEST_F(Combat, TheSearchGoesRingByRingLeftColumnFirstInsideTheMapAndTheViewRange) {
  cSprite* soldier = Add(HUMAN, GUERR, 10, 10);  // sees 3 cells
  Add(HUMAN, ARCHE, 9, 10);
  Add(NEUTRE, MINEO, 11, 7);
  Add(ORC, OGUER, 14, 10);
  EXPECT_EQ(TrouverCible(soldier), nullptr);
  // Each one added is met before the others: a corner of ring 3, east, west.
  for (const auto& [x, y] : {Cell{13, 13}, Cell{12, 10}, Cell{8, 12}}) {
    cSprite* met = Add(ORC, OGUER, x, y);
    EXPECT_EQ(TrouverCible(soldier), met) << x << "," << y;
  }
  cSprite* edge = Add(HUMAN, GUERR, 19, 19);
  Add(ORC, OGUER, 20, 19);  // on the grids, past the map's width
  EXPECT_EQ(TrouverCible(edge), nullptr);
  // The tower's rings go round its 2 x 2 cells, out to 2.
  cSprite* tower = Add(ORC, WATOW, 2, 2);
  cSprite* ring2 = Add(HUMAN, GUERR, 5, 0);
  EXPECT_EQ(TrouverCible(tower), ring2);
  cSprite* left = Add(HUMAN, GUERR, 1, 4);
  EXPECT_EQ(TrouverCible(tower), left);
}

// Each side of the attacker gives three cells away from it, tried in order.
TEST_F(Combat, TheEscapeCellIsTheFirstFreeOfThreeAwayFromTheAttacker) {
  const std::pair<Cell, std::vector<Cell>> rows[] = {
      {{2, 1}, {{-1, -1}, {-1, 0}, {0, -1}}}, {{2, -1}, {{-1, 1}, {0, 1}, {-1, 0}}},
      {{2, 0}, {{-1, 0}, {-1, -1}, {-1, 1}}}, {{-2, 1}, {{1, -1}, {0, -1}, {1, 0}}},
      {{-2, -1}, {{1, 1}, {1, 0}, {0, 1}}},   {{-2, 0}, {{1, 0}, {1, -1}, {1, 1}}},
      {{0, -2}, {{0, 1}, {-1, 1}, {1, 1}}},   {{0, 0}, {{0, 1}, {-1, 1}, {1, 1}}},
      {{0, 2}, {{0, -1}, {-1, -1}, {1, -1}}},
  };
  cSprite* me = Add(HUMAN, PAYSA, 10, 10);
  for (const auto& [offset, cells] : rows) {
    ResetMap();
    cSprite attacker(ORC, 10 + offset.first, 10 + offset.second, nullptr, nullptr);
    for (const auto& [dx, dy] : cells) {
      int x = -1, y = -1;
      ASSERT_TRUE(TrouverFuite(x, y, me, &attacker)) << offset.first << "," << offset.second;
      EXPECT_EQ(Cell(x, y), Cell(10 + dx, 10 + dy));
      terrain_grid[CellIndex(x, y)] = BOIS01;
    }
    int x = -1, y = -1;
    EXPECT_FALSE(TrouverFuite(x, y, me, &attacker));
    EXPECT_EQ(Cell(x, y), Cell(-1, -1));
  }
  int x = -1, y = -1;  // never off the map
  EXPECT_FALSE(TrouverFuite(x, y, Add(HUMAN, PAYSA, 0, 0), me));
}

}  // namespace
