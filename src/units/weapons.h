// The four weapons (how hard and how often a unit or tower hits, and whether
// it strikes or shoots) and the projectiles in flight.
#pragma once

#include <string>

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
