// The search for an enemy ring by ring and the choice of an escape cell;
// fighting on small maps, frame by frame on the virtual clock: the approach
// of shooters and swordsmen, blows at their period, kills and the reactions
// to a hit by aggressivity mode.
#include "units/combat.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "support/world.h"
#include "units/weapons.h"

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

class Battle : public test::UnitsTest {
 protected:
  Battle() { tx_map = ty_map = 20; }
  ~Battle() override { ClearProjectiles(); }

  cHumanoide* Unit(RACE race, DECOR kind, int x, int y, MODE_AGGRESSIVITY mode) {
    auto* unit = UnitsTest::Unit(race, kind, x, y);
    unit->SetModeAggressivity(mode);
    return unit;
  }
};

TEST_F(Battle, AnArcherHaltsInRangeAndShootsWhereverTheTargetGoesASoldierFollowsIt) {
  cHumanoide* archer = Unit(HUMAN, ARCHE, 2, 5, AGGRESSIVE);
  cHumanoide* target = Unit(ORC, OGUER, 12, 5, PASSIVE);
  archer->AssignerTache(ATTACK, target);
  ASSERT_TRUE(RunUntil([&] { return archer->EnZoneAttack; }));
  // Three cells off, one sub-step out of (8, 5).
  EXPECT_EQ(std::tie(archer->Px, archer->Py, archer->CurrentStep, archer->PixelX, archer->Ordre),
            std::make_tuple(9, 5, 1, 32 * 8 + 2, WAIT));
  WalkTo(target, 17, 5);
  ASSERT_TRUE(RunUntil([&] { return target->Ordre == WAIT; }));
  const int hit_points = target->PointsDeVie;
  ASSERT_TRUE(RunUntil([&] { return target->PointsDeVie < hit_points; }, 2000));
  EXPECT_EQ(std::tie(archer->Px, archer->Py, archer->CurrentStep), std::make_tuple(9, 5, 1));

  // A soldier halts only beside its target and follows it when it moves.
  cHumanoide* soldier = Unit(HUMAN, GUERR, 2, 15, AGGRESSIVE);
  cHumanoide* fleeing = Unit(ORC, OGUER, 8, 15, PASSIVE);
  fleeing->PointsDeVie = 1000;
  soldier->AssignerTache(ATTACK, fleeing);
  ASSERT_TRUE(RunUntil([&] { return soldier->EnZoneAttack; }, 1000, 2));
  EXPECT_EQ(std::tie(soldier->Px, soldier->Py, soldier->CurrentStep), std::make_tuple(7, 15, 0));
  WalkTo(fleeing, 8, 8);
  ASSERT_TRUE(RunUntil([&] { return fleeing->Ordre == WAIT && soldier->EnZoneAttack; }));
  EXPECT_EQ(CellOf(soldier), std::make_pair(7, 9));  // up the target's side
  EXPECT_LT(fleeing->PointsDeVie, 1000);
}

TEST_F(Battle, AKillByASwordEndsTheTaskOfEveryAttackerInTheSameFight) {
  cHumanoide* west = Unit(HUMAN, GUERR, 9, 10, AGGRESSIVE);
  cHumanoide* east = Unit(HUMAN, GUERR, 11, 10, AGGRESSIVE);
  cHumanoide* target = Unit(ORC, OGUER, 10, 10, PASSIVE);
  target->PointsDeVie = 30;
  for (cHumanoide* attacker : {west, east}) attacker->AssignerTache(ATTACK, target);
  Steps(1, 3000);  // a blow needs more than the sword's period
  EXPECT_EQ(sprite_counts[ORC], 1);
  Steps(1, 1);
  ASSERT_EQ(sprite_counts[ORC], 0);
  for (cHumanoide* attacker : {west, east}) {
    EXPECT_EQ(std::tie(attacker->Tache, attacker->ActualTarget, attacker->EnZoneAttack),
              std::make_tuple(SANS_TACHE, nullptr, false));
  }
  EXPECT_EQ(west->dwLastAttack + east->dwLastAttack, 3001U);  // the other had nothing to strike
}

// Its answer is its own shot at once.
TEST_F(Battle, AReactiveArcherAnswersTheShooterUnlessItFightsAnotherAlready) {
  cHumanoide* archer = Unit(HUMAN, ARCHE, 5, 5, AGGRESSIVE);
  cHumanoide* orc = Unit(ORC, OARCH, 8, 5, REACTIVE);
  archer->AssignerTache(ATTACK, orc);
  ASSERT_TRUE(RunUntil([&] { return orc->ActualTarget != nullptr; }, 2000));
  Frame(11);
  ASSERT_NE(projectile_list, nullptr);
  EXPECT_EQ(std::tuple(orc->ActualTarget, projectile_list->pLanceur), std::tuple(archer, orc));

  cHumanoide* soldier = Unit(HUMAN, GUERR, 8, 8, PASSIVE);
  cHumanoide* busy = Unit(ORC, OARCH, 11, 8, REACTIVE);
  busy->AssignerTache(ATTACK, soldier);
  LaunchWeapon(archer, busy);
  ASSERT_TRUE(RunUntil([&] { return busy->PointsDeVie < busy->pDef->PointsDeVieMax; }));
  EXPECT_EQ(busy->ActualTarget, soldier);
}

TEST_F(Battle, AStandingWorkerStepsAwayFromTheSwordAndAWalkingOneWalksOn) {
  cHumanoide* worker = Unit(HUMAN, PAYSA, 5, 5, FUITE);
  cHumanoide* orc = Unit(ORC, OGUER, 6, 6, AGGRESSIVE);
  const int full = worker->PointsDeVie;
  orc->AssignerTache(ATTACK, worker);
  ASSERT_TRUE(RunUntil([&] { return worker->PointsDeVie < full; }, 4000));
  EXPECT_EQ(std::tuple(worker->XObjectif, worker->YObjectif, worker->Ordre),
            std::tuple(4, 4, GOTO));
  worker->SignalUnderAttack(orc);  // hit again on its way: walks on
  EXPECT_EQ(std::tuple(worker->XObjectif, worker->YObjectif), std::tuple(4, 4));
}

}  // namespace
