// The weapons, and the projectiles they fire: their flight, hits and drawing.
#include "units/weapons.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "frame/logfile.h"
#include "frame/ticks.h"
#include "ui/zone_game.h"
#include "world/decors.h"
#include "world/sprites.h"

cProjectile* projectile_list = nullptr;

namespace {

std::array<std::unique_ptr<cWeapon>, 4> weapons;

constexpr const char* kLauncherMissing =
    "weapon void LaunchWeapon(TYPE_WEAPON Weapon,cSprite * Launcher,cSprite* Target)     "
    "Launcher==NULL";
constexpr const char* kTargetMissing =
    "weapon void LaunchWeapon(TYPE_WEAPON Weapon,cSprite * Launcher,cSprite* Target)     "
    "Target==NULL";
constexpr const char* kNoWeapon =
    "weapon void LaunchWeapon(TYPE_WEAPON Weapon,cSprite * Launcher,cSprite* Target)     "
    "Le launcher n'a pas d'arme declaree";

// The centre of a sprite's footprint, in map pixels.
int CentreX(const cSprite* s) {
  return kCellSize * s->Px + kCellSize * s->pDef->Largeur / 2;
}
int CentreY(const cSprite* s) {
  return kCellSize * s->Py + kCellSize * s->pDef->Hauteur / 2;
}

// The way an arrow flies, by the cosine of its angle with the x axis; "up"
// is any Dy below 1.
DIRECTION ArrowDirection(int dx, int dy) {
  const double length = std::sqrt(double(dx) * dx + double(dy) * dy);
  // A shot at its own start point has no angle: it counts as straight up.
  const double c = length > 0 ? dx / length : 0.0;
  const bool up = dy < 1;
  if (c >= 0.924) return DIR_E;
  if (c >= 0.383) return up ? DIR_NE : DIR_SE;
  if (c >= -0.383) return up ? DIR_N : DIR_S;
  if (c >= -0.924) return up ? DIR_NO : DIR_SO;
  return DIR_O;
}

// An arrow's picture in the projectile sheet, by direction (1 to 8).
constexpr RECT ArrowPicture(int x, int y, int width, int height) {
  return RECT{x, y, x + width, y + height};
}
constexpr std::array<RECT, 9> kArrowPictures{
    ArrowPicture(0, 0, 0, 0),    ArrowPicture(97, 4, 11, 11), ArrowPicture(48, 4, 13, 7),
    ArrowPicture(68, 3, 11, 11), ArrowPicture(21, 1, 6, 12),  ArrowPicture(112, 3, 11, 11),
    ArrowPicture(32, 4, 13, 7),  ArrowPicture(83, 4, 11, 11), ArrowPicture(13, 1, 6, 12)};

void PushProjectile(cProjectile* p) {
  p->pNextProjectile = projectile_list;
  if (projectile_list) projectile_list->pPrevProjectile = p;
  projectile_list = p;
}

void UnlinkProjectile(cProjectile* p) {
  (p->pPrevProjectile ? p->pPrevProjectile->pNextProjectile : projectile_list) = p->pNextProjectile;
  if (p->pNextProjectile) p->pNextProjectile->pPrevProjectile = p->pPrevProjectile;
}

}  // namespace

cWeaponProjectile::cWeaponProjectile(TYPE_WEAPON type, unsigned frequency, int power,
                                     const char* name, const Flight& flight)
    : cWeapon(type, MODE_PROJECTILE, frequency, power, name),
      StepInterval(flight.step_interval),
      Speed(flight.speed),
      SrcX(flight.src_x),
      SrcY(flight.src_y),
      Width(flight.width),
      Height(flight.height),
      TypeProjectile(type),
      Range(flight.range) {}

void InitWeapons() {
  weapons[BOULET] = std::make_unique<cWeaponProjectile>(
      BOULET, 2000, 20, "BOULET", cWeaponProjectile::Flight{1, 4, 1, 1, 4, 4, 2});
  // Arrows have pictures of their own, one per direction.
  weapons[ARROW] = std::make_unique<cWeaponProjectile>(
      ARROW, 1000, 5, "ARROW", cWeaponProjectile::Flight{1, 6, 1, 1, 4, 4, 3});
  weapons[CIMITAR] = std::make_unique<cWeaponSword>(CIMITAR, MODE_SWORD, 1000, 5, "CIMITAR");
  weapons[SWORD1] = std::make_unique<cWeaponSword>(SWORD1, MODE_SWORD, 3000, 30, "SWORD1");
}

cWeapon* WeaponOfType(TYPE_WEAPON type) {
  return type >= 0 && type < int(weapons.size()) ? weapons[std::size_t(type)].get() : nullptr;
}

cProjectile::cProjectile(cWeaponProjectile* weapon, int x0, int y0, cSprite* launcher,
                         cSprite* target)
    : dwLastStep(GetTickCount()),
      pWeapon(weapon),
      X(x0),
      Y(y0),
      pCible(target),
      pLanceur(launcher),
      XCible(CentreX(target)),
      YCible(CentreY(target)),
      PxCible(target->Px),
      PyCible(target->Py),
      Dx(XCible - x0),
      Dy(YCible - y0),
      AbsDx(std::abs(Dx)),
      AbsDy(std::abs(Dy)),
      StepX(Dx >= 0 ? weapon->Speed : -weapon->Speed),
      StepY(Dy >= 0 ? weapon->Speed : -weapon->Speed),
      TwoAbsDx(2 * AbsDx),
      TwoAbsDy(2 * AbsDy),
      Err(AbsDx > AbsDy ? 2 * AbsDy - AbsDx : 2 * AbsDx - AbsDy) {}

