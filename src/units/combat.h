// Who attacks whom: every sprite keeps the list of the sprites that have
// taken it as their target, so that a dying sprite can release them.
#pragma once

#include "world/sprites.h"

// A node of an attacker list; owned by the list.
class cAttacker {
 public:
  explicit cAttacker(cSprite* attacker) : PotentialAttacker(attacker) {}

  cAttacker* pNextAttacker = nullptr;
  cAttacker* pPrevAttacker = nullptr;
  cSprite* PotentialAttacker;
};

// Adds p to the victim's attackers (once) and returns its node.
cAttacker* AjouterAttaquant(cSprite* victim, cSprite* p);
// Removes p from the victim's attackers, if it is there.
void RetirerAttaquant(cSprite* victim, cSprite* p);
// Frees the whole attacker list of a sprite.
void LibererAttaquants(cSprite* victim);

// The nearest enemy around a sprite, ring by ring out to its view range;
// null when none.
cSprite* TrouverCible(cSprite* s);
// An escape cell next to `me`, away from the attacker; false when none.
bool TrouverFuite(int& x, int& y, cSprite* me, cSprite* attacker);

// Per side (HUMAN at 0, ORC at 1), a list head per cell. Nothing in the game
// puts entries in them; the debug dump prints them.
extern std::array<CellGrid<cAttacker*>, 2> cTabAggressive;

// Clears the two attack grids over the map.
void ClearCombatGrids();
