// The registry: footprints, lists, counts, food, refused kinds, removal with
// every reference cleared, removals during the world step.
#include "world/sprites.h"

#include <gtest/gtest.h>

#include <utility>

#include "ai/fsm_base_orc.h"
#include "support/world.h"
#include "ui/selection.h"
#include "units/cHumanoide.h"
#include "units/cPaysan.h"
#include "units/combat.h"

namespace {

using Registry = test::WorldTest;

int CellsHeldBy(const cSprite* s) {
  int cells = 0;
  for (cSprite* held : occupancy_grid) cells += held == s;
  return cells;
}

TEST_F(Registry, FootprintsFillAndLeaveExactlyTheirCellsAndTakeOccupiedOnes) {
  cSprite* hall = Add(HUMAN, HALL1, 10, 10);
  cSprite* farm = Add(HUMAN, FERME, 20, 20);
  cSprite* soldier = Add(ORC, OGUER, 30, 30);
  EXPECT_EQ(CellsHeldBy(hall), 16);
  EXPECT_EQ(occupancy_grid[CellIndex(13, 13)], hall);
  EXPECT_EQ(occupancy_grid[CellIndex(14, 13)], nullptr);
  EXPECT_EQ(CellsHeldBy(farm), 4);
  EXPECT_EQ(CellsHeldBy(soldier), 1);
  RemovecSprite(hall);
  EXPECT_EQ(CellsHeldBy(hall), 0);
  EXPECT_EQ(occupancy_grid[CellIndex(20, 20)], farm);
  EXPECT_EQ(sprite_counts[HUMAN], 1);

  // An occupied cell is reported, once per cell, and taken; a removal clears
  // its whole footprint, whoever holds a cell of it by then.
  cSprite* first = Add(NEUTRE, MINEO, 5, 5);
  cSprite* second = Add(NEUTRE, T_AIR, 6, 6);
  EXPECT_EQ(CellsHeldBy(first), 5);
  EXPECT_EQ(CellsHeldBy(second), 9);
  std::string expected;
  for (int i = 0; i < 4; ++i)
    expected += "sprites AjouterSprites il y a deja un sprite a cet endroit !\n";
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"), expected);
  RemovecSprite(first);
  EXPECT_EQ(CellsHeldBy(second), 5);
}

TEST_F(Registry, KindsASideCannotHaveAreRefusedWithTheirText) {
  EXPECT_EQ(AjouterSprite(HUMAN, OHALL, 1, 1), nullptr);
  EXPECT_EQ(AjouterSprite(ORC, MONK, 1, 1), nullptr);
  EXPECT_EQ(AjouterSprite(NEUTRE, HERBE1, 1, 1), nullptr);
  EXPECT_EQ(AjouterSprite(static_cast<RACE>(7), MINEO, 1, 1), nullptr);
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "sprites cSprite* AjouterSprite(RACE Race,DECOR Nom,int x,int y, bool LOAD) : \n"
            "        DECOR is not valid for HUMAINS\n"
            "sprites cSprite* AjouterSprite(RACE Race,DECOR Nom,int x,int y, bool LOAD) : \n"
            "        DECOR is not valid for ORC\n"
            "the decor was :MONK\n"
            "sprites AjouterSprite : Decor is not valid for a NEUTRE\n"
            "sprites ajoutersprites : Race is not valid\n");
  EXPECT_EQ(sprite_counts, (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(CellsHeldBy(nullptr), kMapCapacity * kMapCapacity);
}

TEST_F(Registry, ListsRunNewestFirstAndCountTheirSprites) {
  cSprite* s1 = Add(ORC, OGUER, 1, 1);
  cSprite* s2 = Add(ORC, OARCH, 2, 1);
  cSprite* s3 = Add(ORC, OPAYS, 3, 1);
  EXPECT_EQ(List(ORC), (std::vector<cSprite*>{s3, s2, s1}));
  EXPECT_EQ(sprite_counts[ORC], 3);
  RemovecSprite(s2);
  EXPECT_EQ(List(ORC), (std::vector<cSprite*>{s3, s1}));
  EXPECT_EQ(sprite_counts[ORC], 2);
  EXPECT_EQ(Get_Linked_List(ORC), s3);
  EXPECT_EQ(Get_Linked_List(static_cast<RACE>(3)), nullptr);
}

TEST_F(Registry, FarmsRaiseFoodForGoodAndEveryHumanRaisesTheNeed) {
  cSprite* farm = Add(HUMAN, FERME, 1, 1);
  Add(HUMAN, FERME, 5, 1);
  Add(HUMAN, GUERR, 9, 1);
  Add(ORC, OFARM, 20, 20);
  EXPECT_EQ(Food, 200);
  EXPECT_EQ(FoodNeeded, 10 + 10 + 20);
  RemovecSprite(farm);
  EXPECT_EQ(Food, 200);
  EXPECT_EQ(FoodNeeded, 40);
}

TEST_F(Registry, WorkersRememberTheFirstHallOfTheirSide) {
  Add(HUMAN, HALL2, 40, 40);
  auto* early = static_cast<cPaysan*>(Add(HUMAN, PAYSA, 1, 1));
  EXPECT_EQ(early->XHall, 0);
  EXPECT_EQ(early->YHall, 0);
  Add(HUMAN, HALL1, 10, 20);
  Add(HUMAN, HALL1, 30, 20);  // the newest is first in the list
  Add(ORC, OHALL, 50, 60);
  auto* peon = static_cast<cPaysan*>(Add(HUMAN, PAYSA, 2, 1));
  auto* orc = static_cast<cPaysan*>(Add(ORC, OPAYS, 3, 1));
  EXPECT_EQ(peon->XHall, 30);
  EXPECT_EQ(peon->YHall, 20);
  EXPECT_EQ(orc->XHall, 50);
  EXPECT_EQ(orc->YHall, 60);
}

TEST_F(Registry, RemovalClearsAttackersTargetsAndTheSelection) {
  cSprite* victim = Add(ORC, OGUER, 10, 10);
  cSprite* a = Add(HUMAN, GUERR, 9, 10);
  cSprite* b = Add(HUMAN, ARCHE, 11, 10);
  a->AssignerTache(ATTACK, victim);
  b->AssignerTache(ATTACK, victim);
  victim->AssignerTache(ATTACK, a);
  ASSERT_TRUE(AddToSelection(a));
  ASSERT_TRUE(AddToSelection(b));

  RemovecSprite(victim);
  for (cSprite* s : {a, b}) {
    EXPECT_EQ(s->GetActualTarget(), nullptr);
    EXPECT_EQ(s->Tache, SANS_TACHE);
  }
  EXPECT_EQ(a->ListOfPeopleWhoAttackMe, nullptr);  // the victim left its target's list

  b->AssignerTache(ATTACK, a);
  RemovecSprite(b);
  EXPECT_EQ(a->ListOfPeopleWhoAttackMe, nullptr);
  EXPECT_EQ(SelectedSprites[1], nullptr);
  EXPECT_EQ(GetSelectedSprite(), a);
}

// A sprite that records its steps and removes another, or itself, when it
// is stepped.
struct Remover : cSprite {
  Remover(const char* name, std::vector<std::string>* steps)
      : cSprite(HUMAN, 0, 0, nullptr, GetDefUnit(GUERR)), name(name), steps(steps) {}
  void Progress() override {
    steps->push_back(name);
    if (victim) RemovecSprite(std::exchange(victim, nullptr));
  }
  void Fight() override { steps->push_back(std::string(name) + " fights"); }
  const char* name;
  std::vector<std::string>* steps;
  cSprite* victim = nullptr;
};

TEST_F(Registry, TheWorldStepSurvivesRemovalsOfOthersAndOfItself) {
  std::vector<std::string> steps;
  auto* a = new Remover("a", &steps);
  auto* b = new Remover("b", &steps);
  auto* c = new Remover("c", &steps);
  a->victim = b;  // the next one
  c->victim = c;  // itself
  a->pNext = b;
  b->pNext = c;
  sprite_lists[HUMAN] = a;
  sprite_counts[HUMAN] = 3;
  WorldStep();
  EXPECT_EQ(steps, (std::vector<std::string>{"a", "c", "a fights"}));
  EXPECT_EQ(List(HUMAN), (std::vector<cSprite*>{a}));
  EXPECT_EQ(sprite_counts[HUMAN], 1);
}

TEST_F(Registry, WoundsKillBelowOneAndAlarmTheOrcsForTheirBuildings) {
  under_attack = false;
  cSprite* soldier = Add(ORC, OGUER, 1, 1);
  EXPECT_FALSE(soldier->Blesser(149));
  EXPECT_FALSE(under_attack);
  EXPECT_TRUE(soldier->Blesser(1));
  cSprite* farm = Add(ORC, OFARM, 5, 5);
  EXPECT_FALSE(farm->Blesser(5));
  EXPECT_TRUE(under_attack);
}

TEST_F(Registry, PrintsOfASpriteAndOfTheLists) {
  PrintcSprite(Add(NEUTRE, T_NAT, 7, 3));
  PrintcSprite(nullptr);
  EXPECT_EQ(tree.Log("temp.txt"),
            "INFO PrintcSprite: type T_NAT position x: 7  y:3 name:41 \n"
            "***************************  ERROR ***********************************\n"
            "sprites void PrintcSprite(cSprite * pTemp) pTemp == NULL\n");
  PrintListeSprites(nullptr);  // the empty HUMAN list
  EXPECT_EQ(tree.Log("sprites.txt"),
            "####################### LIST OF SPRITES HUMAIN  ######################\n"
            "#######################          END OF LIST   #######################\n");
}

TEST(Names, EnumerationsPrintTheirNamesAndUnknownValues) {
  test::ScratchTree tree;
  for (DECOR unnamed : {static_cast<DECOR>(50), DECOR_44}) {
    EXPECT_STREQ(GetStringFromDECOR(unnamed), " ERROR:unknown DECOR");
  }
  EXPECT_STREQ(GetStringFromDECOR(BATI), "BATI ");
  EXPECT_STREQ(GetStringFromTACHE(CONQUETE), "UNKNOWN TACHE");
  EXPECT_STREQ(GetStringFromRACE(static_cast<RACE>(-1)), "UNKNOWN RACE");
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"), "");
  EXPECT_STREQ(GetStringFromMODE_AGGRESSIVITY(static_cast<MODE_AGGRESSIVITY>(4)),
               "UNKNOWN MODE AGRRESSIVE");
  Fatal_Errors << REACTIVE << " " << HUMAN << " " << GOTO << " " << MINEO;
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "char * GetStringFromMODE_AGGRESSIVITY(MODE_AGGRESSIVITY mode)\n"
            "REACTIVE HUMAN GOTO MINEO");
}

TEST_F(Registry, AnAttackerOfItsOwnSideLeavesThatListWhenItDies) {
  cSprite* first_target = Add(ORC, OGUER, 10, 10);
  cSprite* attacker = Add(ORC, OGUER, 11, 10);
  cSprite* enemy = Add(HUMAN, GUERR, 12, 10);
  attacker->AssignerTache(ATTACK, first_target);
  attacker->AssignerTache(ATTACK, enemy);  // moves on without letting go
  RemovecSprite(attacker);
  EXPECT_EQ(first_target->ListOfPeopleWhoAttackMe, nullptr);
  RemovecSprite(first_target);  // would call the freed attacker otherwise
  EXPECT_EQ(sprite_counts[ORC], 0);
}

}  // namespace
