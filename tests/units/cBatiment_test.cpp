// Buildings: training for both sides with its refusals, payment and exit
// cell, the lost trainer's retraining, the tower's shots, the training bar and
// the temple's picture.
#include "units/cBatiment.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ai/utils_fsm_base_orc.h"
#include "frame/dix.h"
#include "support/world.h"
#include "ui/edit.h"
#include "ui/money.h"
#include "ui/selection.h"
#include "ui/zone_game.h"
#include "units/cHumanoide.h"
#include "units/combat.h"

namespace {

using Entry = std::tuple<DECOR, int, int>;

cDefUnit* Def(DECOR kind) {
  return GetDefUnit(kind);
}

std::vector<Entry> RebuildEntries() {
  std::vector<Entry> entries;
  for (Orc_Rebuild_Entry* e = rebuild_list; e; e = e->next)
    entries.emplace_back(e->def->Nom, e->px, e->py);
  return entries;
}

const cEditMessage& PanelMessage(DECOR kind) {
  return DescEditOf(kind)->message;
}

std::string PanelText(DECOR kind) {
  const cEditMessage& m = PanelMessage(kind);
  return m.text ? m.text.get() : "";
}

class Training : public test::WorldTest {
 protected:
  Training() {
    InitEdit();
    Money = Wood = MoneyOrc = WoodOrc = 1000;
    Food = 100;
  }
  ~Training() override {
    ClearRebuildList();
    FreeEdit();
  }

  cBatiment* Building(RACE race, DECOR kind, int x, int y) {
    return static_cast<cBatiment*>(Add(race, kind, x, y));
  }
  // World steps, each after more than a production interval.
  void Steps(int n) {
    for (int i = 0; i < n; ++i) {
      clock.Advance(11);
      WorldStep();
    }
  }
  static DECOR KindAt(int x, int y) {
    cSprite* s = occupancy_grid[CellIndex(x, y)];
    return s ? s->pDef->Nom : VIDE;
  }

  test::Clock clock;
};

TEST_F(Training, ABusyTrainerLogsTheRequestAndKeepsItsUnit) {
  cBatiment* hall = Building(HUMAN, HALL1, 10, 10);
  cBatiment* barrack = Building(HUMAN, BARRA, 20, 10);
  cBatiment* orc_hall = Building(ORC, OHALL, 30, 10);
  cBatiment* orc_barrack = Building(ORC, OBARR, 40, 10);
  hall->Construction(Def(PAYSA));
  barrack->Construction(Def(GUERR));
  orc_hall->Construction(Def(OPAYS), 5, 6);
  orc_barrack->Construction(Def(OGUER), 7, 8);
  Steps(5);
  hall->Construction(Def(GUERR));
  barrack->Construction(Def(ARCHE));
  orc_hall->Construction(Def(OGUER), 50, 50);
  orc_barrack->Construction(Def(OARCH), 50, 50);

  const std::string busy = "il y a deja un sprite en construction \n";
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "cBatiment void cHall1::Construction(cDefUnit* unit)\n" + busy +
                "cBatiment void cHall1::Construction(cDefUnit* unit)\n" + busy +
                "cBatiment void cOrcHall::Construction(cDefUnit* unit)\n" + busy +
                "cBatiment void cOrcBarrack::Construction(cDefUnit* unit)\n" + busy);
  EXPECT_EQ(std::tie(hall->pDefEnConstruction, barrack->pDefEnConstruction,
                     orc_hall->pDefEnConstruction, orc_barrack->XRally, orc_barrack->YRally),
            std::make_tuple(Def(PAYSA), Def(GUERR), Def(OPAYS), 7, 8));
  EXPECT_EQ(hall->Progression, 5);
}

