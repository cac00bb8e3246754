// The sprite base class and the registry: creation, removal, the world step.
#include "world/sprites.h"

#include <memory>
#include <vector>

#include "ai/fsm_base_orc.h"
#include "debug/Ddebug_Sprites.h"
#include "frame/logs.h"
#include "ui/selection.h"
#include "units/cBatiment.h"
#include "units/cHumanoide.h"
#include "units/cMonk.h"
#include "units/cPaysan.h"
#include "units/combat.h"
#include "units/weapons.h"
#include "world/map.h"

std::array<cSprite*, kRaces> sprite_lists{};
std::array<int, kRaces> sprite_counts{};
CellGrid<cSprite*> occupancy_grid{};
int Food = 0;
int FoodNeeded = 0;

namespace {

// Sprites removed while a walk of the lists is under way, freed when it ends.
int walk_depth = 0;
std::vector<std::unique_ptr<cSprite>> graveyard;

bool IsRace(int race) {
  return race >= NEUTRE && race <= ORC;
}

// Every cell of the footprint that lies on the grids.
template <typename F>
void ForEachFootprintCell(int x, int y, const cDefUnit* def, F f) {
  for (int i = 0; i < def->Largeur; ++i) {
    for (int j = 0; j < def->Hauteur; ++j) {
      const int cx = x + i, cy = y + j;
      if (cx >= 0 && cy >= 0 && cx < kMapCapacity && cy < kMapCapacity) f(CellIndex(cx, cy));
    }
  }
}

// The top-left cell of the first hall of a kind in a list; (0, 0) for none.
void FindHall(RACE race, DECOR hall, int& x, int& y) {
  const cSprite* found = FirstSpriteOfKind(race, hall);
  x = found ? found->Px : 0;
  y = found ? found->Py : 0;
}

std::unique_ptr<cSprite> CreateNeutral(DECOR kind, int x, int y) {
  switch (kind) {
    case MINEO:
      return std::make_unique<cMineOr>(x, y);
    case T_AIR:
      return std::make_unique<cTempleAir>(x, y);
    case T_FIR:
      return std::make_unique<cTempleFeu>(x, y);
    case T_NAT:
      return std::make_unique<cTempleNature>(x, y);
    default:
      break;
  }
  Fatal_Errors << "sprites AjouterSprite : Decor is not valid for a NEUTRE\n";
  return nullptr;
}

std::unique_ptr<cSprite> CreateHuman(DECOR kind, int x, int y) {
  switch (kind) {
    case FERME:
      return std::make_unique<cFerme>(x, y);
    case HALL1:
      return std::make_unique<cHall1>(x, y);
    case HALL2:
      return std::make_unique<cHall2>(x, y);
    case HALL3:
      return std::make_unique<cHall3>(x, y);
    case BARRA:
      return std::make_unique<cBarrack>(x, y);
    case SCIER:
      return std::make_unique<cScier>(x, y);
    case FORGE:
      return std::make_unique<cForge>(x, y);
    case ETABL:
      return std::make_unique<cEtabl>(x, y);
    case EGLIS:
      return std::make_unique<cEglis>(x, y);
    case INVEN:
      return std::make_unique<cInven>(x, y);
    case MAGEH:
      return std::make_unique<cMageh>(x, y);
    case ARCHE:
      return std::make_unique<cArcher>(x, y);
    case GUERR:
      return std::make_unique<cSoldier>(x, y);
    case MONK:
      return std::make_unique<cMonk>(x, y);
    case PAYSA: {
      int hx, hy;
      FindHall(HUMAN, HALL1, hx, hy);
      return std::make_unique<cPeon>(x, y, hx, hy);
    }
    default:
      break;
  }
  Fatal_Errors << "sprites cSprite* AjouterSprite(RACE Race,DECOR Nom,int x,int y, bool LOAD) : "
                  "\n        DECOR is not valid for HUMAINS\n";
  return nullptr;
}

std::unique_ptr<cSprite> CreateOrc(DECOR kind, int x, int y) {
  switch (kind) {
    case WATOW:
      return std::make_unique<cWarTower>(x, y, WeaponOfType(BOULET));
    case OHALL:
      return std::make_unique<cOrcHall>(x, y);
    case OBARR:
      return std::make_unique<cOrcBarrack>(x, y);
    case OFARM:
      return std::make_unique<cOrcFerme>(x, y);
    case OGUER:
      return std::make_unique<cOrcSoldier>(x, y);
    case OARCH:
      return std::make_unique<cOrcArcher>(x, y);
    case OPAYS: {
      int hx, hy;
      FindHall(ORC, OHALL, hx, hy);
      return std::make_unique<cOrcPeon>(x, y, hx, hy);
    }
    default:
      break;
  }
  Fatal_Errors << "sprites cSprite* AjouterSprite(RACE Race,DECOR Nom,int x,int y, bool LOAD) : "
                  "\n        DECOR is not valid for ORC\n"
               << "the decor was :" << kind << "\n";
  return nullptr;
}

std::unique_ptr<cSprite> CreateSprite(RACE race, DECOR kind, int x, int y) {
  switch (race) {
    case NEUTRE:
      return CreateNeutral(kind, x, y);
    case HUMAN:
      return CreateHuman(kind, x, y);
    case ORC:
      return CreateOrc(kind, x, y);
  }
  Fatal_Errors << "sprites ajoutersprites : Race is not valid\n";
  return nullptr;
}

void Register(cSprite* sprite, RACE race) {
  sprite->pNext = sprite_lists[race];
  sprite_lists[race] = sprite;
  ++sprite_counts[race];
}

void Unlink(cSprite* sprite, RACE race) {
  cSprite** link = &sprite_lists[race];
  while (*link && *link != sprite) link = &(*link)->pNext;
  if (*link) *link = sprite->pNext;
}

void Free(cSprite* sprite) {
  LibererAttaquants(sprite);
  if (walk_depth > 0) {
    sprite->removed = true;
    graveyard.emplace_back(sprite);
  } else {
    delete sprite;
  }
}

}  // namespace

