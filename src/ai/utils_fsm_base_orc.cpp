// The rebuild list (a singly linked list in the order the objects fell), the
// rescue of attacked orc objects and the processing of the list.
#include "ai/utils_fsm_base_orc.h"

#include "frame/logfile.h"
#include "units/combat.h"
#include "world/decors.h"
#include "world/sprites.h"
#include "world/sprites_defs.h"
#include "world/util.h"

Orc_Rebuild_Entry* rebuild_list = nullptr;

void Signal_Sprite_Orc_To_Rebuild(cDefUnit* def, int px, int py) {
  Orc_Rebuild_Entry** link = &rebuild_list;
  while (*link) link = &(*link)->next;
  *link = new Orc_Rebuild_Entry{nullptr, def, px, py};
}

void Signal_Sprite_Orc_Rebuild(cDefUnit* def, int px, int py) {
  for (Orc_Rebuild_Entry** link = &rebuild_list; *link; link = &(*link)->next) {
    Orc_Rebuild_Entry* entry = *link;
    if (entry->def == def && entry->px == px && entry->py == py) {
      *link = entry->next;
      delete entry;
      return;
    }
  }
  // A null kind is named as the log names a null text.
  Fatal_Errors
      << "utils_fsm_base_orc void Signal_Sprite_Orc_Rebuild(cDefUnit * def, int px, int py) \n"
      << "impossible to find the cDefUnit...:" << (def ? GetStringFromDECOR(def->Nom) : nullptr)
      << " en : [" << px << "," << py << "]\n";
}

void ClearRebuildList() {
  while (Orc_Rebuild_Entry* entry = rebuild_list) {
    rebuild_list = entry->next;
    delete entry;
  }
}

namespace {

// How far an attacked object looks for a defender, in rings around it.
constexpr int kRescueRings = 14;

// The cells of ring d around the footprint, in the order the rescue looks at
// them: the row above, the row below (each toward growing x), then the left
// and the right column (each toward growing y). True as soon as visit is.
template <typename F>
bool VisitRing(int x, int y, int w, int h, int d, F visit) {
  const int left = x - d, right = x + w - 1 + d, top = y - d, bottom = y + h - 1 + d;
  for (int cx = left; cx <= right; ++cx) {
    if (visit(cx, top)) return true;
  }
  for (int cx = left; cx <= right; ++cx) {
    if (visit(cx, bottom)) return true;
  }
  for (int cy = top + 1; cy <= bottom; ++cy) {
    if (visit(left, cy)) return true;
  }
  for (int cy = top + 1; cy <= bottom; ++cy) {
    if (visit(right, cy)) return true;
  }
  return false;
}

bool IsIdleFighter(const cSprite* s, RACE race) {
  return s && s->Race() == race && s->pDef->Categorie == CATEGORIE_UNIT && s->Tache == SANS_TACHE;
}

template <typename F>
cSprite* FirstOrc(F matches) {
  for (cSprite* s = sprite_lists[ORC]; s; s = s->pNext) {
    if (!s->removed && matches(s)) return s;
  }
  return nullptr;
}

}  // namespace

void cSprite::Call_Defenders_To_Rescue() {
  if (Race() != ORC) {
    Fatal_Errors << "utils fsm baseorc  void cSprite::Call_Defenders_To_Rescue() not implemented "
                    "pour les autres races !\n";
    return;
  }
  // Only attacked objects are asked; one without attackers has nobody to
  // send a defender against.
  if (!ListOfPeopleWhoAttackMe) return;
  cSprite* attacker = ListOfPeopleWhoAttackMe->PotentialAttacker;
  const RACE race = Race();
  auto send_if_idle = [&](int x, int y) {
    if (!IsInMap(x, y)) return false;
    cSprite* defender = occupancy_grid[CellIndex(x, y)];
    if (!IsIdleFighter(defender, race)) return false;
    defender->AssignerTache(ATTACK, attacker);
    return true;
  };
  for (int d = 1; d <= kRescueRings; ++d) {
    if (VisitRing(Px, Py, pDef->Largeur, pDef->Hauteur, d, send_if_idle)) return;
  }
}

cSprite* Find_Orc_Producer(cDefUnit* def) {
  if (!def || def->Race != ORC) return nullptr;
  if (def == GetDefUnit(OPAYS)) {
    // A harvesting worker is the one taken to build.
    return FirstOrc([def](const cSprite* s) {
      return s->pDef == def && (s->Tache == RECOLTE_OR || s->Tache == RECOLTE_BOIS) && s->visible;
    });
  }
  if (def == GetDefUnit(OHALL) || def == GetDefUnit(OBARR)) {
    return FirstOrc([def](const cSprite* s) { return s->pDef == def && s->Tache == SANS_TACHE; });
  }
  return nullptr;
}

void Process_Orc_Rebuild_List() {
  for (Orc_Rebuild_Entry* entry = rebuild_list; entry; entry = entry->next) {
    cDefUnit* def = entry->def;
    if (!def) continue;  // nothing the game queues; no kind to make
    if (def->Categorie == CATEGORIE_BUILDING) {
      cSprite* worker = Find_Orc_Producer(GetDefUnit(OPAYS));
      if (worker && IsZoneFree(entry->px, entry->py, def->Largeur, def->Hauteur)) {
        worker->Ordonner(RE_CONSTUCTION, def, entry->px, entry->py);
      }
    } else if (def->Categorie == CATEGORIE_WORKER || def->Categorie == CATEGORIE_UNIT) {
      cSprite* trainer = Find_Orc_Producer(def->pProducteur);
      if (!trainer) continue;
      const int px = entry->px, py = entry->py;
      trainer->Construction(def, px, py);
      // The entry leaves even if the trainer could not pay; it is freed
      // here, so the pass ends: one training is ordered per frame.
      Signal_Sprite_Orc_Rebuild(def, px, py);
      return;
    }
  }
}
