// The dumps: the general block of every sprite, and the blocks of walking
// units (DebugDump1), of the tower and of workers (DebugDump2).
#include "debug/Ddebug_Sprites.h"

#include "units/cBatiment.h"
#include "units/cHumanoide.h"
#include "units/cPaysan.h"
#include "units/combat.h"
#include "units/weapons.h"
#include "world/decors.h"
#include "world/sprites.h"
#include "world/util.h"

namespace {

constexpr const char* kSeparator =
    "###########################################################\n\n";
constexpr int kGridSide = 10;  // cells each way of the grids around a sprite
constexpr int kGridHalf = 5;   // the sprite's cell is the sixth of its row

// A sprite made without a definition has no kind; it is written as VIDE.
DECOR KindOf(const cSprite* s) {
  return s->pDef ? s->pDef->Nom : VIDE;
}

// The 10 x 10 cells around the sprite, row by row: "[(" x "," y ")", what
// cell() writes for a cell of the map, "]", and a line break per row.
template <typename F>
void DumpGridAround(const cSprite* s, LogFile& log, F cell) {
  for (int r = 0; r < kGridSide; ++r) {
    const int y = s->Py - kGridHalf + r;
    for (int c = 0; c < kGridSide; ++c) {
      const int x = s->Px - kGridHalf + c;
      log << "[(" << x << "," << y << ")";
      if (IsInMap(x, y)) cell(CellIndex(x, y));
      log << "]";
    }
    log << "\n";
  }
  log << kSeparator;
}

void DumpAttackers(const cSprite* s, LogFile& log) {
  log << "ListOfPeopleWhoAttackMe : \n";
  if (!s->ListOfPeopleWhoAttackMe) log << "I am not attacked\n";
  for (const cAttacker* node = s->ListOfPeopleWhoAttackMe; node; node = node->pNextAttacker) {
    DumpShortForm(node->PotentialAttacker, log);
    log << "\n";
  }
}

// The first two attackers of the cell's list, a blank place for each one
// missing, and "*" when more follow.
void DumpAggressiveCell(const CellGrid<cAttacker*>& grid, std::size_t cell, LogFile& log) {
  const cAttacker* node = grid[cell];
  for (int place = 0; place < 2; ++place) {
    if (node) {
      DumpShortFormWithoutKind(node->PotentialAttacker, log);
      node = node->pNextAttacker;
    } else {
      log << "[     ]";
    }
  }
  log << (node ? "*" : " ");
}

void DumpWeapon(cWeapon* weapon, LogFile& log) {
  log << "###  My Weapon is :   ###\n";
  if (!weapon) {
    log << "ERROR : WEAPON NULL\n";
    return;
  }
  log << "name      : " << weapon->name.c_str() << "\n"
      << "frequency : " << DWORD(weapon->frequency) << " ms\n"
      << "mode attack : " << weapon->ModeAttack << "\n"
      << "Power : " << weapon->Power << "\n\n";
}

// The places the sprite's GetMyAttacker answers for, over its footprint grown
// by its view range; no class answers, so only the coordinates show.
void DumpMyAttackers(cSprite* s, LogFile& log) {
  log << "Liste des cAttacker qui me representent in cTabAggressive : \n";
  const int range = s->pDef ? s->pDef->iViewRange : 0;
  const int rows = s->pDef ? s->pDef->Hauteur + 2 * range : 0;
  const int columns = s->pDef ? s->pDef->Largeur + 2 * range : 0;
  for (int j = 0; j < rows; ++j) {
    for (int i = 0; i < columns; ++i) {
      log << "[" << i << "," << j << ",";
      if (cAttacker* node = s->GetMyAttacker(i, j)) {
        log << "{" << static_cast<const void*>(node) << "}";
        DumpShortForm(node->PotentialAttacker, log);
      } else {
        log << "                      ";
      }
      log << "]";
    }
    log << "\n";
  }
}

}  // namespace

