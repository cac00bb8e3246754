// The four weapons (how hard and how often a unit or tower hits, and whether
// it strikes or shoots) and the projectiles in flight.
#pragma once

#include <string>

#include "platform/win32.h"
#include "world/sprites_names.h"

class cSprite;

enum TYPE_WEAPON : int { BOULET = 0, ARROW = 1, CIMITAR = 2, SWORD1 = 3 };

class cWeaponProjectile;

class cWeapon {
 public:
  cWeapon(TYPE_WEAPON type, MODE_ATTACK mode, unsigned frequency, int power, const char* name)
      : Type(type), ModeAttack(mode), frequency(frequency), Power(power), name(name) {}
  virtual ~cWeapon() = default;

  // Null for a melee weapon, the weapon itself for one that shoots.
  virtual cWeaponProjectile* GetProjectileWeapon() { return nullptr; }
  // In cells; -1 for a melee weapon.
  virtual int GetRange() { return -1; }

  TYPE_WEAPON Type;
  MODE_ATTACK ModeAttack;
  unsigned frequency;  // ms between two blows or shots
  int Power;           // hit points taken per blow or hit
  std::string name;
};

class cWeaponSword : public cWeapon {
 public:
  using cWeapon::cWeapon;
};

class cWeaponProjectile : public cWeapon {
 public:
  struct Flight {
    unsigned step_interval;           // ms between two flight steps
    int speed;                        // pixels per flight step
    int src_x, src_y, width, height;  // picture in the projectile sheet
    int range;                        // cells
  };
  cWeaponProjectile(TYPE_WEAPON type, unsigned frequency, int power, const char* name,
                    const Flight& flight);

  cWeaponProjectile* GetProjectileWeapon() override { return this; }
  int GetRange() override { return Range; }

  unsigned StepInterval;
  int Speed;
  int SrcX, SrcY, Width, Height;
  TYPE_WEAPON TypeProjectile;
  int Range;
};

// A shot in flight: it moves in a straight line, Speed pixels per step, from
// the launcher's centre to the point where the target's centre stood when it
// was fired, and hits only a target still standing on that cell.
class cProjectile {
 public:
  cProjectile(cWeaponProjectile* weapon, int x0, int y0, cSprite* launcher, cSprite* target);
  cProjectile(const cProjectile&) = delete;
  cProjectile& operator=(const cProjectile&) = delete;
  virtual ~cProjectile() = default;

  virtual void Afficher();
  // One flight step; true when the projectile is spent (hit or miss).
  virtual bool Avancer();

  cProjectile* pNextProjectile = nullptr;
  cProjectile* pPrevProjectile = nullptr;
  DWORD dwLastStep;
  cWeaponProjectile* pWeapon;
  int X, Y;  // map pixels
  cSprite* pCible;
  cSprite* pLanceur;
  int XCible, YCible;    // the target point, map pixels
  int PxCible, PyCible;  // the target's cell when it was fired
  // The line from the start to the target point.
  int Dx, Dy, AbsDx, AbsDy, StepX, StepY, TwoAbsDx, TwoAbsDy, Err;

 protected:
  // The picture at the projectile's place, when it lies in the game view.
  void Draw(RECT source, const char* context);

 private:
  bool HasArrived() const;
  void Hit();
};

// The tower's cannon ball, drawn with its weapon's picture.
class cBoulet : public cProjectile {
 public:
  using cProjectile::cProjectile;
};

// An arrow, drawn pointing the way it flies.
class cArrow : public cProjectile {
 public:
  cArrow(cWeaponProjectile* weapon, int x0, int y0, cSprite* launcher, cSprite* target);
  void Afficher() override;

  DIRECTION Direction;
};

// The projectiles in flight, newest first.
extern cProjectile* projectile_list;

// Creates the four weapons.
void InitWeapons();
// A weapon by its type; null before InitWeapons.
cWeapon* WeaponOfType(TYPE_WEAPON type);

// Fires the launcher's weapon at the target.
void LaunchWeapon(cSprite* Launcher, cSprite* Target);
// Every projectile in flight forgets the sprite, as target and as launcher.
void ForgetSpriteInProjectiles(cSprite* sprite);
// Deletes every projectile in flight.
void ClearProjectiles();
// One flight step for every projectile (the world step).
void AvancerProjectiles();
// Draws the projectiles in flight.
void AfficherProjectiles();
