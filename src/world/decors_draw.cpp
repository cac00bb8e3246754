// The terrain tiles and the composition of a frame of the game screen.
#include <array>

#include "frame/dix.h"
#include "frame/logfile.h"
#include "frame/souris.h"
#include "ui/event.h"
#include "ui/money.h"
#include "ui/selection.h"
#include "ui/zone_game.h"
#include "units/weapons.h"
#include "world/decors.h"
#include "world/map.h"
#include "world/sprites.h"

namespace {

constexpr int kTilePitch = 33;
constexpr int kKinds = 45;

struct TilePosition {
  int column = 0;
  int row = 0;
};
// A terrain without a position of its own uses the first tile.
std::array<TilePosition, kKinds> tile_positions{};

TilePosition TileOf(DECOR style) {
  return style >= 0 && style < kKinds ? tile_positions[std::size_t(style)] : TilePosition{};
}

void DrawSprites() {
  for (RACE race : {HUMAN, ORC, NEUTRE}) {
    ForEachSprite(race, [](cSprite* s) {
      if (s->visible) s->Afficher();
    });
  }
}

}  // namespace

void InitTableDecors() {
  tile_positions.fill(TilePosition{});
  const struct {
    DECOR style;
    TilePosition at;
  } kTiles[] = {{BOIS01, {0, 1}}, {BOIS02, {1, 1}},  {BOIS03, {2, 1}}, {BOIS04, {0, 2}},
                {BOIS05, {1, 2}}, {BOIS06, {2, 2}},  {BOIS07, {0, 3}}, {BOIS08, {1, 3}},
                {BOIS09, {2, 3}}, {BOIS10, {3, 1}},  {BOIS11, {5, 1}}, {BOIS12, {3, 3}},
                {BOIS13, {5, 3}}, {DECOR_44, {2, 0}}};
  for (const auto& tile : kTiles) tile_positions[std::size_t(tile.style)] = tile.at;
}

void AfficherDecor(int px, int py, DECOR style, LPDIRECTDRAWSURFACE lpDDS) {
  const TilePosition tile = TileOf(style);
  RECT source{tile.column * kTilePitch + 1, tile.row * kTilePitch + 1,
              tile.column * kTilePitch + 33, tile.row * kTilePitch + 33};
  RECT dest{px + kViewMargin, py + kViewMargin, px + kViewMargin + kCellSize,
            py + kViewMargin + kCellSize};
  ReportDXError("decors void AfficherDecor(int px,int py,DECOR style,LPDIRECTDRAWSURFACE lpDDS)",
                lpDDS->Blt(&dest, decor_surface, &source, DDBLT_WAIT, nullptr));
}

void AfficherTerrain() {
  const int X = scroll_x, Y = scroll_y;
  for (int x = X / kCellSize; x <= X / kCellSize + 19; ++x) {
    for (int y = Y / kCellSize; y <= Y / kCellSize + 18; ++y) {
      if (x < 0 || y < 0 || x >= tx_map || y >= ty_map) continue;
      AfficherDecor(x * kCellSize - X, y * kCellSize - Y, terrain_grid[CellIndex(x, y)],
                    virtual_surface);
    }
  }
}

void MoveSprites() {
  for (RACE race : {HUMAN, ORC, NEUTRE}) {
    ForEachSprite(race, [](cSprite* s) {
      if (s->Ordre == GOTO) s->Avancer();
    });
  }
}

void PreparerBack() {
  ReportDXError("decors void PreparerBack(void)",
                lpDDSBack->Blt(nullptr, edit_game_surface, nullptr, DDBLT_WAIT, nullptr));
  AfficherMiniMap();
  DDBLTFX fx{sizeof(DDBLTFX), 0};
  ReportDXError("decors prepareBack()",
                virtual_surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx));
  AfficherTerrain();
  DrawSprites();
  AfficherConstruction();
  MoveSprites();
  AfficherProjectiles();
  AfficherSelection();
  CopierVirtuel();
  AfficherMoney();
  AfficherWood();
  Afficher_Souris();
}

void CopierVirtuel() {
  RECT source{kViewMargin, kViewMargin, kViewMargin + kViewWidth, kViewMargin + kViewHeight};
  RECT dest{0, 0, kViewWidth, kViewHeight};
  ReportDXError("decors void CopierVirtuel()",
                lpDDSBack->Blt(&dest, virtual_surface, &source, DDBLT_WAIT, nullptr));
}
