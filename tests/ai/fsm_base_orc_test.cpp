// The orc side: the rebuild list and the retraining of lost units, the
// alarm, the rescue's reach and order (the rebuilding is seen end to end).
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
  cSprite* Raider(cSprite* victim, int x, int y) {
    cSprite* raider = Add(HUMAN, GUERR, x, y);
    return raider->AssignerTache(ATTACK, victim), raider;
  }
  static std::vector<Entry> Entries() {
    std::vector<Entry> entries;
    for (auto* e = rebuild_list; e; e = e->next) entries.emplace_back(e->def->Nom, e->px, e->py);
    return entries;
  }
};

TEST_F(OrcBase, TheRebuildListKeepsTheOrderOfLossAndIdleTrainersTakeItsUnits) {
  Signal_Sprite_Orc_To_Rebuild(GetDefUnit(OHALL), 1, 2);
  Signal_Sprite_Orc_To_Rebuild(GetDefUnit(OGUER), 3, 4);
  Signal_Sprite_Orc_To_Rebuild(GetDefUnit(OHALL), 1, 2);
  Signal_Sprite_Orc_Rebuild(GetDefUnit(OHALL), 1, 2);
  Signal_Sprite_Orc_To_Rebuild(GetDefUnit(OPAYS), 7, 8);
  Signal_Sprite_Orc_Rebuild(GetDefUnit(OPAYS), 1, 2);  // the kind, but on another cell
  EXPECT_EQ(Entries(), (std::vector<Entry>{{OGUER, 3, 4}, {OHALL, 1, 2}, {OPAYS, 7, 8}}));
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "utils_fsm_base_orc void Signal_Sprite_Orc_Rebuild(cDefUnit * def, int px, int py) \n"
            "impossible to find the cDefUnit...:OPAYS en : [01,02]\n");

  // Lost units wait for an idle trainer, one order a frame, and leave the
  // list even unpaid.
  ClearRebuildList();
  MoneyOrc = WoodOrc = 10000;
  auto* hall = static_cast<cBatiment*>(Orc(OHALL, 50, 50));
  auto* barrack = static_cast<cBatiment*>(Orc(OBARR, 30, 30));
  barrack->Tache = RE_CONSTUCTION;  // training
  for (const auto& [kind, x] : {std::pair{OGUER, 40}, {OPAYS, 41}, {OGUER, 42}})
    Signal_Sprite_Orc_To_Rebuild(GetDefUnit(kind), x, 40);
  StepBase();
  EXPECT_EQ(std::tie(hall->pDefEnConstruction, hall->XRally),
            std::make_tuple(GetDefUnit(OPAYS), 41));
  barrack->Tache = SANS_TACHE, MoneyOrc = 0;
  StepBase();
  // The barrack could not pay: its unit is gone from the list all the same.
  EXPECT_EQ(std::tuple(barrack->pDefEnConstruction, Entries()),
            std::tuple(nullptr, std::vector<Entry>{{OGUER, 42, 40}}));
}

TEST_F(OrcBase, OnlyObjectsOfTheMapHoldTheAlarmButEveryAttackedOrcIsRescued) {
  Raider(Orc(OFARM, 10, 10, false), 13, 10);
  cSprite* retrained = Orc(OGUER, 40, 40, false);
  cSprite* raider = Raider(retrained, 42, 40);
  cSprite* idle = Orc(OGUER, 40, 54);  // 14 rings below the retrained soldier
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
  const int cases[][4] = {{33, 28, 28, 33}, {28, 33, 28, 29}, {29, 33, 33, 33},
                          {28, 30, 33, 29}, {45, 30, 46, 30}, {16, 16, 30, 46}};
  for (const auto& [sent_x, sent_y, other_x, other_y] : cases) {
    test::ResetWorldTo(64, 64);
    cSprite* farm = Orc(OFARM, 30, 30);
    cSprite* raider = Raider(farm, 60, 60);
    Orc(OPAYS, 29, 29);
    Orc(OGUER, 29, 31)->AssignerTache(ATTACK, raider);
    Add(HUMAN, GUERR, 30, 32);
    cSprite* other = Orc(OGUER, other_x, other_y);
    cSprite* sent = Orc(OGUER, sent_x, sent_y);
    farm->Call_Defenders_To_Rescue();
    EXPECT_EQ(std::tuple(sent->GetActualTarget(), other->Tache), std::tuple(raider, SANS_TACHE))
        << sent_x << "," << sent_y;
    RemovecSprite(sent);
    farm->Call_Defenders_To_Rescue();
    EXPECT_EQ(other->Tache, other_x == 46 || other_y == 46 ? SANS_TACHE : ATTACK);
  }
}

}  // namespace
