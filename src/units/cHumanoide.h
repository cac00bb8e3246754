// Every unit that walks: the fighting kinds, the workers and the monk. It
// moves cell by cell along a path with a pixel glide, is drawn in one of
// eight directions with a walking animation, and attacks its target.
#pragma once

#include <array>
#include <cstdint>

#include "units/weapons.h"
#include "world/sprites.h"

struct PathCell {
  std::uint8_t x;
  std::uint8_t y;
};

constexpr int kPathLength = 256;
constexpr int kFrameSize = 50;   // pixels of a unit's picture
constexpr int kFramePitch = 51;  // between two pictures in the sheet

class cHumanoide : public cSprite {
 public:
  cHumanoide(RACE race, int px, int py, cDescEdit* pDesc, cDefUnit* pDef, cWeapon* myweapon,
             MODE_AGGRESSIVITY mode);

  void Afficher() override;
  void AfficherInfos() override;
  // One movement sub-step along the path.
  void Avancer() override;
  // The walk to a goal cell: the path and the destination, or idle on failure.
  void TrouverTrajet(int XBut, int YBut) override;
  // The same, telling whether a path was found.
  bool ChercherTrajet(int XBut, int YBut);
  void AssignerTache(TACHE tache, cSprite* pCible) override;
  void Progress() override;
  void Fight() override;
  void SignalUnderAttack(cSprite* attacker) override;
  void SetModeAggressivity(MODE_AGGRESSIVITY m) override { ModeAggressivity = m; }
  MODE_AGGRESSIVITY GetModeAggressivity() override { return ModeAggressivity; }
  cWeapon* GetWeapon() override { return myweapon; }
  void OublierCible(cSprite* p) override;
  cSprite* GetActualTarget() override { return ActualTarget; }
  void StopAttack() override;
  void GetPositionPixel(int& x, int& y) override;
  // The walking unit's block of the debug dump (debug/Ddebug_Sprites.cpp).
  void DebugDump1(LogFile& log) override;

  // Puts the unit on a cell, standing.
  void SetPosition(int px, int py);
  // The walk to the current destination again (the next cell was blocked).
  void RecalculerTrajet();
  // Sets off for a cell; false, and idle with no task, when no path leads there.
  bool WalkTo(int x, int y);
  // On the ring of the rectangle (or in it), standing on a cell, and more
  // than `pause` ms after its last step.
  bool ArrivedNextTo(int x, int y, int w, int h, long long pause) const;

  int XObjectif;
  int YObjectif;
  cSprite* ActualTarget = nullptr;
  DWORD dwLastMove;
  int CurrentStep = 0;  // 0..15 within a move from one cell to the next
  std::array<PathCell, kPathLength> Trajet;
  cWeapon* myweapon;
  DIRECTION CurrentDirection = DIR_NONE;
  int PixelX;
  int PixelY;
  DWORD dwLastAttack = 0;
  bool EnZoneAttack = false;
  MODE_AGGRESSIVITY ModeAggressivity;

 private:
  // A rectangle of cells: top-left cell and size.
  struct Zone {
    int x, y, w, h;
  };
  // The aggressive unit's look around for an enemy.
  void SeekEnemy();
  void ProgressAttack();
  void ApproachInMelee(const Zone& target);
  void ApproachInRange(const Zone& target);
  // The weapon's mode; a unit without a weapon has none that is valid.
  MODE_ATTACK AttackMode() const;
  void Strike();
  void Flee(cSprite* attacker);
  // Walks to the free cell of the zone's ring nearest to the unit.
  void WalkNextTo(const Zone& zone);
};

// The frame of a unit's block to draw: block column rx (0..2), row ry (0..7).
void FindPositionOntoBitmap(DIRECTION CurrentDirection, int CurrentStep, int& rx, int& ry);

class cArcher : public cHumanoide {
 public:
  cArcher(int px, int py);
};

class cSoldier : public cHumanoide {
 public:
  cSoldier(int px, int py);
};

class cOrcSoldier : public cHumanoide {
 public:
  cOrcSoldier(int px, int py);
};

class cOrcArcher : public cHumanoide {
 public:
  cOrcArcher(int px, int py);
};
