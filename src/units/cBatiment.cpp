// Buildings: construction, drawing, the tower's target, temple owners.
#include "units/cBatiment.h"

#include "frame/dix.h"
#include "frame/logfile.h"
#include "ui/edit.h"
#include "ui/zone_game.h"
#include "units/combat.h"
#include "world/decors.h"

namespace {

// The tower answers a mode that is none of the four, so that orders that act
// on aggressive sprites leave it alone.
constexpr MODE_AGGRESSIVITY kTowerMode = static_cast<MODE_AGGRESSIVITY>(4);

int FullHitPoints(DECOR kind) {
  const cDefUnit* def = GetDefUnit(kind);
  return def ? def->PointsDeVieMax : 0;
}

}  // namespace

cBatiment::cBatiment(RACE race, int px, int py, cDescEdit* pDesc, int PointsDeVie, cDefUnit* pDef)
    : cSprite(race, px, py, pDesc, pDef), dwDebutProduction(GetTickCount()) {
  this->PointsDeVie = PointsDeVie;
}

void cBatiment::Afficher() {
  const int view_x = scroll_x / kCellSize, view_y = scroll_y / kCellSize;
  if (Px < view_x - 2 || Px >= view_x + 18 || Py < view_y - 2 || Py >= view_y + 17) return;
  const int width = kCellSize * pDef->Largeur, height = kCellSize * pDef->Hauteur;
  RECT dest{kCellSize * Px - scroll_x + 96, kCellSize * Py - scroll_y + 96, 0, 0};
  dest.right = dest.left + width;
  dest.bottom = dest.top + height;
  const int column = pDef->XImage + PictureColumnOffset();
  RECT source{kBuildingPitch * column + 1, kBuildingPitch * pDef->YImage + 1, 0, 0};
  source.right = source.left + width;
  source.bottom = source.top + height;
  ReportDXError(DrawFailureLabel(),
                virtual_surface->Blt(&dest, pDef->pSurface, &source, DDBLT_WAIT, nullptr));
}

cHall1::cHall1(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(HALL1), 1, GetDefUnit(HALL1)) {}
cHall2::cHall2(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(HALL2), 1, GetDefUnit(HALL2)) {}
cHall3::cHall3(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(HALL3), 1, GetDefUnit(HALL3)) {}
cBarrack::cBarrack(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(BARRA), 1, GetDefUnit(BARRA)) {}
cFerme::cFerme(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(FERME), 1, GetDefUnit(FERME)) {}
cScier::cScier(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(SCIER), 1, GetDefUnit(SCIER)) {}
cForge::cForge(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(FORGE), 1, GetDefUnit(FORGE)) {}
cEtabl::cEtabl(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(ETABL), 1, GetDefUnit(ETABL)) {}
cEglis::cEglis(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(EGLIS), 1, GetDefUnit(EGLIS)) {}
cInven::cInven(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(INVEN), 1, GetDefUnit(INVEN)) {}
cMageh::cMageh(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(MAGEH), 1, GetDefUnit(MAGEH)) {}

cOrcHall::cOrcHall(int px, int py)
    : cBatiment(ORC, px, py, DescEditOf(OHALL), FullHitPoints(OHALL), GetDefUnit(OHALL)) {}
cOrcBarrack::cOrcBarrack(int px, int py)
    : cBatiment(ORC, px, py, DescEditOf(OBARR), FullHitPoints(OBARR), GetDefUnit(OBARR)) {}
cOrcFerme::cOrcFerme(int px, int py)
    : cBatiment(ORC, px, py, DescEditOf(OFARM), FullHitPoints(OFARM), GetDefUnit(OFARM)) {}
cMineOr::cMineOr(int px, int py)
    : cBatiment(NEUTRE, px, py, DescEditOf(MINEO), FullHitPoints(MINEO), GetDefUnit(MINEO)) {}

cWarTower::cWarTower(int px, int py, cWeapon* weapon)
    : cBatiment(ORC, px, py, DescEditOf(WATOW), FullHitPoints(WATOW), GetDefUnit(WATOW)),
      pWeapon(weapon) {}

MODE_AGGRESSIVITY cWarTower::GetModeAggressivity() {
  return kTowerMode;
}

void cWarTower::OublierCible(cSprite* p) {
  if (pTarget == p) pTarget = nullptr;
}

void cWarTower::StopAttack() {
  if (pTarget) RetirerAttaquant(pTarget, this);
  pTarget = nullptr;
}

cTemple::cTemple(int px, int py, DECOR kind)
    : cBatiment(NEUTRE, px, py, DescEditOf(kind), FullHitPoints(kind), GetDefUnit(kind)) {}
cTempleAir::cTempleAir(int px, int py) : cTemple(px, py, T_AIR) {}
cTempleNature::cTempleNature(int px, int py) : cTemple(px, py, T_NAT) {}
cTempleFeu::cTempleFeu(int px, int py) : cTemple(px, py, T_FIR) {}

// Training, its payment and the tower's shots come with the unit behaviour.
void cBatiment::Progress() {}
void cHall1::Construction(cDefUnit*) {}
void cBarrack::Construction(cDefUnit*) {}
void cOrcHall::Construction(cDefUnit*, int, int) {}
void cOrcHall::SignalRemoval() {}
void cOrcBarrack::Construction(cDefUnit*, int, int) {}
void cOrcBarrack::SignalRemoval() {}
void cWarTower::Fight() {}
