// Workers on small maps with the virtual clock: gold and wood trips, raising
// and re-raising buildings, a site or a hall lost, the orc worker's choice of
// work and the orders it refuses.
#include "units/cPaysan.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ai/utils_fsm_base_orc.h"
#include "support/world.h"
#include "ui/money.h"
#include "ui/selection.h"
#include "world/Init_Env.h"
#include "world/util.h"

namespace {

using Cell = std::pair<int, int>;

class Workers : public test::WorldTest {
 protected:
  Workers() { clock.Advance(5000); }  // past a new worker's first 4 s in its hall
  ~Workers() override { ClearRebuildList(); }

  cPaysan* Worker(RACE race, int x, int y) {
    return static_cast<cPaysan*>(Add(race, race == ORC ? OPAYS : PAYSA, x, y));
  }
  void Frame(int ms) { test::PlayFrame(clock, ms); }
  static void Forest(int x0, int y0, int x1, int y1) {
    for (int x = x0; x <= x1; ++x)
      for (int y = y0; y <= y1; ++y) terrain_grid[CellIndex(x, y)] = BOIS05;
  }
  static Cell CellOf(const cSprite* s) { return {s->Px, s->Py}; }
  static cSprite* At(int x, int y) { return occupancy_grid[CellIndex(x, y)]; }

