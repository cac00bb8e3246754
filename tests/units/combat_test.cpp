// Who attacks whom: the attacker lists, the search for an enemy ring by ring
// and the choice of an escape cell.
#include "units/combat.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/world.h"

namespace {

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
  cSprite* corner = Add(ORC, OGUER, 13, 13);
  EXPECT_EQ(TrouverCible(soldier), corner);
  cSprite* east = Add(ORC, OGUER, 12, 10);
  EXPECT_EQ(TrouverCible(soldier), east);
  cSprite* west = Add(ORC, OGUER, 8, 12);
  EXPECT_EQ(TrouverCible(soldier), west);

  cSprite* edge = Add(HUMAN, GUERR, 19, 19);
  Add(ORC, OGUER, 20, 19);  // on the grids, past the map's width
  EXPECT_EQ(TrouverCible(edge), nullptr);
  EXPECT_EQ(TrouverCible(Add(HUMAN, GUERR, 0, 0)), nullptr);
}

TEST_F(Combat, TheTowersRingsGoRoundItsTwoByTwoCells) {
  cSprite* tower = Add(ORC, WATOW, 10, 10);  // sees 2 cells
  cSprite* ring2 = Add(HUMAN, GUERR, 13, 8);
  EXPECT_EQ(TrouverCible(tower), ring2);
  Add(HUMAN, GUERR, 12, 9);
  cSprite* left = Add(HUMAN, GUERR, 9, 12);
  EXPECT_EQ(TrouverCible(tower), left);
}

TEST_F(Combat, AWorkerHitFromTheSouthEastTriesNorthWestThenWestThenNorth) {
  cSprite* worker = Add(HUMAN, PAYSA, 10, 10);
  cSprite* attacker = Add(ORC, OGUER, 12, 11);
  int x = -1, y = -1;
  const std::vector<std::pair<int, int>> expected{{9, 9}, {9, 10}, {10, 9}};
  for (const auto& [ex, ey] : expected) {
    ASSERT_TRUE(TrouverFuite(x, y, worker, attacker));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(ex, ey));
    terrain_grid[CellIndex(ex, ey)] = BOIS01;
  }
  x = y = -1;
  EXPECT_FALSE(TrouverFuite(x, y, worker, attacker));
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(-1, -1));
  // From the north or its own cell it flees south; never off the map.
  EXPECT_TRUE(TrouverFuite(x, y, worker, worker));
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(10, 11));
  EXPECT_FALSE(TrouverFuite(x, y, Add(HUMAN, PAYSA, 0, 0), attacker));
}

TEST_F(Combat, AnAttackerIsListedOnceAndLeavesWithTheLinksMended) {
  cSprite* victim = Add(ORC, OFARM, 10, 10);
  cSprite* a = Add(HUMAN, GUERR, 1, 1);
  cSprite* b = Add(HUMAN, GUERR, 2, 1);
  cSprite* c = Add(HUMAN, GUERR, 3, 1);
  cAttacker* first = AjouterAttaquant(victim, a);
  AjouterAttaquant(victim, b);
  c->AssignerTache(ATTACK, victim);
  c->AssignerTache(ATTACK, victim);
  EXPECT_EQ(AjouterAttaquant(victim, a), first);
  RetirerAttaquant(victim, b);
  std::vector<cSprite*> listed;
  for (cAttacker* n = victim->ListOfPeopleWhoAttackMe; n; n = n->pNextAttacker) {
    listed.push_back(n->PotentialAttacker);
  }
  EXPECT_EQ(listed, (std::vector<cSprite*>{a, c}));
  EXPECT_EQ(first->pNextAttacker->pPrevAttacker, first);
  RetirerAttaquant(victim, a);
  c->StopAttack();
  EXPECT_EQ(victim->ListOfPeopleWhoAttackMe, nullptr);
}

}  // namespace
