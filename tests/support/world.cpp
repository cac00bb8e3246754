// Test support: a fresh world.
#include <gtest/gtest.h>

#include "support/world.h"
#include "ui/money.h"
#include "ui/selection.h"
#include "ui/zone_game.h"
#include "units/weapons.h"
#include "world/Init_Env.h"
#include "world/decors.h"
#include "world/map.h"

namespace test {

void PlayFrame(Clock& clock, int ms) {
  clock.Advance(std::uint64_t(ms));
  MoveSprites();
  WorldStep();
  AvancerProjectiles();
}

void GrassMap(int width, int height) {
  tx_map = width, ty_map = height;
  terrain_grid.fill(HERBE1);
  occupancy_grid.fill(nullptr);
}

void Occupy(int x, int y) {
  static cSprite* const stand_in = new cSprite(NEUTRE, 0, 0, nullptr, nullptr);
  occupancy_grid[CellIndex(x, y)] = stand_in;
}

void ResetWorldTo(int width, int height) {
  tx_map = ty_map = kMapCapacity;
  ResetWorld();
  tx_map = width, ty_map = height;
  Money = Wood = MoneyOrc = WoodOrc = scroll_x = scroll_y = current_mission = 0;
}

WorldTest::WorldTest() {
  InitWeapons();
  InitDefUnits();
  minimap_surface = surfaces.Make(kMapCapacity, kMapCapacity);
  minimap_compose_surface = surfaces.Make(kMapCapacity, kMapCapacity);
  mini_surface = surfaces.Make(6, 1);
  for (int c = 0; c < 6; ++c) mini_surface.get()->Pixels()[c] = std::uint16_t(c + 1);
  ResetWorldTo(kMapCapacity, kMapCapacity);
  Food = FoodNeeded = 0, pDefToPlace = nullptr;
}

WorldTest::~WorldTest() {
  PurgeSprites();
  ClearOccupancy();
  ClearSelection();
  FreeDefUnits();
  minimap_surface = minimap_compose_surface = mini_surface = nullptr;
}

cSprite* WorldTest::Add(RACE race, DECOR kind, int x, int y) {
  cSprite* s = AjouterSprite(race, kind, x, y);
  EXPECT_NE(s, nullptr) << GetStringFromDECOR(kind);
  return s;
}

std::vector<cSprite*> WorldTest::List(RACE race) {
  std::vector<cSprite*> sprites;
  for (cSprite* s = sprite_lists[race]; s; s = s->pNext) sprites.push_back(s);
  return sprites;
}

}  // namespace test
