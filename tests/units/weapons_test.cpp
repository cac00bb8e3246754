// Projectiles: the flight in pixel steps, hits and misses, deaths while a
// shot flies, the signal to the target, and the way an arrow points.
#include "units/weapons.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/world.h"
#include "units/combat.h"

namespace {

class Projectiles : public test::UnitsTest {
 protected:
  Projectiles() { tx_map = ty_map = 20; }
  ~Projectiles() override { ClearProjectiles(); }

  // One projectile step, a little more than a step interval after the last.
  void Step() {
    clock.Advance(2);
    AvancerProjectiles();
  }
  int StepsToLand() {
    int steps = 0;
    for (; projectile_list && steps < 1000; ++steps) Step();
    return steps;
  }
};

TEST_F(Projectiles, OverSixtyFourPixelsABallTakesSixteenStepsAndAnArrowEleven) {
  cHumanoide* gunner = Unit(HUMAN, ARCHE, 10, 5);
  gunner->myweapon = WeaponOfType(BOULET);
  cHumanoide* target = Unit(ORC, OGUER, 8, 5);
  const int full = target->PointsDeVie;
  LaunchWeapon(gunner, target);
  ASSERT_NE(dynamic_cast<cBoulet*>(projectile_list), nullptr);
  clock.Advance(1);  // not more than the step interval
  AvancerProjectiles();
  EXPECT_EQ(projectile_list->X, 336);
  for (int step = 0; step < 15; ++step) Step();
  ASSERT_NE(projectile_list, nullptr);
  EXPECT_EQ(std::tuple(projectile_list->X, target->PointsDeVie), std::tuple(336 - 60, full));
  Step();
  EXPECT_EQ(std::tuple(projectile_list, target->PointsDeVie), std::tuple(nullptr, full - 20));

  gunner->myweapon = WeaponOfType(ARROW);
  LaunchWeapon(gunner, target);
  const int steps = StepsToLand();
  EXPECT_EQ(std::tuple(steps, target->PointsDeVie), std::tuple(11, full - 25));
}

// A shot hits only a target standing where it stood when the shot was fired,
// and nothing of a target killed meanwhile, a newcomer on its cell included.
TEST_F(Projectiles, AnArrowMissesAUnitThatSteppedOffItsCellAndHitsOneThatCameBack) {
  cHumanoide* archer = Unit(HUMAN, ARCHE, 5, 5);
  cHumanoide* orc = Unit(ORC, OARCH, 8, 5);
  const int full = orc->PointsDeVie;
  for (int away : {0, 1}) {  // steps off and stays away, or comes back
    orc->SetPosition(8, 5);
    LaunchWeapon(archer, orc);
    Step();
    orc->SetPosition(8, 6);
    Step();
    orc->SetPosition(8, 6 - away);
    StepsToLand();
  }
  // Hit once, it answers the shooter.
  EXPECT_EQ(std::tie(orc->PointsDeVie, orc->ActualTarget), std::make_tuple(full - 5, archer));
  LaunchWeapon(archer, orc);
  Step();
  RemovecSprite(orc);
  cSprite* newcomer = Add(ORC, OGUER, 8, 5);
  StepsToLand();
  EXPECT_EQ(newcomer->PointsDeVie, newcomer->pDef->PointsDeVieMax);
}

TEST_F(Projectiles, OnlyATargetWithoutAttackersOrWithoutATargetOfItsOwnIsToldOfAHit) {
  cHumanoide* archer = Unit(HUMAN, ARCHE, 10, 10);
  cHumanoide* soldier = Unit(HUMAN, GUERR, 2, 2);
  cHumanoide* busy = Unit(ORC, OPAYS, 13, 10);       // attacked, and aims at someone
  cHumanoide* unwatched = Unit(ORC, OPAYS, 10, 13);  // aims at someone, nobody attacks it
  cHumanoide* idle = Unit(ORC, OPAYS, 7, 10);        // attacked, aims at nobody
  busy->AssignerTache(ATTACK, soldier);
  unwatched->AssignerTache(ATTACK, soldier);
  AjouterAttaquant(busy, archer);
  AjouterAttaquant(idle, archer);
  for (cHumanoide* worker : {busy, unwatched, idle}) LaunchWeapon(archer, worker);
  StepsToLand();
  // A worker that is told steps away from the shooter.
  EXPECT_EQ(std::tie(busy->Ordre, unwatched->Ordre, idle->Ordre),
            std::make_tuple(WAIT, GOTO, GOTO));
}

// The arrow's picture by the cosine of its angle, on either side of 0.924 and
// 0.383; a shot that goes up or level points up.
TEST_F(Projectiles, AnArrowPointsByTheCosineOfItsAngle) {
  cSprite* target = Add(ORC, OGUER, 10, 10);  // its centre at (336, 336)
  auto* arrow_weapon = static_cast<cWeaponProjectile*>(WeaponOfType(ARROW));
  const std::tuple<int, int, DIRECTION> cases[] = {
      {1000, 413, DIR_E},   {1000, -413, DIR_E},   {1000, 414, DIR_SE},  {1000, -414, DIR_NE},
      {1000, 2411, DIR_SE}, {1000, 2412, DIR_S},   {1000, -2412, DIR_N}, {-1000, -2411, DIR_NO},
      {-1000, 2412, DIR_S}, {-1000, 2411, DIR_SO}, {-1000, 414, DIR_SO}, {-1000, 413, DIR_O},
      {0, -5, DIR_N},       {0, 5, DIR_S}};
  for (const auto& [dx, dy, direction] : cases) {
    const cArrow arrow(arrow_weapon, 336 - dx, 336 - dy, nullptr, target);
    EXPECT_EQ(arrow.Direction, direction) << dx << "," << dy;
  }
}

}  // namespace
