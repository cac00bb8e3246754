// Workers: construction and their saved places.
#include "units/cPaysan.h"

#include "ui/edit.h"
#include "world/Saveload.h"

cPaysan::cPaysan(int px, int py, int XHall, int YHall, RACE race, cDescEdit* pDesc, cDefUnit* pDef)
    : cHumanoide(race, px, py, pDesc, pDef, WeaponOfType(CIMITAR), FUITE),
      XHall(XHall),
      YHall(YHall) {}

// Harvesting and building come with the unit behaviour.
void cPaysan::Ordonner(TACHE, cDefUnit*, int, int) {}
void cPaysan::AffecterTravail(TACHE, int, int, cSprite*) {}
void cPaysan::Construction(cDefUnit*) {}
void cPaysan::Progress() {}
void cPaysan::PreparerMission() {
  cSprite::PreparerMission();
}
void cPaysan::SignalSpriteRemoved(cSprite*) {}
void cPaysan::SignalSpriteAdded(cSprite*) {}

void cPaysan::GetPositions(int& XMine, int& YMine, int& XWood, int& YWood, int& XTown, int& YTown) {
  XMine = Xmine;
  YMine = Ymine;
  XWood = XBois;
  YWood = YBois;
  XTown = XHall;
  YTown = YHall;
}

void cPaysan::Save(FILE* File) {
  cSprite::Save(File);
  for (int value : {Xmine, Ymine, XBois, YBois, XHall, YHall}) WriteInt32(File, value);
  LogWorkerPlaces(Xmine, Ymine, XBois, YBois, XHall, YHall);
}

void cPaysan::Read(FILE* File) {
  cSprite::Read(File);
  for (int* value : {&Xmine, &Ymine, &XBois, &YBois, &XHall, &YHall}) ReadInt32(File, *value);
  LogReadWorkerPlaces(Xmine, Ymine, XBois, YBois, XHall, YHall);
}

cPeon::cPeon(int px, int py, int XHall, int YHall)
    : cPaysan(px, py, XHall, YHall, HUMAN, DescEditOf(PAYSA), GetDefUnit(PAYSA)) {}

cOrcPeon::cOrcPeon(int px, int py, int XHall, int YHall)
    : cPaysan(px, py, XHall, YHall, ORC, DescEditOf(OPAYS), GetDefUnit(OPAYS)) {}
