// The weapons; projectiles come with the fighting.
#include "units/weapons.h"

#include <array>
#include <memory>

namespace {
std::array<std::unique_ptr<cWeapon>, 4> weapons;
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

void LaunchWeapon(cSprite*, cSprite*) {}

void ForgetSpriteInProjectiles(cSprite*) {}

void ClearProjectiles() {}

void AvancerProjectiles() {}

void AfficherProjectiles() {}
