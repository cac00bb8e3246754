// The monk on a small map with the virtual clock: the walk to a temple, the
// second inside it, the counters by kind, and the orders it ignores.
#include "units/cMonk.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/world.h"
#include "units/cBatiment.h"
#include "world/util.h"

namespace {

class Monks : public test::WorldTest {
 protected:
  cMonk* Monk(int x, int y) { return static_cast<cMonk*>(Add(HUMAN, MONK, x, y)); }
  void Frame(int ms) { test::PlayFrame(clock, ms); }
  // Frames of 10 ms until the monk is inside its temple; false if it never gets there.
  bool WalkIn(cMonk* monk) {
    for (int t = 0; t < 20000 && !monk->InTemple; t += 10) Frame(10);
    return monk->InTemple;
  }

  test::Clock clock;
};

TEST_F(Monks, ConqueringTheSameTempleTwiceCountsTwice) {
  cSprite* temple = Add(NEUTRE, T_AIR, 20, 20);
  cMonk* monk = Monk(10, 21);
  monk->AssignerTache(CONQUETE, temple);
  Frame(10);
  EXPECT_EQ(std::tie(monk->EnRoute, monk->Ordre), std::make_tuple(true, GOTO));
  ASSERT_TRUE(WalkIn(monk));
  EXPECT_TRUE(IsAdjacent(monk->Px, monk->Py, 20, 20, 3, 3));
  EXPECT_EQ(std::make_tuple(temple->GetOwner(), ConquetesAir), std::make_tuple(HUMAN, 1));

  int hidden_ms = 0;
  for (; !monk->visible; hidden_ms += 10) Frame(10);
  EXPECT_EQ(hidden_ms, 1000);
  EXPECT_EQ(std::tie(monk->Tache, monk->pTemple, monk->EnRoute),
            std::make_tuple(SANS_TACHE, nullptr, false));

  monk->AssignerTache(CONQUETE, temple);
  Frame(11);
  EXPECT_EQ(std::make_tuple(monk->InTemple, ConquetesAir, ConquetesFeu, ConquetesNature),
            std::make_tuple(true, 2, 0, 0));
}

TEST_F(Monks, BesideATempleAMonkEntersAtOnceAndCountsItsKind) {
  Add(NEUTRE, T_FIR, 20, 20);
  Add(NEUTRE, T_NAT, 30, 20);
  cMonk* fire = Monk(23, 23);  // the corner of the ring
  cMonk* nature = Monk(30, 19);
  Frame(11);  // more than the monk's step interval less 10 since it was made
  fire->AssignerTache(CONQUETE, occupancy_grid[CellIndex(20, 20)]);
  nature->AssignerTache(CONQUETE, occupancy_grid[CellIndex(30, 20)]);
  Frame(1);
  for (cMonk* monk : {fire, nature}) {
    EXPECT_EQ(std::tie(monk->InTemple, monk->EnRoute, monk->Ordre, monk->visible),
              std::make_tuple(true, false, WAIT, false));
  }
  EXPECT_EQ(fire->Px, 23);
  EXPECT_EQ(std::make_tuple(ConquetesAir, ConquetesFeu, ConquetesNature), std::make_tuple(0, 1, 1));
}

TEST_F(Monks, AMonkOrderedToAttackOrHitDoesNothingAndOneWithoutATempleIsLogged) {
  cSprite* orc = Add(ORC, OGUER, 11, 10);
  cMonk* monk = Monk(10, 10);
  ASSERT_EQ(monk->ModeAggressivity, REACTIVE);  // would strike back, were it not a monk
  monk->AssignerTache(ATTACK, orc);
  monk->SignalUnderAttack(orc);
  EXPECT_EQ(std::tie(monk->Tache, monk->ActualTarget, monk->Ordre),
            std::make_tuple(SANS_TACHE, nullptr, WAIT));
  EXPECT_EQ(orc->ListOfPeopleWhoAttackMe, nullptr);

  monk->AssignerTache(CONQUETE, nullptr);
  Frame(10);
  EXPECT_EQ(monk->Tache, CONQUETE);
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "cHumanoide void cMonk::Progress()\nthe sprite to conquer is NULL !\n");
}

TEST_F(Monks, AWalkEndedShortWaitsForANewOrderAndATempleThatGoesIsForgotten) {
  cSprite* temple = Add(NEUTRE, T_AIR, 20, 20);
  cMonk* monk = Monk(10, 21);
  monk->AssignerTache(CONQUETE, temple);
  Frame(10);
  const int goal_x = monk->XObjectif, goal_y = monk->YObjectif;
  cSprite* blocker = Add(HUMAN, GUERR, goal_x, goal_y);
  for (int i = 0; i < 1000; ++i) Frame(10);
  // One cell short, and still on its way in its own mind.
  EXPECT_EQ(std::tie(monk->Ordre, monk->EnRoute, monk->InTemple),
            std::make_tuple(WAIT, true, false));

  RemovecSprite(blocker);
  monk->AssignerTache(CONQUETE, temple);
  ASSERT_TRUE(WalkIn(monk));

  for (int i = 0; i < 200; ++i) Frame(10);
  cMonk* walker = Monk(40, 21);
  walker->AssignerTache(CONQUETE, temple);
  Frame(10);
  ASSERT_EQ(walker->Ordre, GOTO);
  RemovecSprite(temple);
  Frame(10);
  // Walks on to where it was going.
  EXPECT_EQ(std::tie(walker->Tache, walker->pTemple, walker->Ordre),
            std::make_tuple(SANS_TACHE, nullptr, GOTO));
  for (int i = 0; i < 2000 && walker->Ordre == GOTO; ++i) Frame(10);
  EXPECT_EQ(walker->Ordre, WAIT);
}

}  // namespace
