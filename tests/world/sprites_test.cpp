// The registry: footprints, counts, food, refused kinds, removal with every
// reference cleared, removals during the world step, wounds.
#include "world/sprites.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "ai/fsm_base_orc.h"
#include "support/world.h"
#include "ui/selection.h"
#include "units/cHumanoide.h"
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
  EXPECT_EQ(std::tuple(CellsHeldBy(hall), CellsHeldBy(farm), CellsHeldBy(soldier)),
            std::tuple(16, 4, 1));
  EXPECT_EQ(occupancy_grid[CellIndex(13, 13)], hall);
  EXPECT_EQ(occupancy_grid[CellIndex(14, 13)], nullptr);
  RemovecSprite(hall);
  EXPECT_EQ(std::tuple(CellsHeldBy(hall), CellsHeldBy(farm), sprite_counts[HUMAN]),
            std::tuple(0, 4, 1));

  // An occupied cell is reported, once per cell, and taken; a removal clears
  // its whole footprint, whoever holds a cell of it by then.
  cSprite* first = Add(NEUTRE, MINEO, 5, 5);
  cSprite* second = Add(NEUTRE, T_AIR, 6, 6);
  EXPECT_EQ(std::tuple(CellsHeldBy(first), CellsHeldBy(second)), std::tuple(5, 9));
  const std::string taken = "sprites AjouterSprites il y a deja un sprite a cet endroit !\n";
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"), taken + taken + taken + taken);
  RemovecSprite(first);
  EXPECT_EQ(CellsHeldBy(second), 5);
}

TEST_F(Registry, KindsASideCannotHaveAreRefusedWithTheirText) {
  for (const auto& [race, kind] :
       {std::pair{HUMAN, OHALL}, {ORC, MONK}, {NEUTRE, HERBE1}, {static_cast<RACE>(7), MINEO}}) {
    EXPECT_EQ(AjouterSprite(race, kind, 1, 1), nullptr);
  }
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

TEST_F(Registry, FarmsRaiseFoodForGoodAndEveryHumanRaisesTheNeed) {
  cSprite* farm = Add(HUMAN, FERME, 1, 1);
  Add(HUMAN, FERME, 5, 1);
  Add(HUMAN, GUERR, 9, 1);
  Add(ORC, OFARM, 20, 20);
  EXPECT_EQ(std::tie(Food, FoodNeeded), std::make_tuple(200, 10 + 10 + 20));
  RemovecSprite(farm);
  EXPECT_EQ(std::tie(Food, FoodNeeded), std::make_tuple(200, 40));
}

// Every side's attacker lists are cleared: an attacker that took a target of
// its own side and moved on leaves that list too.
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
  for (cSprite* s : {a, b})
    EXPECT_EQ(std::tuple(s->GetActualTarget(), s->Tache), std::tuple(nullptr, SANS_TACHE));
  EXPECT_EQ(a->ListOfPeopleWhoAttackMe, nullptr);  // the victim left its target's list

  b->AssignerTache(ATTACK, a);                        // of its own side
  b->AssignerTache(ATTACK, Add(ORC, OGUER, 12, 10));  // moves on without letting go
  RemovecSprite(b);
  EXPECT_EQ(std::tuple(a->ListOfPeopleWhoAttackMe, SelectedSprites[1], GetSelectedSprite()),
            std::tuple(nullptr, nullptr, a));
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
  a->pNext = a->victim = b;  // removes the next one
  b->pNext = c->victim = c;  // which removes itself
  sprite_lists[HUMAN] = a, sprite_counts[HUMAN] = 3;
  WorldStep();
  EXPECT_EQ(steps, (std::vector<std::string>{"a", "c", "a fights"}));
  EXPECT_EQ(std::tuple(List(HUMAN), sprite_counts[HUMAN]), std::tuple(std::vector<cSprite*>{a}, 1));
}

TEST_F(Registry, WoundsKillBelowOneAndAlarmTheOrcsForTheirBuildings) {
  under_attack = false;
  cSprite* soldier = Add(ORC, OGUER, 1, 1);
  EXPECT_FALSE(soldier->Blesser(149));  // one hit point left
  EXPECT_TRUE(soldier->Blesser(1));
  EXPECT_FALSE(under_attack);
  EXPECT_FALSE(Add(ORC, OFARM, 5, 5)->Blesser(5));
  EXPECT_TRUE(under_attack);
}

}  // namespace
