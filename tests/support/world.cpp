// Test support: a fresh world, and the units' walks beside the literal flood.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

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

int WalkBackMessages() {
  const std::string message =
      "sprites void cHumanoide::TrouverTrajet(int XBut,int YBut) impossible de trouver un chemin "
      "002\n";
  const std::string log = ReadBytes("output/Fatal_Errors.txt");
  int n = 0;
  for (auto at = log.find(message); at != std::string::npos; at = log.find(message, at + 1)) ++n;
  return n;
}

bool WalksAsLiteral(cHumanoide& unit, int x, int y) {
  WalkState expected = WalkStateOf(unit);
  LiteralTrouverTrajet(expected, x, y);
  const int messages_before = WalkBackMessages();
  unit.TrouverTrajet(x, y);
  const auto entry = [](PathCell c) { return std::pair<int, int>(c.x, c.y); };
  for (int k = 0; k < kPathLength; ++k) {
    EXPECT_EQ(entry(unit.Trajet[k]), entry(expected.trajet[k])) << "entry " << k;
    if (entry(unit.Trajet[k]) != entry(expected.trajet[k])) break;
  }
  EXPECT_EQ(std::tie(unit.XObjectif, unit.YObjectif, unit.Tache, unit.Ordre),
            std::tie(expected.x_objectif, expected.y_objectif, expected.tache, expected.ordre));
  EXPECT_EQ(WalkBackMessages() - messages_before, expected.walk_back_gave_up ? 1 : 0);
  return unit.Tache != SANS_TACHE;
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
