// Walking units: construction, drawing, tasks, fighting and the reaction to a
// hit.
#include "units/cHumanoide.h"

#include "frame/dix.h"
#include "frame/logs.h"
#include "frame/ticks.h"
#include "ui/edit.h"
#include "ui/zone_game.h"
#include "units/combat.h"
#include "world/decors.h"
#include "world/util.h"

namespace {

// Standing, stride, standing, other stride: four sub-steps each.
constexpr int kPoseOfPhase[4] = {0, 1, 0, 2};

// An aggressive unit looks around for enemies at most this often.
constexpr DWORD kSearchPeriod = 500;  // ms

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

void cHumanoide::Progress() {
  switch (Tache) {
    case SANS_TACHE:
      SeekEnemy();
      return;
    case ATTACK:
      ProgressAttack();
      return;
    default:
      ErrorBanner("sprites  void cHumanoide::Progress() la tache ne peut pas etre traitee !");
  }
}

void cHumanoide::SeekEnemy() {
  if (ModeAggressivity != AGGRESSIVE || ActualTarget || Ordre == GOTO) return;
  const DWORD now = GetTickCount();
  if (TicksBetween(dwTimer, now) <= kSearchPeriod) return;
  cSprite* enemy = TrouverCible(this);
  dwTimer = now;
  if (enemy) AssignerTache(ATTACK, enemy);
}

void cHumanoide::ProgressAttack() {
  if (!ActualTarget) return;
  const Zone target{ActualTarget->Px, ActualTarget->Py, ActualTarget->pDef->Largeur,
                    ActualTarget->pDef->Hauteur};
  switch (AttackMode()) {
    case MODE_SWORD:
      ApproachInMelee(target);
      return;
    case MODE_PROJECTILE:
      ApproachInRange(target);
      return;
    default:
      ErrorBanner("sprites  void cHumanoide::Progress()  ModeAttack not valid !");
  }
}

// A fighter with a sword halts only standing on a cell next to the target,
// and goes after it when it steps away.
void cHumanoide::ApproachInMelee(const Zone& target) {
  const bool touching = IsAdjacent(Px, Py, target.x, target.y, target.w, target.h);
  if (EnZoneAttack) {
    if (touching) return;
    EnZoneAttack = false;
    WalkNextTo(target);
    return;
  }
  if (touching && CurrentStep == 0) {
    Ordre = WAIT;
    EnZoneAttack = true;
  } else if (Ordre == WAIT) {
    WalkNextTo(target);
  } else if (Ordre == GOTO &&
             !IsAdjacent(XObjectif, YObjectif, target.x, target.y, target.w, target.h)) {
    WalkNextTo(target);
  }
}

// A shooter halts as soon as its cell is within range of the target, even
// between two cells, and from then on shoots wherever the target goes.
void cHumanoide::ApproachInRange(const Zone& target) {
  const int range = myweapon->GetRange();
  if (range == -1) Fatal_Errors << "cHumanoide::Progrsee, range==-1\n";
  if (EnZoneAttack) return;
  const Zone shooting{target.x - range + 1, target.y - range + 1, target.w + 2 * range - 2,
                      target.h + 2 * range - 2};
  if (IsAdjacent(Px, Py, shooting.x, shooting.y, shooting.w, shooting.h)) {
    Ordre = WAIT;
    EnZoneAttack = true;
  } else if (Ordre == WAIT) {
    WalkNextTo(shooting);
  }
}

MODE_ATTACK cHumanoide::AttackMode() const {
  return myweapon ? myweapon->ModeAttack : MODE_NON_AGGRESSIVE;
}

void cHumanoide::WalkNextTo(const Zone& zone) {
  int x, y;
  TrouverPlaceProche(Px, Py, zone.x, zone.y, zone.w, zone.h, x, y);
  WalkTo(x, y);
}

// A failed path search leaves the unit idle with no task; sending it off
// then would walk it along the emptied path to the map's corner, so only a
// path found sets it going.
bool cHumanoide::WalkTo(int x, int y) {
  if (!ChercherTrajet(x, y)) return false;
  Ordre = GOTO;
  return true;
}

bool cHumanoide::ArrivedNextTo(int x, int y, int w, int h, long long pause) const {
  return IsAdjacent(Px, Py, x, y, w, h) && CurrentStep == 0 &&
         static_cast<long long>(TicksSince(dwLastMove)) > pause;
}

void cHumanoide::Fight() {
  if (!ActualTarget || Tache != ATTACK || !EnZoneAttack) return;
  const DWORD now = GetTickCount();
  const unsigned period = myweapon ? myweapon->frequency : 0;  // no weapon: reported below
  if (TicksBetween(dwLastAttack, now) <= period) return;
  switch (AttackMode()) {
    case MODE_SWORD:
      Strike();
      break;
    case MODE_PROJECTILE:
      LaunchWeapon(this, ActualTarget);  // the damage comes when the shot lands
      break;
    default:
      ErrorBanner("sprites void cHumanoide::Fight() ModeAttack not valid");
  }
  dwLastAttack = now;
}

void cHumanoide::Strike() {
  cSprite* target = ActualTarget;
  if (!target->Blesser(myweapon->Power)) {
    target->SignalUnderAttack(this);
    return;
  }
  RemovecSprite(target);  // tells every attacker in its list, this one too, to forget it
  // A unit missing from that list forgets it here, so that StopAttack never
  // reaches the removed sprite.
  if (ActualTarget == target) ActualTarget = nullptr;
  StopAttack();
}

void cHumanoide::SignalUnderAttack(cSprite* attacker) {
  switch (ModeAggressivity) {
    case FUITE:
      Flee(attacker);
      return;
    case PASSIVE:
    case AGGRESSIVE:
      return;  // an aggressive unit finds its enemies by its own search
    case REACTIVE:
      if (attacker && !ActualTarget && Ordre != GOTO) AssignerTache(ATTACK, attacker);
      return;
  }
  Fatal_Errors << "void cHumanoide::SignalUnderAttack() case default impossible\n";
}

// One cell away from the attacker, only for a unit standing at the end of its
// walk: a walking one keeps walking.
void cHumanoide::Flee(cSprite* attacker) {
  if (!attacker || Px != XObjectif || Py != YObjectif) return;
  int x, y;
  if (TrouverFuite(x, y, this, attacker)) WalkTo(x, y);
}

void cHumanoide::AssignerTache(TACHE tache, cSprite* pCible) {
  Tache = tache;
  if (tache != ATTACK) return;
  ActualTarget = pCible;
  if (pCible) AjouterAttaquant(pCible, this);
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