cSprite::cSprite(RACE, int px, int py, cDescEdit* pDesc, cDefUnit* pDef)
    : Px(px),
      Py(py),
      pDesc(pDesc),
      pDef(pDef),
      PointsDeVie(pDef ? pDef->PointsDeVieMax : 0),
      dwTimer(GetTickCount()) {}

void cSprite::Afficher() {}
void cSprite::AfficherInfos() {}
void cSprite::Avancer() {
  Ordre = WAIT;
}
void cSprite::TrouverTrajet(int, int) {}
void cSprite::Ordonner(TACHE, cDefUnit*, int, int) {}
void cSprite::AssignerTache(TACHE, cSprite*) {}
void cSprite::AffecterTravail(TACHE, int, int, cSprite*) {}
void cSprite::Construction(cDefUnit*, int, int) {}
void cSprite::Construction(cDefUnit*) {}
void cSprite::Progress() {}
void cSprite::Fight() {}
cAttacker* cSprite::GetMyAttacker(int, int) {
  return nullptr;
}
void cSprite::GetPositions(int&, int&, int&, int&, int&, int&) {}
void cSprite::DebugDump1(LogFile&) {}
void cSprite::DebugDump2(LogFile&) {}
void cSprite::SetModeAggressivity(MODE_AGGRESSIVITY) {}
MODE_AGGRESSIVITY cSprite::GetModeAggressivity() {
  return PASSIVE;
}
cWeapon* cSprite::GetWeapon() {
  return nullptr;
}
void cSprite::OublierCible(cSprite*) {}
cSprite* cSprite::GetActualTarget() {
  return nullptr;
}
void cSprite::SignalUnderAttack(cSprite*) {}
void cSprite::StopAttack() {}
void cSprite::GetPositionPixel(int& x, int& y) {
  x = Px * kCellSize;
  y = Py * kCellSize;
}
void cSprite::SetOwner(RACE) {}
RACE cSprite::GetOwner() {
  return NEUTRE;
}
void cSprite::PreparerMission() {
  PointsDeVie = pDef ? pDef->PointsDeVieMax : PointsDeVie;
  Present_In_Initial_Map = true;
}
void cSprite::SignalSpriteRemoved(cSprite*) {}
void cSprite::SignalSpriteAdded(cSprite*) {}
void cSprite::SignalRemoval() {}

bool cSprite::Blesser(int degats) {
  if (pDef && pDef->Race == ORC && pDef->Categorie == CATEGORIE_BUILDING) under_attack = true;
  PointsDeVie -= degats;  // wraps like all int arithmetic here (-fwrapv)
  return PointsDeVie < 1;
}

SpriteWalk::SpriteWalk() {
  ++walk_depth;
}

SpriteWalk::~SpriteWalk() {
  if (--walk_depth == 0) graveyard.clear();
}

cSprite* AjouterSprite(RACE Race, DECOR Nom, int x, int y) {
  if (x < 0 || y < 0) ErrorBanner("sprites  AjouterSprite  the position of the sprite is negative");
  std::unique_ptr<cSprite> created = CreateSprite(Race, Nom, x, y);
  if (!created) return nullptr;
  if (!created->pDef) return nullptr;   // the definitions are built at start-up
  cSprite* sprite = created.release();  // owned by its list from here on
  if (Race == HUMAN) {
    if (Nom == FERME) Food += 100;
    RevealAround(sprite);
    Register(sprite, Race);
    FoodNeeded += sprite->pDef->Nourriture;
  } else {
    Register(sprite, Race);
  }
  // A footprint that leaves the grids is kept on them where it lies on them.
  ForEachFootprintCell(x, y, sprite->pDef, [sprite](std::size_t cell) {
    if (occupancy_grid[cell]) {
      Fatal_Errors << "sprites AjouterSprites il y a deja un sprite a cet endroit !\n";
    }
    occupancy_grid[cell] = sprite;
  });
  ForEachSprite(Race, [sprite](cSprite* s) { s->SignalSpriteAdded(sprite); });
  return sprite;
}

