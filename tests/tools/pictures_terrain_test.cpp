// The terrain tiles and the minimap colours: opaque tiles, forest pieces
// that join each other, and a colour strip that tells grass, forest and the
// three sides apart.
#include <gtest/gtest.h>

#include <set>

#include "pictures/minimap_layout.h"
#include "pictures/palette.h"
#include "pictures/sheet_places.h"
#include "pictures/terrain_layout.h"
#include "tools/drawn_sheets.h"

namespace {

namespace layout = pictures::terrain_layout;
using pictures::Rect;
using pictures::palette::kKey;

struct Tile {
  const platform::Image* sheet;
  Rect rect;
  std::uint32_t at(int x, int y) const { return sheet->at(rect.x + x, rect.y + y); }
};

Tile Piece(int value) {
  for (const layout::ForestPiece& piece : layout::kForestPieces) {
    if (piece.value == value) {
      return {&test::DrawnSheet("unit.bmp"), layout::TileRect(piece.column, piece.row)};
    }
  }
  ADD_FAILURE() << "no forest piece " << value;
  return {&test::DrawnSheet("unit.bmp"), {}};
}

bool IsFoliage(std::uint32_t c) {
  return test::OnRamp(pictures::palette::kFoliage, c);
}

// Two pieces side by side, or one above the other seen turned: x runs
// across the seam, which lies between 31 and 32.
struct Pair {
  Tile first, second;
  bool side_by_side;
  bool Leaf(int x, int y) const {
    const Tile& tile = x < layout::kTile ? first : second;
    x %= layout::kTile;
    return IsFoliage(side_by_side ? tile.at(x, y) : tile.at(y, x));
  }
  // How often a pixel of column x and its neighbour are both leaves or both
  // not. A canopy cut at a tile's edge lowers this at the seam.
  double Agreement(int x) const {
    int same = 0;
    for (int y = 0; y < layout::kTile; ++y) same += Leaf(x, y) == Leaf(x + 1, y);
    return double(same) / layout::kTile;
  }
};

// The seam agrees as well as the first tile's own columns (rows) do on
// average.
void ExpectJoin(int first, int second, bool side_by_side) {
  const Pair pair{Piece(first), Piece(second), side_by_side};
  double inside = 0;
  for (int x = 0; x < layout::kTile - 1; ++x) inside += pair.Agreement(x);
  EXPECT_GE(pair.Agreement(layout::kTile - 1), inside / (layout::kTile - 1) - 0.1)
      << first << (side_by_side ? " beside " : " above ") << second;
}

// A key pixel in a tile would show a hole in the ground.
TEST(PictureTerrain, TilesAreOpaque) {
  const platform::Image& sheet = test::DrawnSheet("unit.bmp");
  for (const pictures::Place& tile : pictures::PlacesIn("unit.bmp").places) {
    EXPECT_EQ(test::CountOther(sheet, tile.rect, kKey), tile.rect.w * tile.rect.h) << tile.label;
  }
}

TEST(PictureTerrain, ForestPiecesJoinAsTheyLieInABlock) {
  for (int row = 0; row < 3; ++row) {
    ExpectJoin(3 + 3 * row, 4 + 3 * row, true);
    ExpectJoin(4 + 3 * row, 5 + 3 * row, true);
  }
  for (int column = 0; column < 3; ++column) {
    ExpectJoin(3 + column, 6 + column, false);
    ExpectJoin(6 + column, 9 + column, false);
  }
  // The middle beside itself; an inner corner has whole forest on its two
  // sides away from its grass.
  const int beside[][2] = {{7, 7}, {7, 12}, {13, 7}, {7, 14}, {15, 7}};
  const int above[][2] = {{7, 7}, {7, 12}, {7, 13}, {14, 7}, {15, 7}};
  for (const auto& [left, right] : beside) ExpectJoin(left, right, true);
  for (const auto& [top, bottom] : above) ExpectJoin(top, bottom, false);
}

TEST(PictureMinimap, SixColoursAlongTheTopRow) {
  const platform::Image& strip = test::DrawnSheet("mini.bmp");
  EXPECT_EQ(strip.at(0, 0), pictures::palette::kBlack) << "unexplored";
  std::set<std::uint32_t> colours;
  for (int x = 0; x < 6; ++x) colours.insert(strip.at(x, 0));
  EXPECT_EQ(colours.size(), 6u);
  EXPECT_TRUE(IsFoliage(strip.at(2, 0))) << "forest looks like the forest tiles";
  auto red = [](std::uint32_t c) { return int(c >> 16) - int(c & 0xFF); };
  EXPECT_GT(int(strip.at(3, 0) & 0xFF), int(strip.at(3, 0) >> 16)) << "human blue";
  EXPECT_GT(red(strip.at(5, 0)), 80) << "orc red";
  EXPECT_GT(int((strip.at(4, 0) >> 8) & 0xFF), int(strip.at(4, 0) & 0xFF) + 60) << "neutral gold";
}

}  // namespace