bool cProjectile::Avancer() {
  const DWORD now = GetTickCount();
  if (TicksBetween(dwLastStep, now) <= pWeapon->StepInterval) return false;
  dwLastStep = now;
  // A line step of Speed pixels along the major axis.
  if (AbsDx > AbsDy) {
    if (Err >= 0) {
      Err -= TwoAbsDx;
      Y += StepY;
    }
    Err += TwoAbsDy;
    X += StepX;
  } else {
    if (Err >= 0) {
      Err -= TwoAbsDy;
      X += StepX;
    }
    Err += TwoAbsDx;
    Y += StepY;
  }
  if (!HasArrived()) return false;
  // A target that died or stepped off its cell is missed.
  if (pCible && pCible->Px == PxCible && pCible->Py == PyCible) Hit();
  return true;
}

bool cProjectile::HasArrived() const {
  const bool x_reached = Dx >= 0 ? X >= XCible : X <= XCible;
  const bool y_reached = Dy >= 0 ? Y >= YCible : Y <= YCible;
  return x_reached && y_reached;
}

void cProjectile::Hit() {
  cSprite* target = pCible;
  if (target->Blesser(pWeapon->Power)) {
    RemovecSprite(target);  // every projectile forgets it, this one included
    if (pLanceur) pLanceur->StopAttack();
    return;
  }
  // A target with attackers and a target of its own is left to its fight.
  if (pLanceur && (!target->ListOfPeopleWhoAttackMe || !target->GetActualTarget())) {
    target->SignalUnderAttack(pLanceur);
  }
}

void cProjectile::Draw(RECT source, const char* context) {
  if (X < scroll_x || X >= scroll_x + kViewWidth || Y < scroll_y || Y >= scroll_y + kViewHeight) {
    return;
  }
  RECT dest{X - scroll_x + kViewMargin, Y - scroll_y + kViewMargin, 0, 0};
  dest.right = dest.left + (source.right - source.left);
  dest.bottom = dest.top + (source.bottom - source.top);
  ReportDXError(context, virtual_surface->Blt(&dest, little_sprites_surface, &source,
                                              DDBLT_WAIT | DDBLT_KEYSRC, nullptr));
}

void cProjectile::Afficher() {
  Draw(RECT{pWeapon->SrcX, pWeapon->SrcY, pWeapon->SrcX + pWeapon->Width,
            pWeapon->SrcY + pWeapon->Height},
       "weapons void cProjectile::Afficher()");
}

cArrow::cArrow(cWeaponProjectile* weapon, int x0, int y0, cSprite* launcher, cSprite* target)
    : cProjectile(weapon, x0, y0, launcher, target), Direction(ArrowDirection(Dx, Dy)) {}

void cArrow::Afficher() {
  Draw(kArrowPictures[std::size_t(Direction)], "weapons void cArrow::Afficher()");
}

void LaunchWeapon(cSprite* Launcher, cSprite* Target) {
  const char* missing = !Launcher ? kLauncherMissing : !Target ? kTargetMissing : nullptr;
  cWeapon* weapon = Launcher ? Launcher->GetWeapon() : nullptr;
  if (!missing && !weapon) missing = kNoWeapon;
  if (missing) {
    ErrorBanner(missing);
    return;
  }
  cWeaponProjectile* shot = weapon->GetProjectileWeapon();
  const int x0 = CentreX(Launcher), y0 = CentreY(Launcher);
  // Only a weapon that shoots has a flight; any other is of no known type here.
  if (shot && weapon->Type == BOULET) {
    PushProjectile(new cBoulet(shot, x0, y0, Launcher, Target));  // freed when spent
  } else if (shot && weapon->Type == ARROW) {
    PushProjectile(new cArrow(shot, x0, y0, Launcher, Target));
  } else {
    ErrorBanner("weapons LaunchWeapon unknown type of weapon");
  }
}

void ForgetSpriteInProjectiles(cSprite* sprite) {
  for (cProjectile* p = projectile_list; p; p = p->pNextProjectile) {
    if (p->pCible == sprite) p->pCible = nullptr;
    if (p->pLanceur == sprite) p->pLanceur = nullptr;
  }
}

void ClearProjectiles() {
  while (cProjectile* p = projectile_list) {
    projectile_list = p->pNextProjectile;
    delete p;
  }
}

void AvancerProjectiles() {
  SpriteWalk walk;  // a hit may remove a sprite that the world still walks past
  for (cProjectile* p = projectile_list; p;) {
    cProjectile* next = p->pNextProjectile;
    if (p->Avancer()) {
      UnlinkProjectile(p);
      delete p;
    }
    p = next;
  }
}

void AfficherProjectiles() {
  for (cProjectile* p = projectile_list; p; p = p->pNextProjectile) p->Afficher();
}