TEST_F(Training, ExactResourcesStartAndArePaidOnlyWhenTheUnitComesOut) {
  cBatiment* hall = Building(HUMAN, HALL1, 10, 10);
  cBatiment* barrack = Building(HUMAN, BARRA, 20, 10);
  const int needed = FoodNeeded;
  Money = 100, Wood = 0, Food = needed + 10;  // a worker's gold, wood and food
  hall->Construction(Def(PAYSA));
  Money += 200, Wood += 100;  // an archer's
  barrack->Construction(Def(ARCHE));
  EXPECT_EQ(hall->Tache, CONSTUCTION);
  EXPECT_EQ(barrack->Tache, CONSTUCTION);

  clock.Advance(10);  // not more than the production interval
  WorldStep();
  EXPECT_EQ(hall->Progression, 0);
  clock.Advance(5000);  // however long a step, one percent
  WorldStep();
  EXPECT_EQ(hall->Progression, 1);
  Steps(99);
  EXPECT_EQ(hall->Progression, 100);
  EXPECT_EQ(KindAt(9, 9), VIDE);
  EXPECT_EQ(std::tie(Money, Wood), std::make_tuple(300, 100));

  Steps(1);                        // the 101st step
  EXPECT_EQ(KindAt(9, 9), PAYSA);  // the ring's first cell: its top-left corner
  EXPECT_EQ(KindAt(19, 9), ARCHE);
  EXPECT_EQ(std::tie(Money, Wood), std::make_tuple(0, 0));
  EXPECT_EQ(FoodNeeded, needed + 20);
  for (cBatiment* trainer : {hall, barrack}) {
    EXPECT_EQ(std::tie(trainer->pDefEnConstruction, trainer->Progression, trainer->Tache),
              std::make_tuple(nullptr, std::uint8_t(0), SANS_TACHE));
  }
  EXPECT_FALSE(occupancy_grid[CellIndex(9, 9)]->Present_In_Initial_Map);
}

TEST_F(Training, AShortageIsShownOnTheKindsPanelAndStartsNothing) {
  cBatiment* hall = Building(HUMAN, HALL1, 10, 10);
  cBatiment* barrack = Building(HUMAN, BARRA, 20, 10);
  Money = 0, Food = 0;  // gold is checked first
  hall->Construction(Def(PAYSA));
  EXPECT_EQ(PanelText(HALL1), "NO MONEY");
  Money = 200, Wood = 99;
  hall->Construction(Def(ARCHE));
  EXPECT_EQ(PanelText(HALL1), "NO WOOD");
  Money = 100, Food = FoodNeeded + 9;
  hall->Construction(Def(PAYSA));
  EXPECT_EQ(PanelText(HALL1), "NO FOOD");
  EXPECT_EQ(std::tie(PanelMessage(HALL1).x, PanelMessage(HALL1).y, PanelMessage(HALL1).duration),
            std::make_tuple(530, 150, DWORD(2000)));
  EXPECT_EQ(hall->pDefEnConstruction, nullptr);
  EXPECT_EQ(hall->Tache, SANS_TACHE);

  Money = 26;
  barrack->Construction(Def(GUERR));
  EXPECT_EQ(PanelText(BARRA), "OIOIOI");
  EXPECT_EQ(std::tie(PanelMessage(BARRA).x, PanelMessage(BARRA).y), std::make_tuple(540, 160));
  Money = 27;  // the barrack asks for no food
  barrack->Construction(Def(GUERR));
  EXPECT_EQ(barrack->pDefEnConstruction, Def(GUERR));
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"), "");
}

TEST_F(Training, AHallHoldsAtFullWhileEveryCellAroundIsTaken) {
  cBatiment* hall = Building(HUMAN, HALL1, 10, 10);
  for (int x = 9; x <= 14; ++x) {
    for (int y = 9; y <= 14; ++y) terrain_grid[CellIndex(x, y)] = BOIS01;
  }
  terrain_grid[CellIndex(11, 14)] = terrain_grid[CellIndex(12, 14)] = HERBE1;
  cSprite* farm = Add(ORC, OFARM, 11, 14);  // on the two grass cells of the ring
  Money = 100;
  hall->Construction(Def(PAYSA));
  Steps(150);
  EXPECT_EQ(hall->Progression, 100);
  EXPECT_EQ(hall->pDefEnConstruction, Def(PAYSA));
  EXPECT_EQ(Money, 100);
  EXPECT_EQ(List(HUMAN).size(), 1u);

  RemovecSprite(farm);
  Steps(1);
  EXPECT_EQ(KindAt(11, 14), PAYSA);
  EXPECT_EQ(KindAt(12, 14), VIDE);
  EXPECT_EQ(Money, 0);
}

