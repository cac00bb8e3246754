// Attacker lists, the search for an enemy and for an escape cell.
#include "units/combat.h"

#include "world/util.h"

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
  for (auto& grid : cTabAggressive) {
    for (int x = 0; x < tx_map; ++x) {
      for (int y = 0; y < ty_map; ++y) grid[CellIndex(x, y)] = nullptr;
    }
  }
}

namespace {

// The sprite on a map cell, if it is an enemy of the side.
cSprite* EnemyAt(int x, int y, RACE side) {
  if (!IsInMap(x, y)) return nullptr;
  cSprite* s = occupancy_grid[CellIndex(x, y)];
  if (!s || s->Race() == side || s->Race() == NEUTRE) return nullptr;
  return s;
}

// The ring at distance d around a footprint: left column, right column, top
// row, bottom row. The columns run over the width, as the footprints that
// search (units, the tower) are square.
cSprite* EnemyOnRing(int X, int Y, int w, int h, int d, RACE side) {
  for (int y = Y - d; y <= Y + w + d - 1; ++y) {
    if (cSprite* s = EnemyAt(X - d, y, side)) return s;
  }
  for (int y = Y - d; y <= Y + w + d - 1; ++y) {
    if (cSprite* s = EnemyAt(X + w + d - 1, y, side)) return s;
  }
  for (int x = X - d + 1; x <= X + w + d - 2; ++x) {
    if (cSprite* s = EnemyAt(x, Y - d, side)) return s;
  }
  for (int x = X - d + 1; x <= X + w + d - 2; ++x) {
    if (cSprite* s = EnemyAt(x, Y + h + d - 1, side)) return s;
  }
  return nullptr;
}

struct Cell {
  int x, y;
};
using EscapeCells = std::array<Cell, 3>;

// Three cells next to (X, Y) away from an attacker dx, dy cells off.
EscapeCells EscapeCandidates(int X, int Y, int dx, int dy) {
  if (dx > 0 && dy > 0) return {{{X - 1, Y - 1}, {X - 1, Y}, {X, Y - 1}}};
  if (dx > 0 && dy < 0) return {{{X - 1, Y + 1}, {X, Y + 1}, {X - 1, Y}}};
  if (dx > 0) return {{{X - 1, Y}, {X - 1, Y - 1}, {X - 1, Y + 1}}};
  if (dx < 0 && dy > 0) return {{{X + 1, Y - 1}, {X, Y - 1}, {X + 1, Y}}};
  if (dx < 0 && dy < 0) return {{{X + 1, Y + 1}, {X + 1, Y}, {X, Y + 1}}};
  if (dx < 0) return {{{X + 1, Y}, {X + 1, Y - 1}, {X + 1, Y + 1}}};
  if (dy <= 0) return {{{X, Y + 1}, {X - 1, Y + 1}, {X + 1, Y + 1}}};
  return {{{X, Y - 1}, {X - 1, Y - 1}, {X + 1, Y - 1}}};
}

}  // namespace

cSprite* TrouverCible(cSprite* s) {
  const cDefUnit* def = s->pDef;
  for (int d = 1; d <= def->iViewRange; ++d) {
    if (cSprite* enemy = EnemyOnRing(s->Px, s->Py, def->Largeur, def->Hauteur, d, s->Race())) {
      return enemy;
    }
  }
  return nullptr;
}

bool TrouverFuite(int& x, int& y, cSprite* me, cSprite* attacker) {
  for (const Cell& c :
       EscapeCandidates(me->Px, me->Py, attacker->Px - me->Px, attacker->Py - me->Py)) {
    if (IsCellFree(c.x, c.y)) {
      x = c.x;
      y = c.y;
      return true;
    }
  }
  return false;
}
