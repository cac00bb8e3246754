// The orc side: the rebuild list, the alarm, the rescue's reach and order,
// the retraining of lost units (the rebuilding is seen end to end).
#include "ai/fsm_base_orc.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "support/world.h"
#include "ui/money.h"
#include "units/cBatiment.h"

namespace {

using Entry = std::tuple<DECOR, int, int>;

class OrcBase : public test::WorldTest {
 protected:
  ~OrcBase() override { Init_FSM_Base_Orc(); }
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
  // A human soldier at (x, y) that has taken the victim as its target.
  cSprite* Raider(cSprite* victim, int x, int y) {
    cSprite* raider = Add(HUMAN, GUERR, x, y);
    raider->AssignerTache(ATTACK, victim);
    return raider;
  }
  static void Lost(DECOR kind, int px, int py) {
    Signal_Sprite_Orc_To_Rebuild(GetDefUnit(kind), px, py);
  }
  static std::vector<Entry> Entries() {
    std::vector<Entry> entries;
    for (Orc_Rebuild_Entry* e = rebuild_list; e; e = e->next)
      entries.emplace_back(e->def->Nom, e->px, e->py);
    return entries;
  }
};

TEST_F(OrcBase, TheListKeepsTheOrderOfLossLosesTheFirstEqualEntryAndReportsAMissingOne) {
  Lost(OHALL, 1, 2);
  Lost(OGUER, 3, 4);
  Lost(OHALL, 1, 2);
  Signal_Sprite_Orc_Rebuild(GetDefUnit(OHALL), 1, 2);
  Lost(OPAYS, 7, 8);
  Signal_Sprite_Orc_Rebuild(GetDefUnit(OPAYS), 1, 2);  // the kind, but on another cell
  EXPECT_EQ(Entries(), (std::vector<Entry>{{OGUER, 3, 4}, {OHALL, 1, 2}, {OPAYS, 7, 8}}));
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "utils_fsm_base_orc void Signal_Sprite_Orc_Rebuild(cDefUnit * def, int px, int py) \n"
            "impossible to find the cDefUnit...:OPAYS en : [01,02]\n");
}

TEST_F(OrcBase, OnlyObjectsOfTheMapHoldTheAlarmButEveryAttackedOrcIsRescued) {
  cSprite* rebuilt = Orc(OFARM, 10, 10, false);
  Raider(rebuilt, 13, 10);
  cSprite* retrained = Orc(OGUER, 40, 40, false);
  cSprite* raider = Raider(retrained, 42, 40);
  cSprite* idle = Orc(OGUER, 40, 54);  // 14 rings below the retrained soldier
  rebuilt->Blesser(1);
  StepBase();
  EXPECT_EQ(std::tie(currentstate, under_attack), std::make_tuple(STATE_IDLE, false));
  cSprite* farm = Orc(OFARM, 20, 10);
  cSprite* farm_raider = Raider(farm, 23, 10);
  farm->Blesser(1);
  StepBase();  // the transition comes in the frame of the hit
  EXPECT_EQ(std::make_tuple(currentstate, idle->GetActualTarget()),
            std::make_tuple(STATE_UNDER_ATTACK, raider));
  farm_raider->StopAttack();
  StepBase();
  EXPECT_EQ(std::tie(currentstate, under_attack), std::make_tuple(STATE_IDLE, false));
}

// Rings around a 2 x 2 farm: rows above and below, then left and right
// columns, toward growing x or y; ring 1 holds no idle orc soldier.
TEST_F(OrcBase, TheRescueSendsTheFirstIdleSoldierMetWithinFourteenRings) {
  const struct {
    int sent_x, sent_y, other_x, other_y;
  } cases[] = {{33, 28, 28, 33}, {28, 33, 28, 29}, {29, 33, 33, 33},
               {28, 30, 33, 29}, {45, 30, 46, 30}, {16, 16, 30, 46}};
  for (const auto& c : cases) {
    test::ResetWorldTo(64, 64);
    cSprite* farm = Orc(OFARM, 30, 30);
    cSprite* raider = Raider(farm, 60, 60);
    Orc(OPAYS, 29, 29);
    Orc(OGUER, 29, 31)->AssignerTache(ATTACK, raider);
    Add(HUMAN, GUERR, 30, 32);
    cSprite* other = Orc(OGUER, c.other_x, c.other_y);
    cSprite* sent = Orc(OGUER, c.sent_x, c.sent_y);
    farm->Call_Defenders_To_Rescue();
    EXPECT_EQ(std::make_tuple(sent->GetActualTarget(), other->Tache),
              std::make_tuple(raider, SANS_TACHE))
        << c.sent_x << "," << c.sent_y;
    RemovecSprite(sent);
    farm->Call_Defenders_To_Rescue();
    EXPECT_EQ(other->Tache, c.other_x == 46 || c.other_y == 46 ? SANS_TACHE : ATTACK);
  }
}

TEST_F(OrcBase, LostUnitsWaitForAnIdleTrainerOneOrderAFrameAndLeaveEvenUnpaid) {
  MoneyOrc = WoodOrc = 10000;
  auto* hall = static_cast<cBatiment*>(Orc(OHALL, 50, 50));
  auto* barrack = static_cast<cBatiment*>(Orc(OBARR, 30, 30));
  barrack->Tache = RE_CONSTUCTION;  // training
  Lost(OGUER, 40, 40);
  Lost(OPAYS, 41, 40);
  Lost(OGUER, 42, 40);
  StepBase();
  EXPECT_EQ(std::tie(hall->pDefEnConstruction, hall->XRally),
            std::make_tuple(GetDefUnit(OPAYS), 41));
  barrack->Tache = SANS_TACHE;
  MoneyOrc = 0;
  StepBase();
  EXPECT_EQ(barrack->pDefEnConstruction, nullptr);  // it could not pay
  EXPECT_EQ(Entries(), (std::vector<Entry>{{OGUER, 42, 40}}));
}

}  // namespace