TEST_F(Training, OrcTrainingPaysFromTheOrcTreasuryAndWalksToItsRallyCellIfAPathLeadsThere) {
  cBatiment* hall = Building(ORC, OHALL, 10, 10);
  MoneyOrc = 99, WoodOrc = 0;
  hall->Construction(Def(OPAYS), 20, 12);  // short: silently nothing
  EXPECT_EQ(std::tie(hall->pDefEnConstruction, hall->Tache), std::make_tuple(nullptr, SANS_TACHE));
  MoneyOrc = 100;
  hall->Construction(Def(OPAYS), 20, 12);
  EXPECT_EQ(hall->Tache, RE_CONSTUCTION);
  Steps(101);

  auto* peon = dynamic_cast<cHumanoide*>(occupancy_grid[CellIndex(9, 9)]);
  ASSERT_NE(peon, nullptr);
  EXPECT_TRUE(peon->Present_In_Initial_Map);
  EXPECT_EQ(std::tie(MoneyOrc, WoodOrc, Money, FoodNeeded), std::make_tuple(0, 0, 1000, 0));
  EXPECT_EQ(hall->Tache, SANS_TACHE);
  EXPECT_EQ(peon->Ordre, GOTO);
  EXPECT_EQ(std::tie(peon->XObjectif, peon->YObjectif), std::make_tuple(20, 12));
  for (int frame = 0; frame < 5000 && peon->Ordre == GOTO; ++frame) {
    clock.Advance(60);
    peon->Avancer();
    WorldStep();
  }
  EXPECT_EQ(std::tie(peon->Px, peon->Py), std::make_tuple(20, 12));
  EXPECT_EQ(occupancy_grid[CellIndex(20, 12)], peon);

  terrain_grid[CellIndex(30, 12)] = BOIS05;  // a rally cell no path reaches
  MoneyOrc = 100;
  hall->Construction(Def(OPAYS), 30, 12);
  Steps(101);
  auto* stayer = dynamic_cast<cHumanoide*>(occupancy_grid[CellIndex(9, 9)]);
  ASSERT_NE(stayer, nullptr);
  EXPECT_EQ(stayer->Ordre, WAIT);  // not sent along the emptied path to (0, 0)
  EXPECT_EQ(std::tie(stayer->Px, stayer->Py), std::make_tuple(9, 9));
}

TEST_F(Training, AnOrcTrainerLostWhileTrainingHandsItsUnitToTheRebuildList) {
  cBatiment* hall = Building(ORC, OHALL, 10, 10);
  hall->PreparerMission();  // on the mission's map: rebuilt itself
  cBatiment* barrack = Building(ORC, OBARR, 20, 10);
  cBatiment* done = Building(ORC, OBARR, 30, 10);
  done->Construction(Def(OARCH), 7, 8);
  Steps(101);
  ASSERT_EQ(done->Tache, SANS_TACHE);  // its archer is out
  hall->Construction(Def(OPAYS), 40, 41);
  barrack->Construction(Def(OGUER), 5, 6);
  Steps(3);

  RemovecSprite(hall);
  RemovecSprite(done);
  RemovecSprite(barrack);
  EXPECT_EQ(RebuildEntries(),
            (std::vector<Entry>{{OHALL, 10, 10}, {OPAYS, 40, 41}, {OGUER, 5, 6}}));
}