cSprite* AjouterSprite(cDefUnit* pDef, int x, int y) {
  if (!pDef) return nullptr;
  return AjouterSprite(pDef->Race, pDef->Nom, x, y);
}

void RemovecSprite(cSprite* pToDelete) {
  if (!pToDelete) {
    ErrorBanner("sprites  void RemovecSprite(cSprite * pToDelete) pToDelete=NULL");
    return;
  }
  if (pToDelete->removed) return;  // already gone, waiting for the walk to end
  const RACE race = pToDelete->Race();
  if (!IsRace(race)) {
    Fatal_Errors << "sprites void RemovecSprite(cSprite * pToDelete) Race is not valid !\n";
    return;
  }
  if (race == ORC && pToDelete->Present_In_Initial_Map) {
    Signal_Sprite_Orc_To_Rebuild(pToDelete->pDef, pToDelete->Px, pToDelete->Py);
  }
  for (cAttacker* node = pToDelete->ListOfPeopleWhoAttackMe; node; node = node->pNextAttacker) {
    if (node->PotentialAttacker) node->PotentialAttacker->OublierCible(pToDelete);
  }
  if (cSprite* target = pToDelete->GetActualTarget()) RetirerAttaquant(target, pToDelete);
  // Every side's lists, not only the enemies': a sprite that once took a
  // target of its own side or a neutral one and moved on must not stay in
  // that list, where the target's death would call it after it is freed.
  for (RACE side : {HUMAN, ORC, NEUTRE}) {
    ForEachSprite(side, [pToDelete](cSprite* s) { RetirerAttaquant(s, pToDelete); });
  }
  ForgetSpriteInProjectiles(pToDelete);
  ForEachSprite(race, [pToDelete](cSprite* s) { s->SignalSpriteRemoved(pToDelete); });
  pToDelete->SignalRemoval();

  Unlink(pToDelete, race);
  RemoveFromSelection(pToDelete);
  ForEachFootprintCell(pToDelete->Px, pToDelete->Py, pToDelete->pDef,
                       [](std::size_t cell) { occupancy_grid[cell] = nullptr; });
  --sprite_counts[race];
  Free(pToDelete);
}

cSprite* FirstSpriteOfKind(RACE race, DECOR kind) {
  if (!IsRace(race)) return nullptr;
  for (cSprite* s = sprite_lists[race]; s; s = s->pNext) {
    if (!s->removed && s->pDef && s->pDef->Nom == kind) return s;
  }
  return nullptr;
}

cSprite* Get_Linked_List(RACE Race) {
  if (IsRace(Race)) return sprite_lists[Race];
  Fatal_Errors << "sprites cSprite * Get_Linked_List(RACE Race) \n";
  return nullptr;
}

void WorldStep() {
  constexpr RACE kOrder[] = {HUMAN, ORC, NEUTRE};
  for (RACE race : kOrder) ForEachSprite(race, [](cSprite* s) { s->Progress(); });
  for (RACE race : kOrder) ForEachSprite(race, [](cSprite* s) { s->Fight(); });
}

void PurgeSprites() {
  for (RACE race : {HUMAN, ORC, NEUTRE}) {
    for (cSprite* s = sprite_lists[race]; s;) {
      cSprite* next = s->pNext;
      LibererAttaquants(s);
      delete s;
      s = next;
    }
    sprite_lists[race] = nullptr;
  }
}

// The whole grid, not only the map: a footprint may reach past the map's
// edge, and no pointer to a purged sprite may stay behind for a larger map.
void ClearOccupancy() {
  occupancy_grid.fill(nullptr);
}

void ResetSpriteCounts() {
  sprite_counts.fill(0);
}

void PrintcSprite(cSprite* pTemp) {
  if (!pTemp) {
    ErrorBanner("sprites void PrintcSprite(cSprite * pTemp) pTemp == NULL");
    return;
  }
  OpenTempLog();
  if (!temp_log) return;
  const DECOR kind = pTemp->pDef ? pTemp->pDef->Nom : VIDE;
  std::fprintf(temp_log, "INFO PrintcSprite: type %s position x: %d  y:%d name:%d \n",
               GetStringFromDECOR(kind), pTemp->Px, pTemp->Py, int(kind));
  CloseTempLog();
}

void PrintListeSprites(cSprite* head) {
  LogFile& log = log_sprites;
  if (head == sprite_lists[HUMAN]) {
    log << "####################### LIST OF SPRITES HUMAIN  ######################\n";
  } else if (head == sprite_lists[ORC]) {
    log << "####################### LIST OF SPRITES ORC     ######################\n";
  } else if (head == sprite_lists[NEUTRE]) {
    log << "####################### LIST OF SPRITES NEUTRE     ######################\n";
  } else {
    log << "####################### LIST OF SPRITES UNKNOWN     ##################\n";
  }
  for (cSprite* s = head; s; s = s->pNext) {
    DumpSpriteFull(s, log);
    log << "\n";
  }
  log << "#######################          END OF LIST   #######################\n";
}

void PrintOrcSprites() {
  PrintListeSprites(sprite_lists[ORC]);
}
