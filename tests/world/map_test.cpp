// The explored area around human sprites, and the minimap's colours.
#include "world/map.h"

#include <gtest/gtest.h>

#include "support/world.h"
#include "world/decors.h"

namespace {

using Explored = test::WorldTest;

// The explored cells, as the rectangle that holds them and their number.
struct Area {
  int x0 = 999, y0 = 999, x1 = -1, y1 = -1, cells = 0;
  bool operator==(const Area&) const = default;
};

Area ExploredArea() {
  Area a;
  for (int x = 0; x < kMapCapacity; ++x) {
    for (int y = 0; y < kMapCapacity; ++y) {
      if (!Zone_Connue[CellIndex(x, y)]) continue;
      a = {std::min(a.x0, x), std::min(a.y0, y), std::max(a.x1, x), std::max(a.y1, y), a.cells + 1};
    }
  }
  return a;
}

std::uint16_t MiniPixel(LPDIRECTDRAWSURFACE surface, int x, int y) {
  return surface.get()->PixelAt(x, y);
}

// A human opens a square of its view range around its footprint, cut by the
// map's edge; orcs and neutrals open nothing.
TEST_F(Explored, HumansOpenTheirViewRangeCutByTheMapEdge) {
  Add(ORC, OHALL, 30, 30);
  Add(ORC, OGUER, 40, 40);
  Add(NEUTRE, MINEO, 50, 50);
  EXPECT_EQ(ExploredArea().cells, 0);
  Add(HUMAN, PAYSA, 10, 10);
  EXPECT_EQ(ExploredArea(), (Area{7, 7, 13, 13, 49}));
  ResetMap();
  Add(HUMAN, HALL1, 0, 0);
  EXPECT_EQ(ExploredArea(), (Area{0, 0, 8, 8, 81}));
  tx_map = ty_map = 20;
  ResetMap();
  Add(HUMAN, GUERR, 19, 19);
  EXPECT_EQ(ExploredArea(), (Area{16, 16, 19, 19, 16}));
}

// The colour strip's pixel i shows here as the value i + 1: on the ground
// layer, explored grass, explored forest, any other explored ground and
// unexplored; on the objects' layer, humans, orcs and neutrals explored,
// the whole of a building of which one cell is.
TEST_F(Explored, TheMinimapShowsExploredGroundForestAndObjects) {
  terrain_grid[CellIndex(9, 10)] = BOIS05;
  terrain_grid[CellIndex(11, 10)] = DECOR_44;
  Add(HUMAN, GUERR, 10, 10);   // explores 7..13
  Add(ORC, OHALL, 13, 5);      // one footprint cell (13, 7) explored
  Add(ORC, OGUER, 40, 40);     // unexplored
  Add(NEUTRE, MINEO, 60, 60);  // unexplored
  AfficherListeMiniMap();
  EXPECT_EQ((std::array{MiniPixel(minimap_surface, 10, 11), MiniPixel(minimap_surface, 9, 10),
                        MiniPixel(minimap_surface, 11, 10), MiniPixel(minimap_surface, 20, 20)}),
            (std::array<std::uint16_t, 4>{2, 3, 1, 1}));
  EXPECT_EQ(
      (std::array{
          MiniPixel(minimap_compose_surface, 10, 10), MiniPixel(minimap_compose_surface, 16, 5),
          MiniPixel(minimap_compose_surface, 40, 40), MiniPixel(minimap_compose_surface, 60, 60)}),
      (std::array<std::uint16_t, 4>{4, 6, 0, 0}));
}

}  // namespace
