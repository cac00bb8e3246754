// Workers on small maps with the virtual clock: gold and wood trips, raising
// and re-raising buildings, a site or a hall lost, the orc worker's choice of
// work and the orders it refuses.
#include "units/cPaysan.h"

#include <gtest/gtest.h>

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

class Workers : public test::UnitsTest {
 protected:
  Workers() { clock.Advance(5000); }  // past a new worker's first 4 s in its hall
  ~Workers() override { ClearRebuildList(); }

  cPaysan* Worker(RACE race, int x, int y) {
    return Unit<cPaysan>(race, race == ORC ? OPAYS : PAYSA, x, y);
  }
  static void Forest(int x0, int y0, int x1, int y1) { Ground(x0, y0, x1, y1, BOIS05); }
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
    EXPECT_TRUE(i % 2 == 0 ? IsAdjacent(cell.first, cell.second, 20, 10, 3, 3)
                           : IsAdjacent(cell.first, cell.second, 10, 10, 4, 4));
    EXPECT_EQ(std::tuple(gold, ms), std::tuple(100 * int((i + 1) / 2), 4000));
  }
  // Hidden, but still on its cell.
  EXPECT_EQ(std::tuple(Money, MoneyOrc, At(w->Px, w->Py)), std::tuple(200, 0, w));
}

// A human worker steps every 60 ms: beside the mine it goes in only more than
// 50 ms after its last step. A walk that cannot be found ends the cycle, and
// the harvest is not kept as the one to go back to.
TEST_F(Workers, AHarvesterArrivesMoreThanItsStepIntervalLessTenAfterItsLastStep) {
  Add(NEUTRE, MINEO, 20, 10);
  cPaysan* w = Worker(HUMAN, 19, 11);
  cPaysan* shut_in = Worker(ORC, 5, 1);
  Forest(4, 0, 6, 2);
  terrain_grid[CellIndex(5, 1)] = HERBE1;
  for (cPaysan* worker : {w, shut_in}) {
    worker->AffecterTravail(RECOLTE_OR, 20, 10, nullptr);
    worker->InHall = false;
    worker->dwLastMove = GetTickCount();
  }
  Frame(50);
  EXPECT_EQ(std::tuple(w->InMine, shut_in->Tache, shut_in->TacheRecolte, shut_in->Ordre),
            std::tuple(false, SANS_TACHE, SANS_TACHE, WAIT));
  Frame(1);
  EXPECT_TRUE(w->InMine);
  // Choosing a building leaves it hidden in the mine, the harvest kept.
  w->Construction(GetDefUnit(FERME));
  for (int i = 0; i < 100; ++i) Frame(61);
  EXPECT_EQ(std::tie(w->visible, w->InMine, w->Tache, w->TacheRecolte),
            std::make_tuple(false, true, SANS_TACHE, RECOLTE_OR));
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
    ASSERT_EQ(std::make_pair(CellOf(w), w->visible), std::make_pair(edge, true));
  }
  EXPECT_EQ(std::make_tuple(Cell(w->XBois, w->YBois), cutting_ms, Wood),
            std::make_tuple(edge, 4000, 100));
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
  Frame(61);  // beside it after its step interval: inside, no point yet
  EXPECT_EQ(std::tie(w->visible, w->Px, w->Py), std::make_tuple(false, 20, 20));
  EXPECT_EQ(std::tuple(At(19, 21), GetSelectedSprite(), farm->PointsDeVie),
            std::tuple(nullptr, nullptr, 1));
  Frame(40);
  EXPECT_EQ(farm->PointsDeVie, 2);
  for (int expected = 3; expected <= 100; ++expected) {
    Frame(100);  // not more than the farm's 100 ms
    ASSERT_EQ(farm->PointsDeVie, expected - 1);
    Frame(1);
    ASSERT_EQ(farm->PointsDeVie, expected);
  }
  Frame(61);
  // Row above all forest: the right column, not the nearer cell it left.
  EXPECT_EQ(std::tuple(w->visible, At(22, 20), w->Tache, w->pBatimentEnConstruction, w->pToBuild),
            std::tuple(true, w, SANS_TACHE, nullptr, nullptr));
}

