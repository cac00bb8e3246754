// Every object on the map that is not terrain is a sprite. The registry owns
// them all: three lists (one per side), the occupancy grid, the world step.
#pragma once

#include <array>
#include <cstdio>

#include "frame/logfile.h"
#include "world/decors.h"
#include "world/sprites_defs.h"
#include "world/sprites_names.h"

class cDescEdit;
class cAttacker;
class cWeapon;

class cSprite {
 public:
  cSprite(RACE race, int px, int py, cDescEdit* pDesc, cDefUnit* pDef);
  cSprite(const cSprite&) = delete;
  cSprite& operator=(const cSprite&) = delete;

  virtual void Afficher();
  virtual void AfficherInfos();
  virtual void Avancer();  // the base stops: Ordre = WAIT
  virtual void TrouverTrajet(int XBut, int YBut);
  virtual void Ordonner(TACHE ordre, cDefUnit* pToBuild, int px, int py);
  virtual void AssignerTache(TACHE tache, cSprite* pCible);
  virtual void AffecterTravail(TACHE tache, int px, int py, cSprite* pBatiment);
  virtual void Construction(cDefUnit* unit, int px, int py);
  virtual void Construction(cDefUnit* unit);
  virtual void Progress();
  virtual void Fight();
  virtual cAttacker* GetMyAttacker(int i, int j);
  virtual void GetPositions(int& XMine, int& YMine, int& XBois, int& YBois, int& XHall, int& YHall);
  virtual void DebugDump1(LogFile& log);
  virtual void DebugDump2(LogFile& log);
  virtual void SetModeAggressivity(MODE_AGGRESSIVITY m);
  // A value outside the enumeration (the tower's 4) is a mode nobody acts on.
  virtual MODE_AGGRESSIVITY GetModeAggressivity();
  virtual cWeapon* GetWeapon();
  virtual void OublierCible(cSprite* p);
  virtual cSprite* GetActualTarget();
  virtual void SignalUnderAttack(cSprite* attacker);
  virtual void StopAttack();
  virtual void GetPositionPixel(int& x, int& y);
  virtual void Save(FILE* File);
  virtual void Read(FILE* File);
  virtual void SetOwner(RACE race);
  virtual RACE GetOwner();
  virtual void PreparerMission();
  virtual void SignalSpriteRemoved(cSprite* p);
  virtual void SignalSpriteAdded(cSprite* p);
  virtual void SignalRemoval();
  // Removal undoes everything in RemovecSprite first; a sprite's own
  // destruction only gives its memory back.
  virtual ~cSprite() = default;

  // Takes hit points; true when the sprite is dead (below 1). A hit on an orc
  // building alerts the orc side.
  bool Blesser(int degats);
  // An attacked orc object sends the nearest idle orc fighter within 14
  // rings of it against its first attacker.
  void Call_Defenders_To_Rescue();
  // The side, which the sprite's kind decides.
  RACE Race() const { return pDef ? pDef->Race : NEUTRE; }

  int Px;
  int Py;
  cDescEdit* pDesc;
  cSprite* pNext = nullptr;
  ORDRE Ordre = WAIT;
  TACHE Tache = SANS_TACHE;
  bool visible = true;
  cDefUnit* pDef;
  int PointsDeVie;
  cAttacker* ListOfPeopleWhoAttackMe = nullptr;
  bool Present_In_Initial_Map = false;
  DWORD dwTimer;

  // Removed while the world was being walked: no longer in any list, freed
  // when the walk ends.
  bool removed = false;
};

// The registry.
constexpr int kRaces = 3;
extern std::array<cSprite*, kRaces> sprite_lists;  // heads, newest first, indexed by RACE
extern std::array<int, kRaces> sprite_counts;
extern CellGrid<cSprite*> occupancy_grid;
extern int Food;        // the human side's food capacity
extern int FoodNeeded;  // and its need

cSprite* AjouterSprite(RACE Race, DECOR Nom, int x, int y);
cSprite* AjouterSprite(cDefUnit* pDef, int x, int y);
void RemovecSprite(cSprite* pToDelete);
cSprite* Get_Linked_List(RACE Race);
// The first sprite of a kind in a side's list (the newest); null for none.
cSprite* FirstSpriteOfKind(RACE race, DECOR kind);

// Progress on every sprite (HUMAN, ORC, NEUTRE lists), then Fight on every one.
void WorldStep();
// Frees every sprite without calling it and empties the lists.
void PurgeSprites();
void ClearOccupancy();
void ResetSpriteCounts();

// Walks of the lists during which a removed sprite must stay in memory: the
// world step and the projectile step open one around their walk.
class SpriteWalk {
 public:
  SpriteWalk();
  ~SpriteWalk();
  SpriteWalk(const SpriteWalk&) = delete;
  SpriteWalk& operator=(const SpriteWalk&) = delete;
};

// Calls f on every live sprite of the list, from the head, safe against
// removals made by f: a removed sprite stays in memory until the walk ends
// and still leads to the sprite that followed it, while a live one leads to
// its live successor.
template <typename F>
void ForEachSprite(RACE race, F f) {
  SpriteWalk walk;
  for (cSprite* s = sprite_lists[race]; s; s = s->pNext) {
    if (!s->removed) f(s);
  }
}

void PrintcSprite(cSprite* pTemp);
// Lists every sprite of the list starting at head into output/sprites.txt.
void PrintListeSprites(cSprite* head);
// The F2 key: the orc side's objects.
void PrintOrcSprites();
