// The terrain tiles and the minimap colours: tiles where the game cuts them,
// forest pieces that join each other, and a colour strip that
// tells grass, forest and the three sides apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "pictures/minimap_layout.h"
#include "pictures/palette.h"
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

Tile TileAt(int column, int row) {
  return {&test::DrawnSheet("unit.bmp"), layout::TileRect(column, row)};
}

Tile Piece(int value) {
  for (const layout::ForestPiece& piece : layout::kForestPieces) {
    if (piece.value == value) return TileAt(piece.column, piece.row);
  }
  ADD_FAILURE() << "no forest piece " << value;
  return TileAt(0, 0);
}

bool IsFoliage(std::uint32_t c) {
  return test::OnRamp(pictures::palette::kFoliage, c);
}

// How often a pixel and the one `dx`, `dy` further are both leaves or both
// not, where `second` continues `first` beyond its edge for the pixels
// past 31. A canopy cut at a tile's edge lowers this at the seam.
double Agreement(const Tile& first, const Tile& second, int from_x, int from_y, bool across_x) {
  int same = 0;
  for (int i = 0; i < layout::kTile; ++i) {
    const int x0 = across_x ? from_x : i;
    const int y0 = across_x ? i : from_y;
    const int x1 = across_x ? x0 + 1 : x0;
    const int y1 = across_x ? y0 : y0 + 1;
    const std::uint32_t a = first.at(x0, y0);
    const std::uint32_t b = x1 < layout::kTile && y1 < layout::kTile
                                ? first.at(x1, y1)
                                : second.at(x1 % layout::kTile, y1 % layout::kTile);
    same += IsFoliage(a) == IsFoliage(b);
  }
  return double(same) / layout::kTile;
}

// Left beside right (or top above bottom): the seam agrees as well as the
// tiles' own columns (rows) do on average.
void ExpectJoin(int first, int second, bool side_by_side) {
  const Tile a = Piece(first);
  const Tile b = Piece(second);
  double inside = 0;
  for (int i = 0; i < layout::kTile - 1; ++i) {
    inside += side_by_side ? Agreement(a, b, i, 0, true) : Agreement(a, b, 0, i, false);
  }
  inside /= layout::kTile - 1;
  const double seam = side_by_side ? Agreement(a, b, layout::kTile - 1, 0, true)
                                   : Agreement(a, b, 0, layout::kTile - 1, false);
  EXPECT_GE(seam, inside - 0.1) << first << (side_by_side ? " beside " : " above ") << second;
}

TEST(PictureTerrain, TilesLieOnTheGridOnceAndAreOpaque) {
  const platform::Image& sheet = test::DrawnSheet("unit.bmp");
  std::vector<Rect> tiles = {layout::TileRect(0, 0), layout::TileRect(2, 0)};
  for (const layout::ForestPiece& piece : layout::kForestPieces) {
    tiles.push_back(layout::TileRect(piece.column, piece.row));
  }
  std::set<std::pair<int, int>> places;
  for (const Rect& r : tiles) {
    EXPECT_TRUE(places.insert({r.x, r.y}).second) << "two pictures at " << r.x << "," << r.y;
    EXPECT_EQ(test::CountOther(sheet, r, kKey), r.w * r.h) << r.x << "," << r.y;
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

// The neighbours each piece assumes are those it really has where it lies:
// in a 3x3 block on grass, or beside a single grass cell in a forest.
TEST(PictureTerrain, ForestTableMatchesThePlacesThePiecesAreFor) {
  auto check = [](const layout::ForestPiece& piece, const std::vector<std::string>& map, int cx,
                  int cy) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        EXPECT_EQ(layout::ForestAt(piece, dx, dy), map[cy + dy][cx + dx] == '#')
            << piece.value << " neighbour " << dx << "," << dy;
      }
    }
  };
  const std::vector<std::string> block = {".....", ".###.", ".###.", ".###.", "....."};
  const std::vector<std::string> clearing = {"#####", "#####", "##.##", "#####", "#####"};
  for (const layout::ForestPiece& piece : layout::kForestPieces) {
    if (piece.value <= 11) {
      check(piece, block, 1 + (piece.value - 3) % 3, 1 + (piece.value - 3) / 3);
    } else {
      // Laid out round a clearing at (4, 2) as they lie on the sheet.
      check(piece, clearing, 2 + (piece.column - 4), 2 + (piece.row - 2));
    }
  }
}

// A field repeats the tile every 32 pixels: a brighter band of columns or
// rows would show as stripes over every meadow.
TEST(PictureGround, GrassIsEvenlyBrightAcrossAndDownTheTile) {
  const Tile grass = TileAt(layout::kGrass.column, layout::kGrass.row);
  auto brightness = [](std::uint32_t c) {
    return int(c >> 16 & 0xFF) + int(c >> 8 & 0xFF) + int(c & 0xFF);
  };
  std::vector<double> columns, rows;
  for (int strip = 0; strip < layout::kTile; strip += 4) {
    double column = 0, row = 0;
    for (int i = 0; i < layout::kTile; ++i) {
      for (int j = strip; j < strip + 4; ++j) {
        column += brightness(grass.at(j, i));
        row += brightness(grass.at(i, j));
      }
    }
    columns.push_back(column / (4 * layout::kTile));
    rows.push_back(row / (4 * layout::kTile));
  }
  for (const auto& strips : {columns, rows}) {
    const auto [low, high] = std::minmax_element(strips.begin(), strips.end());
    EXPECT_LE(*high - *low, 12.0);
  }
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
