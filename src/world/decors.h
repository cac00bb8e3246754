// The map's size, the work surfaces of the game view and every picture sheet
// the world draws from.
#pragma once

#include <array>
#include <cstddef>

#include "platform/ddraw.h"
#include "world/sprites_names.h"

// Map width and height in cells; 128 is the capacity of every per-cell grid.
extern int tx_map;
extern int ty_map;

constexpr int kMapCapacity = 128;
constexpr int kCellSize = 32;  // pixels

// Every per-cell grid holds the cell (x, y) at x * 128 + y: column by column.
constexpr std::size_t CellIndex(int x, int y) {
  return std::size_t(x) * kMapCapacity + std::size_t(y);
}
// Whether the cell has an entry in the grids (the map may be smaller).
constexpr bool IsOnGrids(int x, int y) {
  return x >= 0 && y >= 0 && x < kMapCapacity && y < kMapCapacity;
}
template <typename T>
using CellGrid = std::array<T, std::size_t(kMapCapacity) * kMapCapacity>;

// The ground of every cell; units and buildings live in the occupancy grid.
extern CellGrid<DECOR> terrain_grid;
constexpr int kVirtualSide = 1000;  // the game view is composed with a 96-pixel margin

extern LPDIRECTDRAWSURFACE virtual_surface;
extern LPDIRECTDRAWSURFACE minimap_surface;
extern LPDIRECTDRAWSURFACE minimap_compose_surface;
extern LPDIRECTDRAWSURFACE menu_surface;
extern LPDIRECTDRAWSURFACE decor_surface;                   // terrain tiles
extern LPDIRECTDRAWSURFACE mini_surface;                    // minimap colours
extern std::array<LPDIRECTDRAWSURFACE, 4> select_surfaces;  // marks for 1 to 4 cells
extern LPDIRECTDRAWSURFACE humans_surface;
extern LPDIRECTDRAWSURFACE orcs_surface;
extern LPDIRECTDRAWSURFACE little_sprites_surface;  // projectiles
extern LPDIRECTDRAWSURFACE human_buildings_surface;
extern LPDIRECTDRAWSURFACE orc_buildings_surface;
extern LPDIRECTDRAWSURFACE neutral_buildings_surface;
extern LPDIRECTDRAWSURFACE icons_surface;

// Creates the work surfaces, loads the cursor and every sheet.
void ChargerDecors();
// Fills the table of tile positions in the terrain sheet.
void InitTableDecors();
// The name of a terrain or kind, for the logs.
// (GetStringFromDECOR, in sprites_names.h.)

// The game view's pixel (0, 0) lies at (96, 96) of the virtual surface: the
// margin lets what sticks out of the view be drawn without clipping.
constexpr int kViewMargin = 96;
constexpr int kViewWidth = 520;
constexpr int kViewHeight = 480;

// Draws the tile of a terrain with its top-left corner at game-view pixel
// (px, py) of the surface.
void AfficherDecor(int px, int py, DECOR style, LPDIRECTDRAWSURFACE lpDDS);
// Draws the visible terrain into the virtual surface.
void AfficherTerrain();
// Composes one whole frame of the game screen into the back buffer.
void PreparerBack();
// The movement pass of a frame: one step for every walking sprite.
void MoveSprites();
// Copies the game view from the virtual surface to the back buffer.
void CopierVirtuel();
// Every cell of the map becomes grass, unexplored.
void ResetMap();
// Releases every surface of the world and the pictures loaded elsewhere.
void LibererDecors();
