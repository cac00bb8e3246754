// The monk on a small map with the virtual clock: the walk to a temple, the
// second inside it, the counters by kind, a walk ended short, a temple gone.
#include "units/cMonk.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/world.h"
#include "world/util.h"

namespace {

class Monks : public test::UnitsTest {
 protected:
  cMonk* Monk(int x, int y) { return Unit<cMonk>(HUMAN, MONK, x, y); }
  bool WalkIn(cMonk* m) {
    return RunUntil([m] { return m->InTemple; }, 20000, 10);
  }
};

// Walked to, a temple hides the monk for a second; ordered again from beside
// it, the monk enters at once, and each conquest counts for the temple's kind.
TEST_F(Monks, ConqueringTheSameTempleTwiceCountsTwice) {
  cSprite* temple = Add(NEUTRE, T_FIR, 20, 20);
  cMonk* monk = Monk(10, 21);
  monk->AssignerTache(CONQUETE, temple);
  ASSERT_TRUE(WalkIn(monk));
  EXPECT_EQ(
      std::tuple(IsAdjacent(monk->Px, monk->Py, 20, 20, 3, 3), temple->GetOwner(), ConquetesFeu),
      std::tuple(true, HUMAN, 1));
  int hidden_ms = 0;
  for (; !monk->visible; hidden_ms += 10) Frame(10);
  EXPECT_EQ(hidden_ms, 1000);
  EXPECT_EQ(std::tie(monk->Tache, monk->pTemple, monk->EnRoute),
            std::make_tuple(SANS_TACHE, nullptr, false));
  monk->AssignerTache(CONQUETE, temple);
  Frame(11);
  EXPECT_EQ(std::make_tuple(monk->InTemple, ConquetesAir, ConquetesFeu, ConquetesNature),
            std::make_tuple(true, 0, 2, 0));
}

// A walk that ended short waits for a new order, which sets it walking again;
// a monk on its way to a temple that goes forgets it and walks on.
TEST_F(Monks, AWalkEndedShortWaitsForANewOrderAndATempleThatGoesIsForgotten) {
  cSprite* temple = Add(NEUTRE, T_AIR, 20, 20);
  cMonk* monk = Monk(10, 21);
  monk->AssignerTache(CONQUETE, temple);
  Frame(10);
  cSprite* blocker = Add(HUMAN, GUERR, monk->XObjectif, monk->YObjectif);
  for (int i = 0; i < 1000; ++i) Frame(10);
  EXPECT_EQ(std::tie(monk->Ordre, monk->EnRoute, monk->InTemple),
            std::make_tuple(WAIT, true, false));
  RemovecSprite(blocker);
  monk->AssignerTache(CONQUETE, temple);
  ASSERT_TRUE(WalkIn(monk));

  cMonk* walker = Monk(40, 21);
  walker->AssignerTache(CONQUETE, temple);
  Frame(10);
  ASSERT_EQ(walker->Ordre, GOTO);
  RemovecSprite(temple);
  Frame(10);
  EXPECT_EQ(std::tie(walker->Tache, walker->pTemple, walker->Ordre),
            std::make_tuple(SANS_TACHE, nullptr, GOTO));
}

}  // namespace