  test::Clock clock;
};

TEST_F(Workers, TwoGoldTripsBring200WithFourSecondsHiddenAtEachEnd) {
  Add(HUMAN, HALL1, 10, 10);
  Add(NEUTRE, MINEO, 20, 10);
  cPaysan* w = Worker(HUMAN, 16, 11);
  w->AffecterTravail(RECOLTE_OR, 20, 10, nullptr);
  std::vector<std::tuple<Cell, int, int>> stays;  // where, gold then, hidden ms
  for (int t = 0; t < 60000 && !(stays.size() == 4 && w->visible); t += 10) {
    const bool was_visible = w->visible;
    Frame(10);
    if (was_visible && !w->visible) stays.emplace_back(CellOf(w), Money, 0);
    if (!w->visible && !stays.empty()) std::get<2>(stays.back()) += 10;
  }
  ASSERT_EQ(stays.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    const auto [cell, gold, ms] = stays[i];
    const bool mine = i % 2 == 0;
    EXPECT_TRUE(mine ? IsAdjacent(cell.first, cell.second, 20, 10, 3, 3)
                     : IsAdjacent(cell.first, cell.second, 10, 10, 4, 4));
    EXPECT_EQ(gold, 100 * int((i + 1) / 2));
    EXPECT_EQ(ms, 4000);
  }
  EXPECT_EQ(std::tie(Money, MoneyOrc), std::make_tuple(200, 0));
  EXPECT_EQ(At(w->Px, w->Py), w);  // hidden, but still on its cell
}

TEST_F(Workers, WoodIsCutVisiblyAtTheForestEdgeAndPaidIntoTheHall) {
  Forest(30, 0, 39, 127);
  Add(HUMAN, HALL1, 10, 18);
  cPaysan* w = Worker(HUMAN, 20, 20);
  Cell edge{35, 22};
  ASSERT_TRUE(TrouverLisiere(edge.first, edge.second, 20, 20));
  w->AffecterTravail(RECOLTE_BOIS, 35, 22, nullptr);
  int cutting_ms = 0;
  for (int t = 0; t < 60000 && Wood == 0; t += 10) {
    Frame(10);
    if (!w->InMine) continue;
    cutting_ms += 10;
    EXPECT_EQ(CellOf(w), edge);
    EXPECT_TRUE(w->visible);
  }
  EXPECT_EQ(Cell(w->XBois, w->YBois), edge);
  EXPECT_EQ(cutting_ms, 4000);
  EXPECT_EQ(Wood, 100);
}

// A farm site at (20, 20) whose row above is forest, a worker on its left.
class FarmSite : public Workers {
 protected:
  FarmSite() {
    Forest(19, 19, 22, 19);
    AddToSelection(w);
    w->Construction(GetDefUnit(FERME));
    w->AffecterTravail(CONSTUCTION, 20, 20, farm);
  }
  cSprite* farm = Add(HUMAN, FERME, 20, 20);
  cPaysan* w = Worker(HUMAN, 19, 21);
};

TEST_F(FarmSite, RisesOnePointPerProductionIntervalThenTheWorkerTakesTheFirstFreeRingCell) {
  EXPECT_EQ(pDefToPlace, GetDefUnit(FERME));
  Frame(61);  // beside it after its step interval: inside, no point yet
  EXPECT_EQ(std::tie(w->visible, w->Px, w->Py), std::make_tuple(false, 20, 20));
  EXPECT_EQ(At(19, 21), nullptr);
  EXPECT_EQ(GetSelectedSprite(), nullptr);
  EXPECT_EQ(farm->PointsDeVie, 1);
  Frame(40);
  EXPECT_EQ(farm->PointsDeVie, 2);
  for (int expected = 3; expected <= 100; ++expected) {
    Frame(100);  // not more than the farm's 100 ms
    ASSERT_EQ(farm->PointsDeVie, expected - 1);
    Frame(1);
    ASSERT_EQ(farm->PointsDeVie, expected);
  }
  EXPECT_EQ(w->Tache, CONSTUCTION);
  Frame(61);
  EXPECT_EQ(farm->PointsDeVie, 100);
  // Row above all forest: the right column, not the nearer cell it left.
  EXPECT_EQ(std::tie(w->visible, w->Px, w->Py), std::make_tuple(true, 22, 20));
  EXPECT_EQ(At(22, 20), w);
  EXPECT_EQ(std::tie(w->Tache, w->pBatimentEnConstruction, w->pToBuild),
            std::make_tuple(SANS_TACHE, nullptr, nullptr));
}

TEST_F(FarmSite, WithNoFreeCellAroundTheWorkerWaitsInsideUntilOneFrees) {
  Forest(19, 20, 22, 22);  // with the row above, the whole ring but the worker's cell
  terrain_grid[CellIndex(19, 21)] = HERBE1;
  farm->PointsDeVie = 99;
  Frame(61);
  cSprite* blocker = Add(HUMAN, GUERR, 19, 21);
  Frame(61);
  Frame(61);
  EXPECT_EQ(std::tie(farm->PointsDeVie, w->visible, w->Tache),
            std::make_tuple(100, false, CONSTUCTION));
  RemovecSprite(blocker);
  Frame(61);
  EXPECT_TRUE(w->visible);
  EXPECT_EQ(At(19, 21), w);
}

TEST_F(FarmSite, DestroyedWithTheWorkerInsideLeavesItOnTheSiteCorner) {
  Frame(61);
  RemovecSprite(farm);
  EXPECT_EQ(std::tie(w->visible, w->Px, w->Py), std::make_tuple(true, 20, 20));
  EXPECT_EQ(At(20, 20), w);
  EXPECT_EQ(At(21, 21), nullptr);
  EXPECT_EQ(std::tie(w->Tache, w->pBatimentEnConstruction, w->pToBuild),
            std::make_tuple(SANS_TACHE, nullptr, nullptr));
  Frame(61);
}

TEST_F(Workers, ASiteDestroyedBeforeTheWorkerGotThereLeavesItWalking) {
  cSprite* farm = Add(HUMAN, FERME, 20, 20);
  cPaysan* w = Worker(HUMAN, 10, 20);
  w->AffecterTravail(CONSTUCTION, 20, 20, farm);
  for (int i = 0; i < 40; ++i) Frame(61);
  RemovecSprite(farm);
  EXPECT_LT(w->Px, 19);
  EXPECT_EQ(At(w->Px, w->Py), w);
  EXPECT_EQ(w->pBatimentEnConstruction, nullptr);
  for (int i = 0; i < 400; ++i) Frame(61);
  EXPECT_EQ(std::tie(w->Ordre, w->Px, w->Py), std::make_tuple(WAIT, 19, 20));
  EXPECT_EQ(At(19, 20), w);
}

TEST_F(Workers, AnOrcWorkerRefoundsALostBuildingOnceItsSiteIsFreeThenGoesBackToGold) {
  Add(NEUTRE, MINEO, 40, 40);
  cPaysan* w = Worker(ORC, 19, 21);
  cSprite* blocker = Add(ORC, OGUER, 21, 21);
  cDefUnit* farm_def = GetDefUnit(OFARM);
  Signal_Sprite_Orc_To_Rebuild(farm_def, 20, 20);
  w->AffecterTravail(RECOLTE_OR, 40, 40, nullptr);
  w->Ordonner(RE_CONSTUCTION, farm_def, 20, 20);
  Frame(51);
  EXPECT_EQ(std::tie(w->Tache, w->pBatimentEnConstruction),
            std::make_tuple(RE_CONSTUCTION, nullptr));
  RemovecSprite(blocker);
  Frame(51);
  cSprite* farm = At(20, 20);
  ASSERT_NE(farm, nullptr);
  EXPECT_EQ(std::tie(farm->pDef, farm->PointsDeVie, farm->Present_In_Initial_Map),
            std::make_tuple(farm_def, 1, true));
  EXPECT_EQ(rebuild_list, nullptr);
  EXPECT_EQ(std::tie(w->Tache, w->pBatimentEnConstruction), std::make_tuple(CONSTUCTION, farm));
  for (int i = 0; i < 99; ++i) Frame(51);  // its 10 ms is under the worker's 50: a point a step
  EXPECT_EQ(farm->PointsDeVie, 100);
  Frame(51);
  EXPECT_EQ(CellOf(w), Cell(19, 19));  // the row above, from the left
  EXPECT_EQ(std::tie(w->Tache, w->Xmine, w->Ymine), std::make_tuple(RECOLTE_OR, 40, 40));
}

TEST_F(Workers, AnOrcWorkerWhoseHallFallsHoldsItsLoadUntilANewHallIsAdded) {
  cSprite* hall = Add(ORC, OHALL, 10, 10);
  Add(NEUTRE, MINEO, 20, 10);
  cPaysan* idle = Worker(ORC, 30, 30);
  cPaysan* w = Worker(ORC, 19, 11);
  w->AffecterTravail(RECOLTE_OR, 20, 10, nullptr);
  w->charge = true;
  idle->TacheRecolte = RECOLTE_BOIS;
  RemovecSprite(hall);
  EXPECT_EQ(std::tie(w->XHall, w->YHall, w->Tache, w->TacheRecolte),
            std::make_tuple(-1, -1, SANS_TACHE, RECOLTE_OR));
  idle->Tache = ATTACK;                    // a task a worker ignores: it stays put
  for (int i = 0; i < 50; ++i) Frame(60);  // takes gold again, with nowhere to bring it
  EXPECT_EQ(std::tie(w->Tache, w->Ordre, w->Px, w->Py), std::make_tuple(RECOLTE_OR, WAIT, 19, 11));
  idle->Tache = SANS_TACHE;
  Add(ORC, OHALL, 10, 30);
  EXPECT_EQ(std::tie(w->XHall, w->YHall, idle->XHall, idle->YHall),
            std::make_tuple(10, 30, 10, 30));
  EXPECT_EQ(idle->Tache, RECOLTE_BOIS);  // back to its last harvest
  for (int i = 0; i < 600 && MoneyOrc == 0; ++i) Frame(60);
  EXPECT_EQ(MoneyOrc, 100);
}

TEST_F(Workers, AnIdleOrcWorkerTakesGoldUnlessMoreCutWood) {
  struct Case {
    std::vector<TACHE> others;
    bool mine, forest;
    TACHE expected;
  };
  const Case cases[] = {
      {{}, true, true, RECOLTE_OR},
      {{RECOLTE_OR, RECOLTE_BOIS}, true, true, RECOLTE_OR},
      {{RECOLTE_BOIS}, true, true, RECOLTE_BOIS},
      {{RECOLTE_BOIS}, true, false, RECOLTE_OR},
      {{}, false, true, RECOLTE_BOIS},
      {{}, false, false, SANS_TACHE},
  };
  for (const Case& c : cases) {
    ResetWorld();
    if (c.forest) Forest(60, 10, 60, 10);
    if (c.mine) Add(NEUTRE, MINEO, 70, 70);
    for (TACHE t : c.others) Worker(ORC, 100, 100 + int(List(ORC).size()))->Tache = t;
    cPaysan* w = Worker(ORC, 50, 50);  // the newest: it steps first
    WorldStep();
    EXPECT_EQ(w->Tache, c.expected) << c.others.size() << c.mine << c.forest;
  }
  cPaysan* human = Worker(HUMAN, 40, 40);
  WorldStep();
  EXPECT_EQ(human->Tache, SANS_TACHE);
}

TEST_F(Workers, TheIdleSearchTakesTheNearestMineAndScansForestRingsInOrder) {
  cSprite* older = Add(NEUTRE, MINEO, 44, 50);
  cSprite* newer = Add(NEUTRE, MINEO, 56, 50);  // as near, and first in the list
  cSprite* farther = Add(NEUTRE, MINEO, 60, 60);
  cPaysan* w = Worker(ORC, 50, 50);
  WorldStep();
  EXPECT_EQ(Cell(w->Xmine, w->Ymine), CellOf(newer));
  for (cSprite* mine : {older, newer, farther}) RemovecSprite(mine);
  // Ring 2 around (50, 50): the row above, the row below, the left column,
  // the right column, each toward growing x or y.
  const std::pair<std::vector<Cell>, Cell> cases[] = {
      {{{52, 52}, {48, 50}, {52, 49}, {51, 48}, {49, 48}}, {49, 48}},
      {{{52, 52}, {48, 50}, {52, 49}, {53, 50}}, {52, 52}},
      {{{52, 49}, {48, 51}, {48, 50}}, {48, 50}},
      {{{53, 50}, {52, 49}}, {52, 49}},
  };
  for (const auto& [forest, expected] : cases) {
    ResetMap();
    for (const auto& [x, y] : forest) Forest(x, y, x, y);
    w->Tache = SANS_TACHE;
    WorldStep();
    EXPECT_EQ(std::make_tuple(w->Tache, w->XBois, w->YBois),
              std::make_tuple(RECOLTE_BOIS, expected.first, expected.second));
  }
}

TEST_F(Workers, OrdersOtherThanBuildingAreLoggedAndStillTaken) {
  cPaysan* w = Worker(ORC, 5, 5);
  w->AffecterTravail(RECOLTE_BOIS, 9, 9, nullptr);
  w->Ordonner(RECOLTE_OR, GetDefUnit(OFARM), 7, 8);
  EXPECT_EQ(std::tie(w->Tache, w->TacheRecolte, w->pToBuild),
            std::make_tuple(RECOLTE_OR, RECOLTE_BOIS, nullptr));
  const std::string order_log =
      "cHumanoide void cPaysan::Ordonner(TACHE ordre,int px,int py,cDefUnit* pToBuild) 002\n";
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"), order_log);
  w->Ordonner(RE_CONSTUCTION, nullptr, 7, 8);
  WorldStep();
  EXPECT_EQ(std::tie(w->Tache, w->TacheRecolte), std::make_tuple(RE_CONSTUCTION, RECOLTE_OR));
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            order_log +
                "cHumanoide void cPaysan::CallBack_Re_Construction() \n"
                "tache RE_CONSUCTION alors que il n'y a rien a construite...");
}