// A tower at (20, 20), 2 x 2 cells: its square runs from 18 to 23 both ways.
class DefenceTower : public Training {
 protected:
  DefenceTower() : tower(static_cast<cWarTower*>(Add(ORC, WATOW, 20, 20))) {}
  // Steps of the tower alone, and of the projectiles, up to a time.
  void FightUntil(DWORD t) {
    while (GetTickCount() < t) {
      clock.Advance(1);
      tower->Fight();
      AvancerProjectiles();
    }
  }
  static bool Attacks(cSprite* victim, cSprite* attacker) {
    for (cAttacker* a = victim->ListOfPeopleWhoAttackMe; a; a = a->pNextAttacker)
      if (a->PotentialAttacker == attacker) return true;
    return false;
  }
  void MoveTo(cSprite* s, int x, int y) {
    occupancy_grid[CellIndex(s->Px, s->Py)] = nullptr;
    s->Px = x, s->Py = y;
    occupancy_grid[CellIndex(x, y)] = s;
  }

  cWarTower* tower;
};

TEST_F(DefenceTower, ShootsTwoCellsBeyondItsEdgeButNotThree) {
  cSprite* far = Add(HUMAN, GUERR, 20, 24);
  FightUntil(3000);
  EXPECT_EQ(tower->GetActualTarget(), nullptr);
  EXPECT_EQ(far->ListOfPeopleWhoAttackMe, nullptr);

  cSprite* near = Add(HUMAN, GUERR, 23, 21);
  FightUntil(3500);  // the search runs every 500 ms
  EXPECT_EQ(tower->GetActualTarget(), near);
  FightUntil(5000);
  EXPECT_TRUE(Attacks(near, tower));
  EXPECT_EQ(near->PointsDeVie, 120 - 20);
  FightUntil(7000);  // a cannon ball every 2000 ms
  EXPECT_EQ(near->PointsDeVie, 120 - 40);
  EXPECT_EQ(far->PointsDeVie, 120);
}

TEST_F(DefenceTower, DropsATargetThatLeavesItsSquare) {
  cSprite* soldier = Add(HUMAN, GUERR, 23, 18);
  FightUntil(2100);
  ASSERT_EQ(tower->GetActualTarget(), soldier);
  ASSERT_EQ(soldier->PointsDeVie, 100);
  MoveTo(soldier, 24, 18);
  FightUntil(2101);
  EXPECT_EQ(tower->GetActualTarget(), nullptr);
  EXPECT_TRUE(Attacks(soldier, tower));  // it stays among the attackers
  FightUntil(8000);
  EXPECT_EQ(soldier->PointsDeVie, 100);
}

TEST_F(DefenceTower, ForgetsATargetRemovedBeforeItsFirstShot) {
  cSprite* soldier = Add(HUMAN, GUERR, 18, 18);
  FightUntil(600);
  ASSERT_EQ(tower->GetActualTarget(), soldier);
  RemovecSprite(soldier);
  EXPECT_EQ(tower->GetActualTarget(), nullptr);
  FightUntil(3000);  // under the sanitizer, a stale target would be read here
  EXPECT_EQ(tower->GetActualTarget(), nullptr);
}

// Drawing onto the back buffer, whose pixels start white.
class BuildingPicture : public test::WorldTest {
 protected:
  static constexpr std::uint16_t kWhite = 0xFFFF, kEmptyBar = 0x0A0A, kFullBar = 0x0B0B;

  BuildingPicture() {
    InitEdit();
    virtual_surface = surfaces.Make(800, 700);
    Fill(lpDDSBack, RECT{0, 0, 640, 480}, kWhite);
  }
  ~BuildingPicture() override {
    FreeEdit();
    virtual_surface = edit_game_surface = nullptr;
  }
  static void Fill(LPDIRECTDRAWSURFACE s, RECT r, std::uint16_t colour) {
    DDBLTFX fx{sizeof(DDBLTFX), colour};
    s->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, &fx);
  }
  static std::uint16_t Back(int x, int y) { return lpDDSBack.get()->PixelAt(x, y); }
  // The interface picture's bar: empty above, full below.
  void MakeBarPicture() {
    edit_game_surface = surfaces.Make(106, 38);
    Fill(edit_game_surface, RECT{0, 0, 106, 22}, kEmptyBar);
    Fill(edit_game_surface, RECT{0, 22, 106, 38}, kFullBar);
  }
  cBatiment* Trainer(RACE race, DECOR kind, int progression, int x = 2) {
    auto* b = static_cast<cBatiment*>(Add(race, kind, x, 3));
    b->pDefEnConstruction = Def(race == HUMAN ? PAYSA : OPAYS);
    b->Progression = std::uint8_t(progression);
    return b;
  }

  test::Machine machine;
};

