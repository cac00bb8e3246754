// Orders on the map and the placing of buildings.
#include "ui/event.h"

#include "frame/dix.h"
#include "frame/logfile.h"
#include "frame/poll_IO.h"
#include "ui/money.h"
#include "ui/selection.h"
#include "ui/zone_game.h"
#include "units/cBatiment.h"
#include "units/combat.h"
#include "world/decors.h"
#include "world/sprites.h"
#include "world/util.h"

namespace {

bool IsEnemyOf(const cSprite* target, const cSprite* s) {
  return target->Race() != NEUTRE && target->Race() != s->Race();
}

bool IsTemple(const cSprite* s) {
  return s->pDef == GetDefUnit(T_AIR) || s->pDef == GetDefUnit(T_FIR) ||
         s->pDef == GetDefUnit(T_NAT);
}

// A monk conquers a temple its side does not own yet, and is told to attack
// an enemy (which it ignores, but the order still counts).
bool OrderMonk(cSprite* monk, cSprite* target) {
  if (target->Race() == NEUTRE) {
    if (!IsTemple(target) || target->GetOwner() == HUMAN) return false;
    monk->AssignerTache(CONQUETE, target);
    return true;
  }
  if (!IsEnemyOf(target, monk)) return false;
  monk->AssignerTache(ATTACK, target);
  return true;
}

// Those chasing s that are not aggressive give up. Each StopAttack frees the
// node it leaves, so the walk starts again from the head.
void ReleasePursuers(cSprite* s) {
  cAttacker* node = s->ListOfPeopleWhoAttackMe;
  while (node) {
    cSprite* attacker = node->PotentialAttacker;
    if (attacker && attacker->GetActualTarget() == s &&
        attacker->GetModeAggressivity() != AGGRESSIVE) {
      attacker->StopAttack();
      node = s->ListOfPeopleWhoAttackMe;
    } else {
      node = node->pNextAttacker;
    }
  }
}

bool BusyOnASite(const cSprite* s) {
  return s->pDef == GetDefUnit(PAYSA) && (s->Tache == CONSTUCTION || s->Tache == RE_CONSTUCTION);
}

// Only the occupancy grid is looked at: a building may be founded over
// forest. A footprint that leaves the map (or the grids) is refused like an
// occupied one, so that nothing outside the grids is ever read.
bool FootprintTaken(int x, int y, int w, int h) {
  for (int i = 0; i < w; ++i) {
    for (int j = 0; j < h; ++j) {
      if (!IsInMap(x + i, y + j) || occupancy_grid[CellIndex(x + i, y + j)]) return true;
    }
  }
  return false;
}

}  // namespace

void SignalClickMap() {
  if (PlacementInProgress()) {
    PoserBatiment();
    return;
  }
  bool acted = false;
  for (cSprite* s : SelectedSprites) {
    if (!s) continue;
    if (OrdonnerAction(s)) {
      acted = true;
    } else {
      OrdonnerDeplacement(s);
    }
  }
  if (!acted) SelectUnderMouse();
}

bool OrdonnerAction(cSprite* s) {
  if (!s || !s->visible) return false;
  int x, y;
  CellUnderMouse(x, y);
  cSprite* target = SpriteOnCell(x, y);
  // Only workers take it; the walk that follows fails, as a forest cell is
  // no ground to stand on.
  if (Forested(x, y)) {
    s->AffecterTravail(RECOLTE_BOIS, x, y, nullptr);
    return false;
  }
  if (!target || !s->pDef) return false;
  switch (s->pDef->Nom) {
    case ARCHE:
    case GUERR:
      if (!IsEnemyOf(target, s)) return false;
      s->AssignerTache(ATTACK, target);
      return true;
    case PAYSA:
      if (target->pDef != GetDefUnit(MINEO)) return false;
      s->AffecterTravail(RECOLTE_OR, target->Px, target->Py, nullptr);
      s->Ordre = WAIT;
      return true;
    case MONK:
      return OrderMonk(s, target);
    default:
      return false;
  }
}

void OrdonnerDeplacement(cSprite* s) {
  if (!s || !s->visible || BusyOnASite(s)) return;
  int x, y;
  CellUnderMouse(x, y);
  if (!IsCellFree(x, y) || (x == s->Px && y == s->Py)) return;
  s->Tache = SANS_TACHE;
  s->Ordre = WAIT;
  s->TrouverTrajet(x, y);
  s->Ordre = GOTO;
  ReleasePursuers(s);
  s->StopAttack();
}

void PoserBatiment() {
  cDefUnit* def = pDefToPlace;
  if (!def) return;
  int x, y;
  CellUnderMouse(x, y);
  if (FootprintTaken(x, y, def->Largeur, def->Hauteur)) return;
  if (Money < def->CoutOr || Wood < def->CoutBois) return;
  Money -= def->CoutOr;
  Wood -= def->CoutBois;
  cSprite* building = AjouterSprite(HUMAN, def->Nom, x, y);
  if (cSprite* worker = GetSelectedSprite()) worker->AffecterTravail(CONSTUCTION, x, y, building);
  pDefToPlace = nullptr;
}

// The picture snaps to whole cells and looks the same whether the place is
// free or not: the player learns only by clicking.
void AfficherConstruction() {
  if (!PlacementInProgress()) return;
  if (mouse_x < 0 || mouse_x > kViewWidth || mouse_y < 0 || mouse_y > kViewHeight) return;
  int x, y;
  CellUnderMouse(x, y);
  const int w = pDefToPlace->Largeur, h = pDefToPlace->Hauteur;
  const int sx = kCellSize * x - scroll_x + kViewMargin;
  const int sy = kCellSize * y - scroll_y + kViewMargin;
  RECT dest{sx, sy, sx + kCellSize * w, sy + kCellSize * h};
  const int column = pDefToPlace->XImage, row = pDefToPlace->YImage;
  RECT source{kBuildingPitch * column + 1, kBuildingPitch * row + 1, 0, 0};
  source.right = source.left + kCellSize * w;
  source.bottom = source.top + kCellSize * h;
  ReportDXError("event void AfficherConstruction()",
                virtual_surface->Blt(&dest, human_buildings_surface, &source, DDBLT_WAIT, nullptr));
}
