// The dumps byte for byte: the general block with its three grids, the
// walking unit's, the tower's and the worker's blocks.
#include "debug/Ddebug_Sprites.h"

#include <gtest/gtest.h>

#include <string>

#include "support/world.h"
#include "units/cBatiment.h"
#include "units/cPaysan.h"
#include "units/combat.h"

namespace {

const std::string kLine(61, '#'), kShortLine(59, '#'), kNoAttacker(22, ' ');

class Dumps : public test::WorldTest {
 protected:
  std::string Written() const { return tree.Log("dump.txt"); }
  bool Wrote(const std::string& part) const { return Written().find(part) != std::string::npos; }
  LogFile log{"output/dump.txt"};
};

// A soldier at (2, 3) on a 4 x 5 map, attacked by an orc soldier beside it
// that it attacks too; three attackers on a cell of the orc attack grid, one
// on a cell of the human one.
TEST_F(Dumps, ASoldierNearTheCornerOfTheMap) {
  tx_map = 4, ty_map = 5;
  cSprite* soldier = Add(HUMAN, GUERR, 2, 3);
  cSprite* orc = Add(ORC, OGUER, 3, 3);
  orc->AssignerTache(ATTACK, soldier);
  soldier->AssignerTache(ATTACK, orc);
  cAttacker third(orc), second(soldier), first(orc), alone(soldier);
  first.pNextAttacker = &second, second.pNextAttacker = &third;
  cTabAggressive[1][CellIndex(1, 2)] = &first, cTabAggressive[0][CellIndex(0, 0)] = &alone;
  DumpSpriteFull(soldier, log);
  ClearCombatGrids();
  EXPECT_TRUE(Written().starts_with(
      kLine + "\n" + kLine + "\nRace   : HUMAN\nNom    : GUERR\nPx     : 02\nPy     : 03\n\n" +
      "Ordre  : WAIT\nTache  : ATTACK\n\npresent Map initale  : false\n\n" +
      "ListOfPeopleWhoAttackMe : \n[OGUER:03,03]\n" + kShortLine + "\n\n" +
      "###############   TabSprites around me:    ##############\n" +
      "[(-3,-2)][(-2,-2)][(-1,-2)][(00,-2)][(01,-2)][(02,-2)][(03,-2)][(04,-2)][(05,-2)]"));
  EXPECT_TRUE(
      Wrote("\n[(-3,03)][(-2,03)][(-1,03)][(00,03)     ][(01,03)     ][(02,03)GUERR]"
            "[(03,03)OGUER][(04,03)][(05,03)][(06,03)]\n"));
  EXPECT_TRUE(
      Wrote("\n[(-3,02)][(-2,02)][(-1,02)][(00,02)[     ][     ] ][(01,02)[03,03][02,03]*]"));
  EXPECT_TRUE(Wrote("[(00,00)[02,03][     ] ][(01,00)[     ][     ] ]"));
  EXPECT_TRUE(Wrote("[(06,07)]\n" + kShortLine + "\n\n\n################  cHumanoide  ####" +
                    "###################\nXObjectif : 02\nYObjectif : 03\ndwLastAttack : 00\n" +
                    "EnZoneAttack : false\n\n###  My Weapon is :   ###\nname      : SWORD1\n" +
                    "frequency : 03000 ms\nmode attack : MODE_SWORD\nPower : 30\n\n" +
                    "ModeAggressivity : AGGRESSIVE\nActualTarget :[OGUER:03,03]\n" +
                    "Liste des cAttacker qui me representent in cTabAggressive : \n[00,00," +
                    kNoAttacker + "][01,00,"));
  EXPECT_TRUE(Written().ends_with("][06,06," + kNoAttacker + "]\n"));
}

TEST_F(Dumps, ATowerWithAndWithoutATargetAWorkerAndAUnitWithoutWeapon) {
  auto* tower = static_cast<cWarTower*>(Add(ORC, WATOW, 0, 0));
  DumpSpriteFull(tower, log);
  EXPECT_TRUE(Wrote("ListOfPeopleWhoAttackMe : \nI am not attacked\n###"));
  EXPECT_TRUE(Wrote("]\n" + kShortLine + "\n\n\n################  cWarTower  ####" +
                    "###################\n###  My Weapon is :   ###\nname      : BOULET\n" +
                    "frequency : 02000 ms\nmode attack : MODE_PROJECTILE\nPower : 20\n\n" +
                    "pDef->iViewRange  : 02\ndwLastShot : 00\n Actual Target :  NO TARGET \n" +
                    "Liste des cAttacker qui me representent in cTabAggressive : \n[00,00,"));
  EXPECT_TRUE(Written().ends_with("[05,05," + kNoAttacker + "]\n\n" + std::string(52, '#') + "\n"));
  tower->pTarget = Add(HUMAN, GUERR, 2, 3);
  tower->DebugDump2(log);
  EXPECT_TRUE(Wrote(" Actual Target : [GUERR:02,03]Liste des cAttacker"));

  auto* worker = static_cast<cPaysan*>(Add(ORC, OPAYS, 1, 3));
  worker->Xmine = 10, worker->XHall = worker->YHall = -1;
  worker->charge = true, worker->myweapon = nullptr;
  DumpSpriteFull(worker, log);
  EXPECT_TRUE(Wrote("###  My Weapon is :   ###\nERROR : WEAPON NULL\nModeAggressivity : FUITE\n"));
  EXPECT_TRUE(Written().ends_with(
      "############### level 2 : cPaysan ################\n"
      "Xmine : 10  Ymine : 00\nXBois : 00  YBois : 00\nXHall : -1  YHall : -1\n"
      "XBuild : 00  YBuild : 00\ncharge : true\nin mine : false\nin hall : true\n"
      "#####################################################\n"));
}

}  // namespace