// Every worker of the site comes back on its top-left cell, the one inside
// and the one still on its way; the building's cells, that one too, are
// cleared as it goes, and the cell the walker stood on is let go.
TEST_F(FarmSite, DestroyedItPutsBackEveryWorkerOfTheSiteOnItsCorner) {
  cPaysan* late = Worker(HUMAN, 10, 25);
  late->Construction(GetDefUnit(FERME));
  late->AffecterTravail(CONSTUCTION, 20, 20, farm);
  Frame(61);
  ASSERT_FALSE(w->visible);
  const Cell late_cell = CellOf(late);
  ASSERT_EQ(At(late_cell.first, late_cell.second), late);
  RemovecSprite(farm);
  for (cPaysan* worker : {w, late}) {
    EXPECT_EQ(std::tuple(worker->visible, CellOf(worker), worker->Tache,
                         worker->pBatimentEnConstruction, worker->pToBuild),
              std::tuple(true, Cell(20, 20), SANS_TACHE, nullptr, nullptr));
  }
  EXPECT_EQ(std::tuple(At(20, 20), At(late_cell.first, late_cell.second)),
            std::tuple(nullptr, nullptr));
  RemovecSprite(late);  // no cell may still point at it
  for (cSprite* s : occupancy_grid) ASSERT_NE(s, late);
}

// Two orc workers sent to refound one farm: the first beside the free site
// founds it; the other waits beside the taken site, trying at every step.
TEST_F(Workers, AnOrcWorkerRefoundsALostBuildingOnceItsSiteIsFreeThenGoesBackToGold) {
  Add(NEUTRE, MINEO, 40, 40);
  cPaysan* w = Worker(ORC, 19, 21);
  cPaysan* second = Worker(ORC, 23, 21);
  cSprite* blocker = Add(ORC, OGUER, 21, 21);
  cDefUnit* farm_def = GetDefUnit(OFARM);
  Signal_Sprite_Orc_To_Rebuild(farm_def, 20, 20);
  for (cPaysan* worker : {w, second}) {
    worker->AffecterTravail(RECOLTE_OR, 40, 40, nullptr);
    worker->Ordonner(RE_CONSTUCTION, farm_def, 20, 20);
  }
  Frame(51);
  EXPECT_EQ(std::tuple(w->Tache, w->pBatimentEnConstruction), std::tuple(RE_CONSTUCTION, nullptr));
  RemovecSprite(blocker);
  Frame(51);
  cSprite* farm = At(20, 20);
  ASSERT_NE(farm, nullptr);
  EXPECT_EQ(std::tuple(farm->pDef, farm->PointsDeVie, farm->Present_In_Initial_Map, rebuild_list,
                       w->Tache, w->pBatimentEnConstruction),
            std::tuple(farm_def, 1, true, nullptr, CONSTUCTION, farm));
  for (int i = 0; i < 99; ++i) Frame(51);  // its 10 ms is under the worker's 50: a point a step
  EXPECT_EQ(farm->PointsDeVie, 100);
  Frame(51);
  // Out on the row above, from the left, and back to its gold.
  EXPECT_EQ(std::tuple(CellOf(w), w->Tache, w->Xmine), std::tuple(Cell(19, 19), RECOLTE_OR, 40));
  EXPECT_EQ(std::tie(second->Tache, second->Ordre, second->pToBuild),
            std::make_tuple(RE_CONSTUCTION, WAIT, farm_def));
}

