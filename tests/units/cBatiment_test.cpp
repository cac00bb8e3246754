// Buildings: training for both sides with its refusals, payment and exit
// cell, and the tower's shots.
#include "units/cBatiment.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "ai/utils_fsm_base_orc.h"
#include "support/world.h"
#include "ui/edit.h"
#include "ui/money.h"
#include "units/combat.h"

namespace {

cDefUnit* Def(DECOR kind) {
  return GetDefUnit(kind);
}

std::string PanelText(DECOR kind) {
  const cEditMessage& m = DescEditOf(kind)->message;
  return m.text ? m.text.get() : "";
}

class Training : public test::UnitsTest {
 protected:
  Training() {
    InitEdit();
    Money = Wood = MoneyOrc = WoodOrc = 1000, Food = 100;
  }
  ~Training() override {
    ClearRebuildList();
    FreeEdit();
  }
  static DECOR KindAt(int x, int y) { return At(x, y) ? At(x, y)->pDef->Nom : VIDE; }
};

// The barrack logs the hall's text; an orc trainer its own.
TEST_F(Training, ABusyTrainerLogsTheRequestAndKeepsItsUnit) {
  cBatiment* hall = Unit<cBatiment>(HUMAN, HALL1, 10, 10);
  cBatiment* barrack = Unit<cBatiment>(HUMAN, BARRA, 20, 10);
  cBatiment* orc_barrack = Unit<cBatiment>(ORC, OBARR, 40, 10);
  for (int round = 0; round < 2; ++round) {
    hall->Construction(Def(round ? GUERR : PAYSA));
    barrack->Construction(Def(round ? ARCHE : GUERR));
    orc_barrack->Construction(Def(round ? OARCH : OGUER), 7 + round, 8);
  }
  const std::string busy = "il y a deja un sprite en construction \n";
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "cBatiment void cHall1::Construction(cDefUnit* unit)\n" + busy +
                "cBatiment void cHall1::Construction(cDefUnit* unit)\n" + busy +
                "cBatiment void cOrcBarrack::Construction(cDefUnit* unit)\n" + busy);
  EXPECT_EQ(std::tie(hall->pDefEnConstruction, barrack->pDefEnConstruction, orc_barrack->XRally),
            std::make_tuple(Def(PAYSA), Def(GUERR), 7));
}

TEST_F(Training, ExactResourcesStartAndArePaidOnlyWhenTheUnitComesOut) {
  cBatiment* hall = Unit<cBatiment>(HUMAN, HALL1, 10, 10);
  cBatiment* barrack = Unit<cBatiment>(HUMAN, BARRA, 20, 10);
  const int needed = FoodNeeded;
  Money = 100, Wood = 0, Food = needed + 10;  // a worker's gold, wood and food
  hall->Construction(Def(PAYSA));
  Money += 200, Wood += 100;  // an archer's
  barrack->Construction(Def(ARCHE));
  Steps(1, 10);  // not more than the production interval
  EXPECT_EQ(hall->Progression, 0);
  Steps(1, 5000);  // however long a step, one percent
  EXPECT_EQ(hall->Progression, 1);
  Steps(99);
  EXPECT_EQ(std::tuple(hall->Progression, Money, Wood, KindAt(9, 9)),
            std::tuple(100, 300, 100, VIDE));
  Steps(1);  // the 101st step: out on the ring's first cell, its top-left corner
  EXPECT_EQ(std::tuple(KindAt(9, 9), KindAt(19, 9)), std::tuple(PAYSA, ARCHE));
  EXPECT_EQ(std::tie(Money, Wood, FoodNeeded), std::make_tuple(0, 0, needed + 20));
  for (cBatiment* trainer : {hall, barrack}) {
    EXPECT_EQ(std::tie(trainer->pDefEnConstruction, trainer->Progression, trainer->Tache),
              std::make_tuple(nullptr, std::uint8_t(0), SANS_TACHE));
  }
  EXPECT_FALSE(At(9, 9)->Present_In_Initial_Map);
}

