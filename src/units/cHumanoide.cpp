// Walking units: construction, drawing and their target.
#include "units/cHumanoide.h"

#include "frame/dix.h"
#include "frame/logs.h"
#include "ui/edit.h"
#include "ui/zone_game.h"
#include "units/combat.h"
#include "world/decors.h"

namespace {

// Standing, stride, standing, other stride: four sub-steps each.
constexpr int kPoseOfPhase[4] = {0, 1, 0, 2};

}  // namespace

cHumanoide::cHumanoide(RACE race, int px, int py, cDescEdit* pDesc, cDefUnit* pDef,
                       cWeapon* myweapon, MODE_AGGRESSIVITY mode)
    : cSprite(race, px, py, pDesc, pDef),
      XObjectif(px),
      YObjectif(py),
      dwLastMove(GetTickCount()),
      myweapon(myweapon),
      PixelX(kCellSize * px),
      PixelY(kCellSize * py),
      ModeAggressivity(mode) {
  // The path holds bytes: a map is at most 128 cells, so any cell fits.
  Trajet.fill(PathCell{std::uint8_t(px), std::uint8_t(py)});
  if (!myweapon) Fatal_Errors << "sprites cHumanoide::cHumanoide(...) myweapon==NULL";
  Ordre = WAIT;
}

void FindPositionOntoBitmap(DIRECTION CurrentDirection, int CurrentStep, int& rx, int& ry) {
  if (CurrentDirection == DIR_NONE) {
    rx = ry = 0;
    return;
  }
  int base = 0;
  if (CurrentDirection >= DIR_NE && CurrentDirection <= DIR_N) {
    base = 3 * (CurrentDirection - 1);
  } else {
    Fatal_Errors << "cHumanoide void FindPositionOntoBitmap(DIRECTION CurrentDirection,int "
                    "CurrentStep,int &rx, int&ry) : CurrentDirection is not a valid direction";
  }
  const int frame = base + kPoseOfPhase[(CurrentStep / 4) & 3];
  rx = frame / 8;
  ry = frame % 8;
}

void cHumanoide::Afficher() {
  const int view_x = scroll_x / kCellSize, view_y = scroll_y / kCellSize;
  if (Px < view_x || Px >= view_x + 18 || Py < view_y || Py >= view_y + 17) return;
  int rx, ry;
  FindPositionOntoBitmap(CurrentDirection, CurrentStep, rx, ry);
  const int column = pDef->XImage + rx, row = pDef->YImage + ry;
  RECT source{kFramePitch * column + 1, kFramePitch * row + 1, kFramePitch * column + 51,
              kFramePitch * row + 51};
  RECT dest{PixelX - scroll_x + 91, PixelY - scroll_y + 82, 0, 0};
  dest.right = dest.left + kFrameSize;
  dest.bottom = dest.top + kFrameSize;
  ReportDXError(
      "sprites void cHumanoide::Afficher(void)",
      virtual_surface->Blt(&dest, pDef->pSurface, &source, DDBLT_WAIT | DDBLT_KEYSRC, nullptr));
}

void cHumanoide::AfficherInfos() {}

// Tasks, fighting and the reaction to a hit come with the unit behaviour.
void cHumanoide::Progress() {}
void cHumanoide::Fight() {}
void cHumanoide::SignalUnderAttack(cSprite*) {}

void cHumanoide::AssignerTache(TACHE tache, cSprite* pCible) {
  Tache = tache;
  if (tache == ATTACK && pCible) {
    ActualTarget = pCible;
    AjouterAttaquant(pCible, this);
  }
}

void cHumanoide::OublierCible(cSprite* p) {
  if (ActualTarget != p) return;
  ActualTarget = nullptr;
  EnZoneAttack = false;
  Tache = SANS_TACHE;
}

void cHumanoide::StopAttack() {
  if (Tache == ATTACK) Tache = SANS_TACHE;
  EnZoneAttack = false;
  if (ActualTarget) {
    RetirerAttaquant(ActualTarget, this);
    ActualTarget = nullptr;
  }
}

void cHumanoide::GetPositionPixel(int& x, int& y) {
  x = PixelX;
  y = PixelY;
}

void cHumanoide::SetPosition(int px, int py) {
  Px = px;
  Py = py;
  PixelX = kCellSize * px;
  PixelY = kCellSize * py;
}

cArcher::cArcher(int px, int py)
    : cHumanoide(HUMAN, px, py, DescEditOf(ARCHE), GetDefUnit(ARCHE), WeaponOfType(ARROW),
                 AGGRESSIVE) {}

cSoldier::cSoldier(int px, int py)
    : cHumanoide(HUMAN, px, py, DescEditOf(GUERR), GetDefUnit(GUERR), WeaponOfType(SWORD1),
                 AGGRESSIVE) {}

cOrcSoldier::cOrcSoldier(int px, int py)
    : cHumanoide(ORC, px, py, DescEditOf(OGUER), GetDefUnit(OGUER), WeaponOfType(SWORD1),
                 AGGRESSIVE) {}

cOrcArcher::cOrcArcher(int px, int py)
    : cHumanoide(ORC, px, py, DescEditOf(OARCH), GetDefUnit(OARCH), WeaponOfType(ARROW), REACTIVE) {
}
