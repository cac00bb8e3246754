// Everything of several cells that does not walk: halls, barracks, farms and
// the other buildings, the gold mine, the temples and the orc defence tower.
#pragma once

#include <cstdint>

#include "units/weapons.h"
#include "world/sprites.h"

constexpr int kBuildingPitch = 129;  // pixels between two pictures in a building sheet

class cBatiment : public cSprite {
 public:
  cBatiment(RACE race, int px, int py, cDescEdit* pDesc, int PointsDeVie, cDefUnit* pDef);

  void Afficher() override;
  // Training: one percent per production interval, then the unit comes out
  // on the first free cell around the building and is paid for.
  void Progress() override;

  cDefUnit* pDefEnConstruction = nullptr;  // the unit in training
  std::uint8_t Progression = 0;            // 0..100
  DWORD dwDebutProduction;
  int XRally = 0, YRally = 0;  // where a unit trained for the orc side walks

 protected:
  // A trainer asked for a second unit logs it under its own signature.
  bool RefuseWhileTraining(const char* signature);
  // Nothing is paid before the unit comes out.
  void StartTraining(cDefUnit* unit, TACHE task);
  // The message line of the kind's panel.
  void ShowPanelMessage(const char* text, int x, int y);
  // The column of the picture in the sheet, beyond the kind's own.
  virtual int PictureColumnOffset() const { return 0; }
  virtual const char* DrawFailureLabel() const {
    return "sprites void cBatiment::Afficher(void) 001";
  }

 private:
  void AfficherBarre();
  void SortirUnite();
  void Payer(const cDefUnit* unit);
};

// Human buildings start at 1 hit point: a worker raises them.
class cHall1 : public cBatiment {
 public:
  cHall1(int px, int py);
  void Construction(cDefUnit* unit) override;
};
class cHall2 : public cBatiment {
 public:
  cHall2(int px, int py);
};
class cHall3 : public cBatiment {
 public:
  cHall3(int px, int py);
};
class cBarrack : public cBatiment {
 public:
  cBarrack(int px, int py);
  void Construction(cDefUnit* unit) override;
};
class cFerme : public cBatiment {
 public:
  cFerme(int px, int py);
};
class cScier : public cBatiment {
 public:
  cScier(int px, int py);
};
class cForge : public cBatiment {
 public:
  cForge(int px, int py);
};
class cEtabl : public cBatiment {
 public:
  cEtabl(int px, int py);
};
class cEglis : public cBatiment {
 public:
  cEglis(int px, int py);
};
class cInven : public cBatiment {
 public:
  cInven(int px, int py);
};
class cMageh : public cBatiment {
 public:
  cMageh(int px, int py);
};

// Orc and neutral objects start complete.
// The orc hall and barrack train units for their side's rebuilding.
class cOrcTrainer : public cBatiment {
 public:
  void Construction(cDefUnit* unit, int px, int py) override;
  void SignalRemoval() override;

 protected:
  cOrcTrainer(int px, int py, DECOR kind, const char* busy_label);

 private:
  const char* busy_label_;  // what a request while training logs
};
class cOrcHall : public cOrcTrainer {
 public:
  cOrcHall(int px, int py);
};
class cOrcBarrack : public cOrcTrainer {
 public:
  cOrcBarrack(int px, int py);
};
class cOrcFerme : public cBatiment {
 public:
  cOrcFerme(int px, int py);
};
class cMineOr : public cBatiment {
 public:
  cMineOr(int px, int py);
};

class cWarTower : public cBatiment {
 public:
  cWarTower(int px, int py, cWeapon* weapon);

  void Fight() override;
  MODE_AGGRESSIVITY GetModeAggressivity() override;
  cWeapon* GetWeapon() override { return pWeapon; }
  void OublierCible(cSprite* p) override;
  cSprite* GetActualTarget() override { return pTarget; }
  void StopAttack() override;
  // The tower's block of the debug dump (debug/Ddebug_Sprites.cpp).
  void DebugDump2(LogFile& log) override;

  DWORD dwLastShot = 0;
  cWeapon* pWeapon;
  cSprite* pTarget = nullptr;
};

// A temple shows the side that owns it.
class cTemple : public cBatiment {
 public:
  cTemple(int px, int py, DECOR kind);

  void SetOwner(RACE race) override { Owner = race; }
  RACE GetOwner() override { return Owner; }

  RACE Owner = NEUTRE;

 protected:
  int PictureColumnOffset() const override { return Owner; }
  const char* DrawFailureLabel() const override { return "sprites void cBatiment::Afficher(void)"; }
};
class cTempleAir : public cTemple {
 public:
  cTempleAir(int px, int py);
};
class cTempleNature : public cTemple {
 public:
  cTempleNature(int px, int py);
};
class cTempleFeu : public cTemple {
 public:
  cTempleFeu(int px, int py);
};