TEST_F(BuildingPicture, TheBarFillsOnePixelPerPercentForTheSelectedHumanTrainer) {
  MakeBarPicture();
  cBatiment* hall = Trainer(HUMAN, HALL1, 40);
  AddToSelection(hall);
  hall->Afficher();
  // The empty bar's corners and the edges of the 40 pixels filled.
  const std::tuple<int, int, std::uint16_t> pixels[] = {
      {528, 135, kEmptyBar}, {632, 156, kEmptyBar}, {633, 140, kWhite},   {531, 138, kFullBar},
      {570, 153, kFullBar},  {571, 145, kEmptyBar}, {560, 154, kEmptyBar}};
  for (auto [x, y, colour] : pixels) EXPECT_EQ(Back(x, y), colour) << x << "," << y;
}

TEST_F(BuildingPicture, NoBarWithoutTrainingOrForAnotherSelection) {
  MakeBarPicture();
  cBatiment* idle = Trainer(HUMAN, HALL1, 0);
  AddToSelection(idle);
  idle->Afficher();
  ClearSelection();
  cBatiment* orc_hall = Trainer(ORC, OHALL, 50, 8);
  AddToSelection(orc_hall);
  orc_hall->Afficher();
  ClearSelection();
  cBatiment* barrack = Trainer(HUMAN, BARRA, 50, 14);
  AddToSelection(barrack);
  AddToSelection(Add(HUMAN, FERME, 30, 30));
  barrack->Afficher();
  EXPECT_EQ(Back(528, 135), kWhite);
  EXPECT_EQ(Back(540, 145), kWhite);
}

TEST_F(BuildingPicture, AFailedBarIsReportedWithItsRectangle) {
  cBatiment* hall = Trainer(HUMAN, HALL1, 7);
  AddToSelection(hall);
  hall->Afficher();  // no interface picture
  EXPECT_EQ(tree.Log("cBatiment.txt"),
            "ERROR sprites void cBatiment::Afficher(void) 003\n"
            "rect dest : [531,138]     [538,154]\n");
  const std::string dx = tree.Log("directX_errors.txt");
  EXPECT_NE(dx.find("sprites void cBatiment::Afficher(void) 002\n"), std::string::npos);
  EXPECT_NE(dx.find("sprites void cBatiment::Afficher(void) 003\n"), std::string::npos);
}

TEST_F(BuildingPicture, ATempleShowsTheColumnOfItsOwner) {
  LPDIRECTDRAWSURFACE sheet = surfaces.Make(3 * kBuildingPitch + 97, 97);
  for (int owner = 0; owner < 3; ++owner) {
    const int left = owner * kBuildingPitch + 1;
    Fill(sheet, RECT{left, 1, left + 96, 97}, std::uint16_t(0x100 + owner));
  }
  Def(T_AIR)->pSurface = sheet;
  cSprite* temple = Add(NEUTRE, T_AIR, 2, 3);
  for (RACE owner : {NEUTRE, HUMAN, ORC, NEUTRE}) {
    temple->SetOwner(owner);
    temple->Afficher();
    EXPECT_EQ(temple->GetOwner(), owner);
    EXPECT_EQ(virtual_surface.get()->PixelAt(32 * 2 + 96 + 50, 32 * 3 + 96 + 50), 0x100 + owner);
  }
}

}  // namespace
