// The orc side's reflexes: the alarm and the states it drives, the rescue's
// rings and their order, and the rebuilding and retraining of lost objects.
#include "ai/fsm_base_orc.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "support/world.h"
#include "ui/money.h"
#include "units/cBatiment.h"
#include "units/cHumanoide.h"
#include "units/cPaysan.h"

namespace {

class OrcBase : public test::WorldTest {
 protected:
  OrcBase() { tx_map = ty_map = 64; }
  ~OrcBase() override { Init_FSM_Base_Orc(); }

  // The three steps the game screen runs after the world step.
  static void StepBase() {
    Check_Base_Orc_Under_Attack();
    Update_State_FSM_Base_Orc();
    Apply_State_FSM_Base_Orc();
  }
  cSprite* Orc(DECOR kind, int x, int y, bool initial = true) {
    cSprite* s = Add(ORC, kind, x, y);
    s->Present_In_Initial_Map = initial;
    return s;
  }
  // A human soldier standing still that has taken the victim as its target.
  cSprite* AttackerOf(cSprite* victim, int x, int y) {
    cSprite* a = Add(HUMAN, GUERR, x, y);
    a->SetModeAggressivity(PASSIVE);
    a->AssignerTache(ATTACK, victim);
    return a;
  }
  static cSprite* TargetOf(cSprite* s) { return s->GetActualTarget(); }
};

TEST_F(OrcBase, TheFirstMatchingRowOfTheTransitionsApplies) {
  struct Row {
    STATE_BASE_ORC from;
    bool alarm, request;
    STATE_BASE_ORC to;
  };
  const Row rows[] = {
      {STATE_IDLE, true, true, STATE_UNDER_ATTACK},
      {STATE_IDLE, false, true, STATE_ATTACK},
      {STATE_IDLE, false, false, STATE_IDLE},
      {STATE_UNDER_ATTACK, false, true, STATE_IDLE},
      {STATE_UNDER_ATTACK, true, false, STATE_UNDER_ATTACK},
      {STATE_ATTACK, true, false, STATE_UNDER_ATTACK},
      {STATE_ATTACK, false, false, STATE_IDLE},
      {STATE_ATTACK, false, true, STATE_ATTACK},
  };
  for (const Row& row : rows) {
    currentstate = row.from;
    under_attack = row.alarm;
    attack_request = row.request;
    Update_State_FSM_Base_Orc();
    EXPECT_EQ(currentstate, row.to) << row.from << row.alarm << row.request;
  }
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"), "");

  currentstate = static_cast<STATE_BASE_ORC>(7);
  under_attack = true;
  Update_State_FSM_Base_Orc();
  Apply_State_FSM_Base_Orc();
  EXPECT_EQ(currentstate, 7);
  EXPECT_STREQ(GetStringFromSTATE_BASE_ORC(currentstate), "UNKNOWN STATE");
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "fsm_base_orc void Update_State_FSM_Base_Orc() undefined currentstate ! \n"
            "fsm_base_orc void Apply_State_FSM_Base_Orc() undefined currentstate ! \n");

  Signal_Sprite_Orc_To_Rebuild(GetDefUnit(OFARM), 1, 1);
  attack_request = true;
  Init_FSM_Base_Orc();
  EXPECT_EQ(std::tie(currentstate, under_attack, attack_request, rebuild_list),
            std::make_tuple(STATE_IDLE, false, false, nullptr));
}

TEST_F(OrcBase, AHitOnABuildingOfTheMapAlarmsInTheSameFrameUntilNobodyAttacksIt) {
  cSprite* farm = Orc(OFARM, 10, 10);
  cSprite* soldier = AttackerOf(farm, 12, 10);
  farm->Blesser(1);
  StepBase();
  EXPECT_EQ(currentstate, STATE_UNDER_ATTACK);
  StepBase();  // no new hit: the attacker alone keeps the alarm up
  EXPECT_EQ(std::tie(currentstate, under_attack), std::make_tuple(STATE_UNDER_ATTACK, true));
  soldier->StopAttack();
  StepBase();
  EXPECT_EQ(std::tie(currentstate, under_attack), std::make_tuple(STATE_IDLE, false));
}

TEST_F(OrcBase, ObjectsMadeInPlayNeitherRaiseNorHoldTheAlarmButAreRescuedDuringOne) {
  cSprite* new_farm = Orc(OFARM, 10, 10, false);
  AttackerOf(new_farm, 12, 10);
  cSprite* new_soldier = Orc(OGUER, 40, 40, false);
  cSprite* raider = AttackerOf(new_soldier, 41, 40);
  cSprite* idle = Orc(OGUER, 40, 50);
  new_farm->Blesser(1);
  StepBase();
  EXPECT_EQ(std::tie(currentstate, under_attack), std::make_tuple(STATE_IDLE, false));
  EXPECT_EQ(idle->Tache, SANS_TACHE);

  cSprite* farm = Orc(OFARM, 20, 10);  // of the map, far from the idle soldier
  AttackerOf(farm, 22, 10);
  farm->Blesser(1);
  StepBase();
  EXPECT_EQ(currentstate, STATE_UNDER_ATTACK);
  EXPECT_EQ(std::make_tuple(idle->Tache, TargetOf(idle)), std::make_tuple(ATTACK, raider));
}

