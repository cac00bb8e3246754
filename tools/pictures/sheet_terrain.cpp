// unit.bmp: the terrain tiles. Grass, the thirteen forest pieces and a tile
// of rocks, each 32x32 on the 33-pixel grid; the grid lines and the unused
// places hold the key colour (the game draws tiles opaque).
#include <cmath>

#include "pictures/forest_pieces.h"
#include "pictures/ground.h"
#include "pictures/mask.h"
#include "pictures/noise.h"
#include "pictures/shading.h"
#include "pictures/sheet_drawers.h"
#include "pictures/terrain_layout.h"

namespace pictures {
namespace {

namespace layout = terrain_layout;

constexpr std::uint32_t kRockSeed = 401;

struct Boulder {
  double x, y, rx, ry;
};

// A cluster of boulders well inside the cell, so that grass rings it and the
// tile meets grass, or another rock tile, without a seam.
constexpr Boulder kBoulders[] = {
    {12.5, 13.0, 7.5, 6.0}, {21.5, 17.0, 6.0, 5.0}, {11.0, 22.0, 4.5, 3.5}, {22.0, 8.5, 3.5, 3.0}};

Mask BoulderShape(const Boulder& b, int index) {
  Mask shape(layout::kTile, layout::kTile);
  shape.AddEllipse({b.x, b.y}, b.rx, b.ry);
  shape.AddEllipse({b.x - b.rx * 0.3, b.y - b.ry * 0.35}, b.rx * 0.7, b.ry * 0.7);
  // Chip a corner off so that no two boulders share a silhouette.
  Mask chip(layout::kTile, layout::kTile);
  chip.AddEllipse({b.x + b.rx * (index % 2 ? 0.9 : -0.9), b.y - b.ry}, b.rx * 0.45, b.ry * 0.45);
  shape.Remove(chip);
  return shape;
}

void DrawBoulder(Canvas& canvas, const Rect& tile, const Boulder& b, int index) {
  const Mask shape = BoulderShape(b, index);
  Mask shadow(layout::kTile, layout::kTile);
  shadow.Add(shape, 2, 3);
  DarkenMask(canvas, shadow, tile.x, tile.y, 3);
  Outline(canvas, shape, tile.x, tile.y, palette::kStone[0], 1);
  PaintMask(canvas, shape, tile.x, tile.y, [&](int x, int y) {
    const double dx = (x - tile.x + 0.5 - b.x) / b.rx;
    const double dy = (y - tile.y + 0.5 - b.y) / b.ry;
    const double facets = TiledNoise(x - tile.x, y - tile.y, 4, kRockSeed + index);
    const double level = 0.48 - (dx + dy) * 0.22 + (facets - 0.5) * 0.3;
    return Dither(palette::kStone, level, x, y);
  });
  Emboss(canvas, shape, tile.x, tile.y, palette::kStone[8], palette::kStone[2], 1);
}

void DrawRockTile(Canvas& canvas, const Rect& tile) {
  FillGrass(canvas, tile, tile.x, tile.y);
  for (int i = 0; i < int(std::size(kBoulders)); ++i) DrawBoulder(canvas, tile, kBoulders[i], i);
}

}  // namespace

platform::Image DrawTerrainSheet() {
  Canvas sheet(layout::kWidth, layout::kHeight, palette::kKey);
  const Rect grass = layout::TileRect(layout::kGrass.column, layout::kGrass.row);
  FillGrass(sheet, grass, grass.x, grass.y);
  DrawRockTile(sheet, layout::TileRect(layout::kRocks.column, layout::kRocks.row));
  for (const layout::ForestPiece& piece : layout::kForestPieces) {
    DrawForestTile(sheet, layout::TileRect(piece.column, piece.row), piece);
  }
  return sheet.image();
}

}  // namespace pictures