// An orc worker whose hall fell keeps its load until a hall of its side is
// added: the one a worker refounds (its own from then on), or a new one that
// an idle worker also adopts, going back to its last harvest.
TEST_F(Workers, AnOrcWorkerWhoseHallFallsHoldsItsLoadUntilANewHallIsAdded) {
  cSprite* hall = Add(ORC, OHALL, 10, 10);
  Add(NEUTRE, MINEO, 20, 10);
  cPaysan* idle = Worker(ORC, 30, 30);
  cPaysan* w = Worker(ORC, 19, 11);
  cPaysan* rebuilder = Worker(ORC, 15, 11);
  w->AffecterTravail(RECOLTE_OR, 20, 10, nullptr);
  w->charge = true;
  idle->TacheRecolte = RECOLTE_BOIS;
  RemovecSprite(hall);
  EXPECT_EQ(std::tie(w->XHall, w->YHall, w->Tache, w->TacheRecolte),
            std::make_tuple(-1, -1, SANS_TACHE, RECOLTE_OR));
  idle->Tache = rebuilder->Tache = ATTACK;  // a task a worker ignores: they stay put
  for (int i = 0; i < 50; ++i) Frame(60);   // takes gold again, with nowhere to bring it
  EXPECT_EQ(std::tie(w->Tache, w->Ordre, w->Px, w->Py), std::make_tuple(RECOLTE_OR, WAIT, 19, 11));
  rebuilder->Ordonner(RE_CONSTUCTION, GetDefUnit(OHALL), 10, 10);
  Signal_Sprite_Orc_To_Rebuild(GetDefUnit(OHALL), 10, 10);
  ASSERT_TRUE(RunUntil([&] { return rebuilder->pBatimentEnConstruction != nullptr; }, 3000, 51));
  EXPECT_EQ(std::tie(rebuilder->XHall, w->XHall, idle->XHall), std::make_tuple(10, 10, -1));
  idle->Tache = SANS_TACHE;
  Add(ORC, OHALL, 10, 30);
  EXPECT_EQ(std::tie(idle->XHall, idle->YHall, idle->Tache), std::make_tuple(10, 30, RECOLTE_BOIS));
  EXPECT_TRUE(RunUntil([] { return MoneyOrc == 100; }, 40000, 60));
}

TEST_F(Workers, AnIdleOrcWorkerTakesGoldUnlessMoreCutWood) {
  // The other orc workers' tasks, a mine, a forest: the idle one's choice.
  const std::tuple<std::vector<TACHE>, bool, bool, TACHE> cases[] = {
      {{}, true, true, RECOLTE_OR},
      {{RECOLTE_OR, RECOLTE_BOIS}, true, true, RECOLTE_OR},
      {{RECOLTE_BOIS}, true, true, RECOLTE_BOIS},
      {{RECOLTE_BOIS}, true, false, RECOLTE_OR},
      {{}, false, true, RECOLTE_BOIS},
      {{}, false, false, SANS_TACHE}};
  for (const auto& [others, mine, forest, expected] : cases) {
    ResetWorld();
    if (forest) Forest(60, 10, 60, 10);
    if (mine) Add(NEUTRE, MINEO, 70, 70);
    for (TACHE t : others) Worker(ORC, 100, 100 + int(List(ORC).size()))->Tache = t;
    cPaysan* w = Worker(ORC, 50, 50);  // the newest: it steps first
    WorldStep();
    EXPECT_EQ(w->Tache, expected) << others.size() << mine << forest;
  }
  cPaysan* human = Worker(HUMAN, 40, 40);
  WorldStep();
  EXPECT_EQ(human->Tache, SANS_TACHE);
}

TEST_F(Workers, OrdersOtherThanBuildingAreLoggedAndStillTaken) {
  cPaysan* w = Worker(ORC, 5, 5);
  w->AffecterTravail(RECOLTE_BOIS, 9, 9, nullptr);
  w->Ordonner(RECOLTE_OR, GetDefUnit(OFARM), 7, 8);
  EXPECT_EQ(std::tie(w->Tache, w->TacheRecolte), std::make_tuple(RECOLTE_OR, RECOLTE_BOIS));
  w->Ordonner(RE_CONSTUCTION, nullptr, 7, 8);
  WorldStep();
  EXPECT_EQ(std::tie(w->Tache, w->TacheRecolte), std::make_tuple(RE_CONSTUCTION, RECOLTE_OR));
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "cHumanoide void cPaysan::Ordonner(TACHE ordre,int px,int py,cDefUnit* pToBuild) 002\n"
            "cHumanoide void cPaysan::CallBack_Re_Construction() \n"
            "tache RE_CONSUCTION alors que il n'y a rien a construite...");
}

}  // namespace