// Each defender stands alone on the map beside an attacked orc soldier at
// (30, 30): the rescue reaches 14 rings out, corners included.
TEST_F(OrcBase, TheRescueReachesFourteenRingsOut) {
  const struct {
    int x, y;
    bool sent;
  } cases[] = {{44, 30, true}, {45, 30, false}, {16, 16, true}, {30, 45, false}, {30, 16, true}};
  for (const auto& c : cases) {
    test::ResetWorldTo(64, 64);
    cSprite* victim = Orc(OGUER, 30, 30);
    victim->SetModeAggressivity(PASSIVE);
    cSprite* raider = AttackerOf(victim, 31, 30);
    cSprite* defender = Orc(OGUER, c.x, c.y);
    victim->Call_Defenders_To_Rescue();
    EXPECT_EQ(TargetOf(defender), c.sent ? raider : nullptr) << c.x << "," << c.y;
  }
}

// Two idle soldiers in ring 2 around an attacked 2 x 2 farm at (30, 30):
// the row above, then the row below, then the left column, then the right.
TEST_F(OrcBase, TheRescueSendsTheFirstIdleSoldierInRingOrder) {
  const struct {
    int first_x, first_y, second_x, second_y;
  } cases[] = {
      {33, 28, 28, 29},  // the row above, right end, before the left column
      {28, 33, 28, 29},  // the row below, left end, before the left column
      {29, 33, 33, 33},  // along the row below
      {28, 30, 33, 29},  // the left column before the right one
      {33, 28, 28, 33},  // the row above before the row below
  };
  for (const auto& c : cases) {
    test::ResetWorldTo(64, 64);
    cSprite* farm = Orc(OFARM, 30, 30);
    cSprite* raider = AttackerOf(farm, 20, 20);
    cSprite* second = Orc(OGUER, c.second_x, c.second_y);
    cSprite* first = Orc(OGUER, c.first_x, c.first_y);
    farm->Call_Defenders_To_Rescue();
    EXPECT_EQ(std::make_tuple(first->Tache, TargetOf(first)), std::make_tuple(ATTACK, raider));
    EXPECT_EQ(second->Tache, SANS_TACHE);
  }
}

TEST_F(OrcBase, OnlyIdleOrcFightersAreSentAndOnlyOrcObjectsAsk) {
  cSprite* farm = Orc(OFARM, 30, 30);
  cSprite* raider = AttackerOf(farm, 20, 20);
  Orc(OPAYS, 29, 29);
  Orc(WATOW, 31, 28);
  cSprite* busy = Orc(OGUER, 29, 31);
  busy->AssignerTache(ATTACK, raider);
  Add(HUMAN, GUERR, 30, 32);
  cSprite* archer = Orc(OARCH, 34, 30);
  farm->Call_Defenders_To_Rescue();
  EXPECT_EQ(TargetOf(archer), raider);
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"), "");

  cSprite* hall = Add(HUMAN, HALL1, 5, 5);
  AttackerOf(hall, 4, 4);
  hall->Call_Defenders_To_Rescue();
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "utils fsm baseorc  void cSprite::Call_Defenders_To_Rescue() not implemented pour les "
            "autres races !\n");
}

TEST_F(OrcBase, ALostBuildingSendsOneMoreHarvesterEachFrameUntilItsSiteIsTaken) {
  std::vector<cPaysan*> workers;  // the list starts with the last one made
  for (int x : {5, 6, 7}) {
    workers.push_back(static_cast<cPaysan*>(Orc(OPAYS, x, 20)));
    workers.back()->Tache = RECOLTE_OR;
  }
  workers[1]->visible = false;  // in the mine: not taken
  RemovecSprite(Orc(OBARR, 10, 10));
  for (cPaysan* sent : {workers[2], workers[0]}) {
    StepBase();
    EXPECT_EQ(std::tie(sent->Tache, sent->pToBuild, sent->XBuild, sent->YBuild),
              std::make_tuple(RE_CONSTUCTION, GetDefUnit(OBARR), 10, 10));
  }
  workers[1]->visible = true;
  Add(HUMAN, GUERR, 12, 12);
  StepBase();
  EXPECT_EQ(workers[1]->Tache, RECOLTE_OR);
  ASSERT_NE(rebuild_list, nullptr);  // until a worker founds the building
}

TEST_F(OrcBase, LostUnitsWaitForAnIdleTrainerOneOrderAFrameAndLeaveEvenUnpaid) {
  MoneyOrc = WoodOrc = 10000;
  auto* hall = static_cast<cBatiment*>(Orc(OHALL, 50, 50));
  auto* barrack = static_cast<cBatiment*>(Orc(OBARR, 30, 30));
  barrack->Tache = RE_CONSTUCTION;  // training
  for (auto [kind, x] : {std::pair{OGUER, 40}, {OPAYS, 41}, {OGUER, 42}}) {
    Signal_Sprite_Orc_To_Rebuild(GetDefUnit(kind), x, 40);
  }
  StepBase();
  EXPECT_EQ(std::tie(hall->pDefEnConstruction, hall->XRally, hall->YRally),
            std::make_tuple(GetDefUnit(OPAYS), 41, 40));
  barrack->Tache = SANS_TACHE;
  MoneyOrc = 0;
  StepBase();
  EXPECT_EQ(barrack->pDefEnConstruction, nullptr);  // it could not pay
  ASSERT_NE(rebuild_list, nullptr);
  EXPECT_EQ(std::tie(rebuild_list->px, rebuild_list->next), std::make_tuple(42, nullptr));
}

}  // namespace
