// Attacker lists.
#include "units/combat.h"

cAttacker* AjouterAttaquant(cSprite* victim, cSprite* p) {
  cAttacker* last = nullptr;
  for (cAttacker* node = victim->ListOfPeopleWhoAttackMe; node; node = node->pNextAttacker) {
    if (node->PotentialAttacker == p) return node;
    last = node;
  }
  auto* node = new cAttacker(p);  // owned by the list, freed by RetirerAttaquant
  node->pPrevAttacker = last;
  (last ? last->pNextAttacker : victim->ListOfPeopleWhoAttackMe) = node;
  return node;
}

void RetirerAttaquant(cSprite* victim, cSprite* p) {
  if (!p) return;
  for (cAttacker* node = victim->ListOfPeopleWhoAttackMe; node; node = node->pNextAttacker) {
    if (node->PotentialAttacker != p) continue;
    (node->pPrevAttacker ? node->pPrevAttacker->pNextAttacker : victim->ListOfPeopleWhoAttackMe) =
        node->pNextAttacker;
    if (node->pNextAttacker) node->pNextAttacker->pPrevAttacker = node->pPrevAttacker;
    delete node;
    return;
  }
}

void LibererAttaquants(cSprite* victim) {
  for (cAttacker* node = victim->ListOfPeopleWhoAttackMe; node;) {
    cAttacker* next = node->pNextAttacker;
    delete node;
    node = next;
  }
  victim->ListOfPeopleWhoAttackMe = nullptr;
}

std::array<CellGrid<cAttacker*>, 2> cTabAggressive{};

void ClearCombatGrids() {
  ClearOccupancy();
  for (auto& grid : cTabAggressive) {
    for (int x = 0; x < tx_map; ++x) {
      for (int y = 0; y < ty_map; ++y) grid[CellIndex(x, y)] = nullptr;
    }
  }
}

// The searches come with the fighting.
cSprite* TrouverCible(cSprite*) {
  return nullptr;
}
bool TrouverFuite(int&, int&, cSprite*, cSprite*) {
  return false;
}