void DumpShortForm(const cSprite* sprite, LogFile& log) {
  if (!sprite) {
    log << "[NULL]";  // a node without its sprite: nothing to name
    return;
  }
  log << "[" << KindOf(sprite) << ":" << sprite->Px << "," << sprite->Py << "]";
}

void DumpShortFormWithoutKind(const cSprite* sprite, LogFile& log) {
  if (!sprite) {
    log << "[NULL]";
    return;
  }
  log << "[" << sprite->Px << "," << sprite->Py << "]";
}

void DumpSprite(cSprite* s, LogFile& log) {
  if (!s) return;
  log << "#############################################################\n"
      << "#############################################################\n"
      << "Race   : " << s->Race() << "\n"
      << "Nom    : " << KindOf(s) << "\n"
      << "Px     : " << s->Px << "\n"
      << "Py     : " << s->Py << "\n\n"
      << "Ordre  : " << s->Ordre << "\n"
      << "Tache  : " << s->Tache << "\n\n"
      << "present Map initale  : " << s->Present_In_Initial_Map << "\n\n";
  DumpAttackers(s, log);
  log << kSeparator;

  log << "###############   TabSprites around me:    ##############\n";
  DumpGridAround(s, log, [&log](std::size_t cell) {
    const cSprite* occupant = occupancy_grid[cell];
    if (occupant) {
      log << KindOf(occupant);
    } else {
      log << "     ";
    }
  });
  log << "#################### TabAggressive Orc AroundMe: ##############\n";
  DumpGridAround(s, log,
                 [&log](std::size_t cell) { DumpAggressiveCell(cTabAggressive[1], cell, log); });
  log << "#################### TabAggressive Human AroundMe: ##############\n";
  DumpGridAround(s, log,
                 [&log](std::size_t cell) { DumpAggressiveCell(cTabAggressive[0], cell, log); });
}

void DumpSpriteFull(cSprite* sprite, LogFile& log) {
  if (!sprite) return;
  DumpSprite(sprite, log);
  sprite->DebugDump1(log);
  sprite->DebugDump2(log);
}

void cHumanoide::DebugDump1(LogFile& log) {
  log << "\n################  cHumanoide  #######################\n"
      << "XObjectif : " << XObjectif << "\n"
      << "YObjectif : " << YObjectif << "\n"
      << "dwLastAttack : " << dwLastAttack << "\n"
      << "EnZoneAttack : " << EnZoneAttack << "\n\n";
  DumpWeapon(myweapon, log);
  log << "ModeAggressivity : " << ModeAggressivity << "\n";
  if (ActualTarget) {
    log << "ActualTarget :";
    DumpShortForm(ActualTarget, log);
    log << "\n";
  } else {
    log << "ActualTarget : NULL\n";
  }
  DumpMyAttackers(this, log);
}

void cWarTower::DebugDump2(LogFile& log) {
  log << "\n################  cWarTower  #######################\n";
  DumpWeapon(pWeapon, log);
  log << "pDef->iViewRange  : " << (pDef ? pDef->iViewRange : 0) << "\n"
      << "dwLastShot : " << dwLastShot << "\n";
  // The target's short form is not followed by a line break: the grid's
  // title comes right after it.
  if (pTarget) {
    log << " Actual Target : ";
    DumpShortForm(pTarget, log);
  } else {
    log << " Actual Target :  NO TARGET \n";
  }
  DumpMyAttackers(this, log);
  log << "\n####################################################\n";
}

void cPaysan::DebugDump2(LogFile& log) {
  log << "############### level 2 : cPaysan ################\n"
      << "Xmine : " << Xmine << "  "
      << "Ymine : " << Ymine << "\n"
      << "XBois : " << XBois << "  "
      << "YBois : " << YBois << "\n"
      << "XHall : " << XHall << "  "
      << "YHall : " << YHall << "\n"
      << "XBuild : " << XBuild << "  "
      << "YBuild : " << YBuild << "\n"
      << "charge : " << charge << "\n"
      << "in mine : " << InMine << "\n"
      << "in hall : " << InHall << "\n"
      << "#####################################################\n";
}
