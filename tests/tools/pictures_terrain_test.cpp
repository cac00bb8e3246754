// The terrain tiles and the minimap colours: opaque tiles, and a colour
// strip that tells grass, forest and the three sides apart.
#include <gtest/gtest.h>

#include <set>

#include "pictures/palette.h"
#include "pictures/sheet_places.h"
#include "tools/drawn_sheets.h"

namespace {

using pictures::palette::kKey;

// A key pixel in a tile would show a hole in the ground.
TEST(PictureTerrain, TilesAreOpaque) {
  const platform::Image& sheet = test::DrawnSheet("unit.bmp");
  for (const pictures::Place& tile : pictures::PlacesIn("unit.bmp").places) {
    EXPECT_EQ(test::CountOther(sheet, tile.rect, kKey), tile.rect.w * tile.rect.h) << tile.label;
  }
}

TEST(PictureMinimap, SixColoursAlongTheTopRow) {
  const platform::Image& strip = test::DrawnSheet("mini.bmp");
  EXPECT_EQ(strip.at(0, 0), pictures::palette::kBlack) << "unexplored";
  std::set<std::uint32_t> colours;
  for (int x = 0; x < 6; ++x) colours.insert(strip.at(x, 0));
  EXPECT_EQ(colours.size(), 6u);
  EXPECT_TRUE(test::OnRamp(pictures::palette::kFoliage, strip.at(2, 0)))
      << "forest looks like the forest tiles";
  auto red = [](std::uint32_t c) { return int(c >> 16) - int(c & 0xFF); };
  EXPECT_GT(int(strip.at(3, 0) & 0xFF), int(strip.at(3, 0) >> 16)) << "human blue";
  EXPECT_GT(red(strip.at(5, 0)), 80) << "orc red";
  EXPECT_GT(int((strip.at(4, 0) >> 8) & 0xFF), int(strip.at(4, 0) & 0xFF) + 60) << "neutral gold";
}

}  // namespace