// The hall checks gold, then wood, then food; the barrack no food.
TEST_F(Training, AShortageIsShownOnTheKindsPanelAndStartsNothing) {
  cBatiment* hall = Unit<cBatiment>(HUMAN, HALL1, 10, 10);
  cBatiment* barrack = Unit<cBatiment>(HUMAN, BARRA, 20, 10);
  const std::tuple<int, int, int, DECOR, const char*> shortages[] = {
      {0, 0, 0, PAYSA, "NO MONEY"}, {200, 99, 0, ARCHE, "NO WOOD"}, {100, 0, 9, PAYSA, "NO FOOD"}};
  for (const auto& [gold, wood, food, kind, text] : shortages) {
    Money = gold, Wood = wood, Food = FoodNeeded + food;
    hall->Construction(Def(kind));
    EXPECT_EQ(PanelText(HALL1), text);
  }
  EXPECT_EQ(std::tie(hall->pDefEnConstruction, hall->Tache), std::make_tuple(nullptr, SANS_TACHE));
  Money = 26;
  barrack->Construction(Def(GUERR));
  EXPECT_EQ(PanelText(BARRA), "OIOIOI");
  Money = 27;
  barrack->Construction(Def(GUERR));
  EXPECT_EQ(barrack->pDefEnConstruction, Def(GUERR));
}

TEST_F(Training, OrcTrainingPaysFromTheOrcTreasuryAndSendsTheUnitToItsRallyCell) {
  cBatiment* hall = Unit<cBatiment>(ORC, OHALL, 10, 10);
  for (int gold : {99, 100}) {  // short: silently nothing
    MoneyOrc = gold, WoodOrc = 0;
    hall->Construction(Def(OPAYS), 20, 12);
    EXPECT_EQ(hall->pDefEnConstruction, gold == 100 ? Def(OPAYS) : nullptr);
  }
  Steps(101);
  auto* peon = dynamic_cast<cHumanoide*>(At(9, 9));
  ASSERT_NE(peon, nullptr);
  EXPECT_EQ(std::tie(MoneyOrc, WoodOrc, Money, FoodNeeded, hall->Tache,
                     peon->Present_In_Initial_Map, peon->Ordre, peon->XObjectif),
            std::make_tuple(0, 0, 1000, 0, SANS_TACHE, true, GOTO, 20));
}

// A tower at (20, 20), 2 x 2 cells: its square runs from 18 to 23 both ways.
class DefenceTower : public Training {
 protected:
  // Steps of the tower alone, and of the projectiles, up to a time.
  void FightUntil(DWORD t) {
    while (GetTickCount() < t) {
      clock.Advance(1);
      tower->Fight();
      AvancerProjectiles();
    }
  }
  cWarTower* tower = Unit<cWarTower>(ORC, WATOW, 20, 20);
};

// It shoots every 2000 ms within its square, and drops a target that leaves,
// staying among its attackers.
TEST_F(DefenceTower, ShootsTwoCellsBeyondItsEdgeButNotThree) {
  cSprite* far = Add(HUMAN, GUERR, 20, 24);
  FightUntil(3000);
  EXPECT_EQ(tower->GetActualTarget(), nullptr);
  cSprite* near = Add(HUMAN, GUERR, 23, 21);
  FightUntil(3500);  // the search runs every 500 ms
  EXPECT_EQ(tower->GetActualTarget(), near);
  FightUntil(7000);
  EXPECT_EQ(std::tie(near->PointsDeVie, far->PointsDeVie), std::make_tuple(120 - 40, 120));
  occupancy_grid[CellIndex(23, 21)] = nullptr;
  near->Px = 24;
  FightUntil(12000);
  EXPECT_EQ(std::tie(tower->pTarget, near->PointsDeVie), std::make_tuple(nullptr, 120 - 40));
  ASSERT_NE(near->ListOfPeopleWhoAttackMe, nullptr);
  EXPECT_EQ(near->ListOfPeopleWhoAttackMe->PotentialAttacker, tower);
}

TEST_F(DefenceTower, ForgetsATargetRemovedBeforeItsFirstShot) {
  cSprite* soldier = Add(HUMAN, GUERR, 18, 18);
  FightUntil(600);
  ASSERT_EQ(tower->GetActualTarget(), soldier);
  RemovecSprite(soldier);
  FightUntil(3000);  // under the sanitizer, a stale target would be read here
  EXPECT_EQ(tower->GetActualTarget(), nullptr);
}

}  // namespace
