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

TEST_F(Explored, AWorkerOpensASquareOfItsViewRangeOrcsAndNeutralsNothing) {
  Add(ORC, OHALL, 30, 30);
  Add(ORC, OGUER, 40, 40);
  Add(NEUTRE, MINEO, 50, 50);
  EXPECT_EQ(ExploredArea().cells, 0);
  Add(HUMAN, PAYSA, 10, 10);
  EXPECT_EQ(ExploredArea(), (Area{7, 7, 13, 13, 49}));
}

TEST_F(Explored, AHallOpensFiveCellsAroundItCutByTheMapEdge) {
  Add(HUMAN, HALL1, 0, 0);
  EXPECT_EQ(ExploredArea(), (Area{0, 0, 8, 8, 81}));
  tx_map = ty_map = 20;
  ResetMap();
  Add(HUMAN, GUERR, 19, 19);
  EXPECT_EQ(ExploredArea(), (Area{16, 16, 19, 19, 16}));
}

TEST_F(Explored, TheMinimapShowsExploredGroundForestAndNothingElse) {
  terrain_grid[CellIndex(4, 5)] = BOIS05;
  terrain_grid[CellIndex(6, 5)] = DECOR_44;
  Add(HUMAN, GUERR, 5, 5);
  // The colour strip's pixel i shows here as the value i + 1.
  EXPECT_EQ(MiniPixel(minimap_surface, 5, 6), 2);    // explored grass
  EXPECT_EQ(MiniPixel(minimap_surface, 4, 5), 3);    // explored forest
  EXPECT_EQ(MiniPixel(minimap_surface, 6, 5), 1);    // explored, another ground
  EXPECT_EQ(MiniPixel(minimap_surface, 20, 20), 1);  // unexplored
}

TEST_F(Explored, OnlyExploredEnemiesAndNeutralsShowOnTheMinimap) {
  Add(HUMAN, GUERR, 10, 10);   // explores 7..13
  Add(ORC, OHALL, 13, 5);      // one footprint cell (13, 7) explored
  Add(ORC, OGUER, 40, 40);     // unexplored
  Add(NEUTRE, MINEO, 60, 60);  // unexplored
  AfficherListeMiniMap();
  EXPECT_EQ(MiniPixel(minimap_compose_surface, 10, 10), 4);  // human
  EXPECT_EQ(MiniPixel(minimap_compose_surface, 16, 5), 6);   // the whole orc hall
  EXPECT_EQ(MiniPixel(minimap_compose_surface, 40, 40), 0);
  EXPECT_EQ(MiniPixel(minimap_compose_surface, 60, 60), 0);
}

TEST_F(Explored, SavingWithoutAFileIsReported) {
  Save_Zone_Connue(nullptr);
  Read_Zone_Connue(nullptr);
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "map void Save_Zone_Connue(FILE * File) File=NULL\n"
            "map void Save_Zone_Connue(FILE * File) File=NULL\n");
}

}  // namespace
