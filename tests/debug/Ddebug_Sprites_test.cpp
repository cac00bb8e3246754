// The dumps byte for byte: the general block with its three grids, the
// walking unit's, the tower's and the worker's blocks.
#include "debug/Ddebug_Sprites.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/world.h"
#include "units/cBatiment.h"
#include "units/cHumanoide.h"
#include "units/cPaysan.h"
#include "units/combat.h"

namespace {

class Dumps : public test::WorldTest {
 protected:
  Dumps() {
    tx_map = 4;
    ty_map = 5;
  }
  std::string Written() const { return tree.Log("dump.txt"); }

  LogFile log{"output/dump.txt"};
};

// A soldier at (2, 3) on a 4 x 5 map, attacked by an orc soldier beside it
// that it attacks too; the attack grids hold three nodes on one cell and one
// on another.
TEST_F(Dumps, ASoldierNearTheCornerOfTheMap) {
  auto* soldier = static_cast<cHumanoide*>(Add(HUMAN, GUERR, 2, 3));
  cSprite* orc = Add(ORC, OGUER, 3, 3);
  orc->AssignerTache(ATTACK, soldier);
  soldier->AssignerTache(ATTACK, orc);
  cAttacker third(orc), second(soldier), first(orc), alone(soldier);
  first.pNextAttacker = &second;
  second.pNextAttacker = &third;
  cTabAggressive[1][CellIndex(1, 2)] = &first;
  cTabAggressive[0][CellIndex(0, 0)] = &alone;
  DumpSprite(soldier, log);
  soldier->DebugDump1(log);
  soldier->DebugDump2(log);
  ClearCombatGrids();
  EXPECT_EQ(Written(), R"(#############################################################
#############################################################
Race   : HUMAN
Nom    : GUERR
Px     : 02
Py     : 03

Ordre  : WAIT
Tache  : ATTACK

present Map initale  : false

ListOfPeopleWhoAttackMe : 
[OGUER:03,03]
###########################################################

###############   TabSprites around me:    ##############
[(-3,-2)][(-2,-2)][(-1,-2)][(00,-2)][(01,-2)][(02,-2)][(03,-2)][(04,-2)][(05,-2)][(06,-2)]
[(-3,-1)][(-2,-1)][(-1,-1)][(00,-1)][(01,-1)][(02,-1)][(03,-1)][(04,-1)][(05,-1)][(06,-1)]
[(-3,00)][(-2,00)][(-1,00)][(00,00)     ][(01,00)     ][(02,00)     ][(03,00)     ][(04,00)][(05,00)][(06,00)]
[(-3,01)][(-2,01)][(-1,01)][(00,01)     ][(01,01)     ][(02,01)     ][(03,01)     ][(04,01)][(05,01)][(06,01)]
[(-3,02)][(-2,02)][(-1,02)][(00,02)     ][(01,02)     ][(02,02)     ][(03,02)     ][(04,02)][(05,02)][(06,02)]
[(-3,03)][(-2,03)][(-1,03)][(00,03)     ][(01,03)     ][(02,03)GUERR][(03,03)OGUER][(04,03)][(05,03)][(06,03)]
[(-3,04)][(-2,04)][(-1,04)][(00,04)     ][(01,04)     ][(02,04)     ][(03,04)     ][(04,04)][(05,04)][(06,04)]
[(-3,05)][(-2,05)][(-1,05)][(00,05)][(01,05)][(02,05)][(03,05)][(04,05)][(05,05)][(06,05)]
[(-3,06)][(-2,06)][(-1,06)][(00,06)][(01,06)][(02,06)][(03,06)][(04,06)][(05,06)][(06,06)]
[(-3,07)][(-2,07)][(-1,07)][(00,07)][(01,07)][(02,07)][(03,07)][(04,07)][(05,07)][(06,07)]
###########################################################

#################### TabAggressive Orc AroundMe: ##############
[(-3,-2)][(-2,-2)][(-1,-2)][(00,-2)][(01,-2)][(02,-2)][(03,-2)][(04,-2)][(05,-2)][(06,-2)]
[(-3,-1)][(-2,-1)][(-1,-1)][(00,-1)][(01,-1)][(02,-1)][(03,-1)][(04,-1)][(05,-1)][(06,-1)]
[(-3,00)][(-2,00)][(-1,00)][(00,00)[     ][     ] ][(01,00)[     ][     ] ][(02,00)[     ][     ] ][(03,00)[     ][     ] ][(04,00)][(05,00)][(06,00)]
[(-3,01)][(-2,01)][(-1,01)][(00,01)[     ][     ] ][(01,01)[     ][     ] ][(02,01)[     ][     ] ][(03,01)[     ][     ] ][(04,01)][(05,01)][(06,01)]
[(-3,02)][(-2,02)][(-1,02)][(00,02)[     ][     ] ][(01,02)[03,03][02,03]*][(02,02)[     ][     ] ][(03,02)[     ][     ] ][(04,02)][(05,02)][(06,02)]
[(-3,03)][(-2,03)][(-1,03)][(00,03)[     ][     ] ][(01,03)[     ][     ] ][(02,03)[     ][     ] ][(03,03)[     ][     ] ][(04,03)][(05,03)][(06,03)]
[(-3,04)][(-2,04)][(-1,04)][(00,04)[     ][     ] ][(01,04)[     ][     ] ][(02,04)[     ][     ] ][(03,04)[     ][     ] ][(04,04)][(05,04)][(06,04)]
[(-3,05)][(-2,05)][(-1,05)][(00,05)][(01,05)][(02,05)][(03,05)][(04,05)][(05,05)][(06,05)]
[(-3,06)][(-2,06)][(-1,06)][(00,06)][(01,06)][(02,06)][(03,06)][(04,06)][(05,06)][(06,06)]
[(-3,07)][(-2,07)][(-1,07)][(00,07)][(01,07)][(02,07)][(03,07)][(04,07)][(05,07)][(06,07)]
###########################################################

#################### TabAggressive Human AroundMe: ##############
[(-3,-2)][(-2,-2)][(-1,-2)][(00,-2)][(01,-2)][(02,-2)][(03,-2)][(04,-2)][(05,-2)][(06,-2)]
[(-3,-1)][(-2,-1)][(-1,-1)][(00,-1)][(01,-1)][(02,-1)][(03,-1)][(04,-1)][(05,-1)][(06,-1)]
[(-3,00)][(-2,00)][(-1,00)][(00,00)[02,03][     ] ][(01,00)[     ][     ] ][(02,00)[     ][     ] ][(03,00)[     ][     ] ][(04,00)][(05,00)][(06,00)]
[(-3,01)][(-2,01)][(-1,01)][(00,01)[     ][     ] ][(01,01)[     ][     ] ][(02,01)[     ][     ] ][(03,01)[     ][     ] ][(04,01)][(05,01)][(06,01)]
[(-3,02)][(-2,02)][(-1,02)][(00,02)[     ][     ] ][(01,02)[     ][     ] ][(02,02)[     ][     ] ][(03,02)[     ][     ] ][(04,02)][(05,02)][(06,02)]
[(-3,03)][(-2,03)][(-1,03)][(00,03)[     ][     ] ][(01,03)[     ][     ] ][(02,03)[     ][     ] ][(03,03)[     ][     ] ][(04,03)][(05,03)][(06,03)]
[(-3,04)][(-2,04)][(-1,04)][(00,04)[     ][     ] ][(01,04)[     ][     ] ][(02,04)[     ][     ] ][(03,04)[     ][     ] ][(04,04)][(05,04)][(06,04)]
[(-3,05)][(-2,05)][(-1,05)][(00,05)][(01,05)][(02,05)][(03,05)][(04,05)][(05,05)][(06,05)]
[(-3,06)][(-2,06)][(-1,06)][(00,06)][(01,06)][(02,06)][(03,06)][(04,06)][(05,06)][(06,06)]
[(-3,07)][(-2,07)][(-1,07)][(00,07)][(01,07)][(02,07)][(03,07)][(04,07)][(05,07)][(06,07)]
###########################################################


################  cHumanoide  #######################
XObjectif : 02
YObjectif : 03
dwLastAttack : 00
EnZoneAttack : false

###  My Weapon is :   ###
name      : SWORD1
frequency : 03000 ms
mode attack : MODE_SWORD
Power : 30

ModeAggressivity : AGGRESSIVE
ActualTarget :[OGUER:03,03]
Liste des cAttacker qui me representent in cTabAggressive : 
[00,00,                      ][01,00,                      ][02,00,                      ][03,00,                      ][04,00,                      ][05,00,                      ][06,00,                      ]
[00,01,                      ][01,01,                      ][02,01,                      ][03,01,                      ][04,01,                      ][05,01,                      ][06,01,                      ]
[00,02,                      ][01,02,                      ][02,02,                      ][03,02,                      ][04,02,                      ][05,02,                      ][06,02,                      ]
[00,03,                      ][01,03,                      ][02,03,                      ][03,03,                      ][04,03,                      ][05,03,                      ][06,03,                      ]
[00,04,                      ][01,04,                      ][02,04,                      ][03,04,                      ][04,04,                      ][05,04,                      ][06,04,                      ]
[00,05,                      ][01,05,                      ][02,05,                      ][03,05,                      ][04,05,                      ][05,05,                      ][06,05,                      ]
[00,06,                      ][01,06,                      ][02,06,                      ][03,06,                      ][04,06,                      ][05,06,                      ][06,06,                      ]
)");
}

TEST_F(Dumps, ATowerWithoutAttackersAndWithAndWithoutATarget) {
  auto* tower = static_cast<cWarTower*>(Add(ORC, WATOW, 0, 0));
  DumpSprite(tower, log);
  EXPECT_NE(Written().find("ListOfPeopleWhoAttackMe : \nI am not attacked\n###"),
            std::string::npos);
  std::filesystem::remove("output/dump.txt");
  tower->DebugDump1(log);  // nothing: it does not walk
  tower->DebugDump2(log);
  EXPECT_EQ(Written(), R"(
################  cWarTower  #######################
###  My Weapon is :   ###
name      : BOULET
frequency : 02000 ms
mode attack : MODE_PROJECTILE
Power : 20

pDef->iViewRange  : 02
dwLastShot : 00
 Actual Target :  NO TARGET 
Liste des cAttacker qui me representent in cTabAggressive : 
[00,00,                      ][01,00,                      ][02,00,                      ][03,00,                      ][04,00,                      ][05,00,                      ]
[00,01,                      ][01,01,                      ][02,01,                      ][03,01,                      ][04,01,                      ][05,01,                      ]
[00,02,                      ][01,02,                      ][02,02,                      ][03,02,                      ][04,02,                      ][05,02,                      ]
[00,03,                      ][01,03,                      ][02,03,                      ][03,03,                      ][04,03,                      ][05,03,                      ]
[00,04,                      ][01,04,                      ][02,04,                      ][03,04,                      ][04,04,                      ][05,04,                      ]
[00,05,                      ][01,05,                      ][02,05,                      ][03,05,                      ][04,05,                      ][05,05,                      ]

####################################################
)");
  tower->pTarget = Add(HUMAN, GUERR, 2, 3);
  tower->DebugDump2(log);
  EXPECT_NE(Written().find(" Actual Target : [GUERR:02,03]Liste des cAttacker"), std::string::npos);
}

TEST_F(Dumps, AWorkersPlacesAndAUnitWithoutWeapon) {
  auto* worker = static_cast<cPaysan*>(Add(ORC, OPAYS, 1, 1));
  worker->Xmine = 10;
  worker->Ymine = 2;
  worker->XHall = worker->YHall = -1;
  worker->charge = true;
  worker->DebugDump2(log);
  EXPECT_EQ(Written(),
            "############### level 2 : cPaysan ################\n"
            "Xmine : 10  Ymine : 02\n"
            "XBois : 00  YBois : 00\n"
            "XHall : -1  YHall : -1\n"
            "XBuild : 00  YBuild : 00\n"
            "charge : true\n"
            "in mine : false\n"
            "in hall : true\n"
            "#####################################################\n");
  worker->myweapon = nullptr;
  worker->DebugDump1(log);
  EXPECT_NE(Written().find("###  My Weapon is :   ###\nERROR : WEAPON NULL\n"
                           "ModeAggressivity : FUITE\nActualTarget : NULL\n"),
            std::string::npos);
}

}  // namespace
