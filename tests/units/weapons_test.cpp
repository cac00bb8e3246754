// Projectiles: the flight in pixel steps, hits and misses, deaths while a
// shot flies, the signal to the target, and the arrow's picture.
#include "units/weapons.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

#include "frame/ddutil.h"
#include "support/world.h"
#include "ui/zone_game.h"
#include "units/cHumanoide.h"
#include "units/combat.h"
#include "world/decors.h"

namespace {

class Projectiles : public test::WorldTest {
 protected:
  Projectiles() { tx_map = ty_map = 20; }
  ~Projectiles() override { ClearProjectiles(); }

  cHumanoide* Unit(RACE race, DECOR kind, int x, int y) {
    return static_cast<cHumanoide*>(Add(race, kind, x, y));
  }
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

  test::Clock clock;
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
  EXPECT_EQ(projectile_list->X, 336 - 60);
  EXPECT_EQ(target->PointsDeVie, full);
  Step();
  EXPECT_EQ(projectile_list, nullptr);
  EXPECT_EQ(target->PointsDeVie, full - 20);

  gunner->myweapon = WeaponOfType(ARROW);
  LaunchWeapon(gunner, target);
  EXPECT_EQ(StepsToLand(), 11);
  EXPECT_EQ(target->PointsDeVie, full - 25);
}

TEST_F(Projectiles, AShotFollowsItsLineAndLandsOnlyPastThePointOnBothAxes) {
  LaunchWeapon(Add(HUMAN, ARCHE, 2, 2), Add(ORC, OGUER, 6, 4));  // 128 across, 64 down
  cProjectile* arrow = projectile_list;
  std::vector<std::pair<int, int>> path;
  for (int step = 0; step < 4; ++step) {
    Step();
    path.emplace_back(arrow->X, arrow->Y);
  }
  // The minor axis moves a whole step whenever the error is not negative.
  EXPECT_EQ(path, (std::vector<std::pair<int, int>>{{86, 86}, {92, 86}, {98, 92}, {104, 92}}));
  EXPECT_EQ(StepsToLand(), 22 - 4);  // y is past its point a step before x
}

TEST_F(Projectiles, AnArrowMissesAUnitThatSteppedOffItsCellAndHitsOneThatCameBack) {
  cHumanoide* archer = Unit(HUMAN, ARCHE, 5, 5);
  cHumanoide* orc = Unit(ORC, OARCH, 8, 5);
  const int full = orc->PointsDeVie;
  LaunchWeapon(archer, orc);
  orc->SetPosition(8, 6);
  StepsToLand();
  EXPECT_EQ(std::tie(orc->PointsDeVie, orc->ActualTarget), std::make_tuple(full, nullptr));

  orc->SetPosition(8, 5);
  LaunchWeapon(archer, orc);
  Step();
  orc->SetPosition(8, 6);
  Step();
  orc->SetPosition(8, 5);
  StepsToLand();
  // Hit, it answers the shooter.
  EXPECT_EQ(std::tie(orc->PointsDeVie, orc->ActualTarget), std::make_tuple(full - 5, archer));
}

TEST_F(Projectiles, AShotAtATargetKilledMeanwhileDoesNoHarmToANewcomerOnItsCell) {
  cHumanoide* archer = Unit(HUMAN, ARCHE, 5, 5);
  cSprite* orc = Add(ORC, OGUER, 8, 5);
  LaunchWeapon(archer, orc);
  Step();
  RemovecSprite(orc);
  cSprite* newcomer = Add(ORC, OGUER, 8, 5);
  archer->AssignerTache(ATTACK, newcomer);
  StepsToLand();
  EXPECT_EQ(newcomer->PointsDeVie, newcomer->pDef->PointsDeVieMax);
  EXPECT_EQ(archer->ActualTarget, newcomer);
}

TEST_F(Projectiles, AKillStopsTheShooterWhateverItAimsAtNowAndAShotOutlivesItsShooter) {
  cHumanoide* archer = Unit(HUMAN, ARCHE, 5, 5);
  cHumanoide* orc = Unit(ORC, OARCH, 8, 5);
  cSprite* other = Add(HUMAN, GUERR, 8, 8);
  const int full = orc->PointsDeVie;
  archer->AssignerTache(ATTACK, orc);
  LaunchWeapon(archer, orc);
  LaunchWeapon(orc, archer);
  orc->AssignerTache(ATTACK, other);
  archer->PointsDeVie = 5;
  EXPECT_EQ(StepsToLand(), 16);  // both land in one step, the newer first
  EXPECT_EQ(List(HUMAN), std::vector<cSprite*>{other});
  EXPECT_EQ(orc->ActualTarget, nullptr);
  EXPECT_EQ(other->ListOfPeopleWhoAttackMe, nullptr);
  EXPECT_EQ(orc->PointsDeVie, full - 5);  // the dead archer's arrow still hurts
  EXPECT_EQ(orc->Tache, SANS_TACHE);      // and names nobody to answer
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

TEST_F(Projectiles, AnArrowShotStraightDownShowsTheSPictureWithoutItsKeyColour) {
  virtual_surface = surfaces.Make(kVirtualSide, kVirtualSide);
  little_sprites_surface = surfaces.Make(128, 16);
  IDirectDrawSurface* sheet = little_sprites_surface.get();
  auto source = [&](int x, int y) -> std::uint16_t& {
    return sheet->Pixels()[y * sheet->PitchPixels() + x];
  };
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 128; ++x) source(x, y) = std::uint16_t(1 + x + 128 * y);
  }
  source(0, 0) = source(22, 5) = 0xF81F;
  DDSetColorKey(little_sprites_surface, CLR_INVALID);
  LaunchWeapon(Add(HUMAN, ARCHE, 5, 2), Add(ORC, OGUER, 5, 6));
  Step();
  scroll_x = 32;
  AfficherProjectiles();

  const IDirectDrawSurface* view = virtual_surface.get();
  int drawn = 0;
  for (int y = 0; y < view->Height(); ++y) {
    for (int x = 0; x < view->Width(); ++x) drawn += view->PixelAt(x, y) != 0;
  }
  EXPECT_EQ(drawn, 6 * 12 - 1);
  const int left = 176 - 32 + 96, top = 86 + 96;  // one step of 6 pixels down
  EXPECT_EQ(view->PixelAt(left, top), source(21, 1));
  EXPECT_EQ(view->PixelAt(left + 5, top + 11), source(26, 12));
  EXPECT_EQ(view->PixelAt(left + 1, top + 4), 0);
  virtual_surface = little_sprites_surface = nullptr;
}

}  // namespace
