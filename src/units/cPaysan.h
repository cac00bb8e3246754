// The worker: harvests gold and wood for its side's hall and raises buildings.
#pragma once

#include "units/cHumanoide.h"

class cPaysan : public cHumanoide {
 public:
  cPaysan(int px, int py, int XHall, int YHall, RACE race, cDescEdit* pDesc, cDefUnit* pDef);

  void Ordonner(TACHE ordre, cDefUnit* pToBuild, int px, int py) override;
  void AffecterTravail(TACHE tache, int px, int py, cSprite* pBatiment) override;
  void Construction(cDefUnit* unit) override;
  void Progress() override;
  void PreparerMission() override;
  void SignalSpriteRemoved(cSprite* p) override;
  void SignalSpriteAdded(cSprite* p) override;
  void GetPositions(int& XMine, int& YMine, int& XBois, int& YBois, int& XHall,
                    int& YHall) override;
  void Save(FILE* File) override;
  void Read(FILE* File) override;

  int Xmine = 0, Ymine = 0;  // the gold mine it works
  int XBois = 0, YBois = 0;  // the forest cell ordered, then the edge it cuts from
  int XHall, YHall;          // its town hall; -1, -1 once an orc hall is gone
  int XBuild = 0, YBuild = 0;
  bool charge = false;  // carrying a load
  bool InMine = false;  // inside the mine, or cutting wood
  bool InHall = true;   // inside the hall delivering
  DWORD dwInside = 0;
  cDefUnit* pToBuild = nullptr;
  cSprite* pBatimentEnConstruction = nullptr;
  TACHE TacheRecolte = SANS_TACHE;  // the harvest to go back to
};

class cPeon : public cPaysan {
 public:
  cPeon(int px, int py, int XHall, int YHall);
};

class cOrcPeon : public cPaysan {
 public:
  cOrcPeon(int px, int py, int XHall, int YHall);
};
