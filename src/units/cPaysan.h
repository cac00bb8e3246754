// The worker: harvests gold and wood for its side's hall and raises buildings.
#pragma once

#include "units/cHumanoide.h"

class cPaysan : public cHumanoide {
 public:
  cPaysan(int px, int py, int XHall, int YHall, RACE race, cDescEdit* pDesc, cDefUnit* pDef);

  // Only the two building tasks are orders; any other is reported and still taken.
  void Ordonner(TACHE ordre, cDefUnit* pToBuild, int px, int py) override;
  void AffecterTravail(TACHE tache, int px, int py, cSprite* pBatiment) override;
  // The player chose a building kind: it is placed by the next click on the map.
  void Construction(cDefUnit* unit) override;
  void Progress() override;
  // Its side's first hall, the nearest mine and the nearest forest edge.
  void PreparerMission() override;
  void SignalSpriteRemoved(cSprite* p) override;
  void SignalSpriteAdded(cSprite* p) override;
  void GetPositions(int& XMine, int& YMine, int& XBois, int& YBois, int& XHall,
                    int& YHall) override;
  // The worker's block of the debug dump (debug/Ddebug_Sprites.cpp).
  void DebugDump2(LogFile& log) override;
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

 private:
  // Tache takes a new value; a harvest it replaces is kept in TacheRecolte.
  void SetTache(TACHE tache);

  void Idle();
  bool TakeNearestMine();
  bool TakeNearestForest();
  void GoldCycle();
  void WoodCycle();
  void Build();
  void Rebuild();
  void Resume();

  // How long after its last step a harvesting worker counts as arrived.
  long long HarvestPause() const;
  bool HasHall() const { return XHall >= 0 && YHall >= 0; }
  void WalkBeside(int x, int y, int w, int h);
  void WalkToCell(int x, int y);
  void Deliver(int& treasury);
  bool StillInside();
  void CutAtForestEdge();

  void RaiseSite(const cDefUnit* def);
  void ComeOutOfSite();
  void LoseSite(cSprite* site);
  void LoseHall();

  // The worker's cell in the occupancy grid holds it.
  bool OnGrid() const;
  void StandAt(int x, int y);
};

class cPeon : public cPaysan {
 public:
  cPeon(int px, int py, int XHall, int YHall);
};

class cOrcPeon : public cPaysan {
 public:
  cOrcPeon(int px, int py, int XHall, int YHall);
};