TEST_F(Workers, TheWorkerWhoRefoundsItsLostHallTakesItAsItsOwn) {
  cSprite* hall = Add(ORC, OHALL, 10, 10);
  cPaysan* w = Worker(ORC, 15, 11);
  RemovecSprite(hall);
  ASSERT_EQ(std::tie(w->XHall, w->YHall), std::make_tuple(-1, -1));
  w->Ordonner(RE_CONSTUCTION, GetDefUnit(OHALL), 10, 10);
  Signal_Sprite_Orc_To_Rebuild(GetDefUnit(OHALL), 10, 10);
  for (int i = 0; i < 20 && !w->pBatimentEnConstruction; ++i) Frame(51);
  ASSERT_NE(w->pBatimentEnConstruction, nullptr);
  EXPECT_EQ(std::tie(w->XHall, w->YHall), std::make_tuple(10, 10));
}

TEST_F(Workers, ASecondRebuilderGoesBackToItsHarvestOnceAnotherFoundedTheSite) {
  Add(NEUTRE, MINEO, 40, 40);
  cPaysan* first = Worker(ORC, 19, 21);
  cPaysan* second = Worker(ORC, 23, 21);
  cDefUnit* farm = GetDefUnit(OFARM);
  for (cPaysan* w : {first, second}) {
    w->AffecterTravail(RECOLTE_OR, 40, 40, nullptr);
    w->Ordonner(RE_CONSTUCTION, farm, 20, 20);
  }
  Signal_Sprite_Orc_To_Rebuild(farm, 20, 20);
  Frame(51);
  EXPECT_EQ(first->Tache, CONSTUCTION);  // beside the site: founds it at once
  for (int i = 0; i < 100 && second->Tache == RE_CONSTUCTION; ++i) Frame(51);
  EXPECT_EQ(std::tie(second->Tache, second->pToBuild), std::make_tuple(RECOLTE_OR, nullptr));
}

TEST_F(Workers, AWorkerHiddenInTheMineComesOutWhenGivenABuildingToPlace) {
  Add(HUMAN, HALL1, 10, 10);
  Add(NEUTRE, MINEO, 20, 10);
  cPaysan* w = Worker(HUMAN, 19, 11);
  w->AffecterTravail(RECOLTE_OR, 20, 10, nullptr);
  for (int i = 0; i < 10 && !w->InMine; ++i) Frame(61);
  ASSERT_TRUE(w->InMine);
  ASSERT_FALSE(w->visible);
  w->Construction(GetDefUnit(FERME));
  Frame(61);
  EXPECT_TRUE(w->visible);
  EXPECT_FALSE(w->InMine);
  EXPECT_EQ(At(w->Px, w->Py), w);
}

}  // namespace
