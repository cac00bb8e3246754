// Loading and releasing the world's pictures.
#include "world/decors.h"

#include "frame/ddraw_text.h"
#include "frame/ddutil.h"
#include "frame/dix.h"
#include "frame/logfile.h"
#include "frame/souris.h"
#include "ui/menu.h"
#include "ui/zone_game.h"
#include "world/map.h"

int tx_map = kMapCapacity;
int ty_map = kMapCapacity;
CellGrid<DECOR> terrain_grid = [] {
  CellGrid<DECOR> grid;
  grid.fill(HERBE1);
  return grid;
}();

LPDIRECTDRAWSURFACE virtual_surface = nullptr;
LPDIRECTDRAWSURFACE minimap_surface = nullptr;
LPDIRECTDRAWSURFACE minimap_compose_surface = nullptr;
LPDIRECTDRAWSURFACE menu_surface = nullptr;
LPDIRECTDRAWSURFACE decor_surface = nullptr;
LPDIRECTDRAWSURFACE mini_surface = nullptr;
std::array<LPDIRECTDRAWSURFACE, 4> select_surfaces{};
LPDIRECTDRAWSURFACE humans_surface = nullptr;
LPDIRECTDRAWSURFACE orcs_surface = nullptr;
LPDIRECTDRAWSURFACE little_sprites_surface = nullptr;
LPDIRECTDRAWSURFACE human_buildings_surface = nullptr;
LPDIRECTDRAWSURFACE orc_buildings_surface = nullptr;
LPDIRECTDRAWSURFACE neutral_buildings_surface = nullptr;
LPDIRECTDRAWSURFACE icons_surface = nullptr;

namespace {

struct Sheet {
  const char* file;
  LPDIRECTDRAWSURFACE* surface;
  const char* key_label;  // null: drawn opaque
};

// Every sheet in loading order, with the label of its colour-key failure.
const Sheet kSheets[] = {
    {"../graphics/menu.bmp", &menu_surface, nullptr},
    {"../graphics/unit.bmp", &decor_surface, "decors void ChargerDecors(void) DDsetcolorkey001"},
    {"../graphics/mini.bmp", &mini_surface, nullptr},
    {"../graphics/select.bmp", &select_surfaces[0],
     "decors void ChargerDecors(void) DDsetcolorkey1"},
    {"../graphics/select2.bmp", &select_surfaces[1],
     "decors void ChargerDecors(void) DDsetcolorkey2"},
    {"../graphics/select3.bmp", &select_surfaces[2],
     "decors void ChargerDecors(void) DDsetcolorkey1"},
    {"../graphics/select4.bmp", &select_surfaces[3],
     "decors void ChargerDecors(void) DDsetcolorkey4"},
    {"../graphics/humains_new.bmp", &humans_surface,
     "decors void ChargerDecors(void) DDsetcolorkey5"},
    {"../graphics/orcs_new.bmp", &orcs_surface, "decors void ChargerDecors(void) DDsetcolorkey6"},
    {"../graphics/little_sprites.bmp", &little_sprites_surface,
     "decors void ChargerDecors(void) DDsetcolorkey7"},
    {"../graphics/batis_humains.bmp", &human_buildings_surface, nullptr},
    {"../graphics/batis_orcs.bmp", &orc_buildings_surface, nullptr},
    {"../graphics/batis_neutres.bmp", &neutral_buildings_surface, nullptr},
    {"../graphics/icones.bmp", &icons_surface, nullptr},
    {"../graphics/font1.bmp", &font_surface, nullptr},
};

LPDIRECTDRAWSURFACE CreateWorkSurface(int width, int height, const char* label) {
  LPDIRECTDRAWSURFACE surface;
  const HRESULT hr = CreateOffscreenSurface(lpDD, width, height, &surface);
  ReportDXError(label, hr);
  return hr == DD_OK ? surface : nullptr;
}

}  // namespace

void ChargerDecors() {
  virtual_surface = CreateWorkSurface(kVirtualSide, kVirtualSide,
                                      "decors void ChargerDecors(void) createsurface1");
  minimap_surface =
      CreateWorkSurface(tx_map, ty_map, "decors void ChargerDecors(void) createsurface1");
  minimap_compose_surface =
      CreateWorkSurface(tx_map, ty_map, "decors void ChargerDecors(void) createsurface2");
  ChargerSouris();
  for (const Sheet& sheet : kSheets) {
    *sheet.surface = DDLoadBitmap(lpDD, sheet.file, 0, 0);
    if (sheet.key_label) ReportDXError(sheet.key_label, DDSetColorKey(*sheet.surface, CLR_INVALID));
  }
}

void ResetMap() {
  for (int x = 0; x < tx_map; ++x) {
    for (int y = 0; y < ty_map; ++y) {
      terrain_grid[CellIndex(x, y)] = HERBE1;
      Zone_Connue[CellIndex(x, y)] = 0;
    }
  }
}

void LibererDecors() {
  ReleaseSurface(edit_game_surface);
  ReleaseSurface(menu_surface);
  ReleaseSurface(intro_surface);
  ReleaseSurface(cursor_surface);
  ReleaseSurface(decor_surface);
  for (LPDIRECTDRAWSURFACE& surface : select_surfaces) ReleaseSurface(surface);
  ReleaseSurface(virtual_surface);
  ReleaseSurface(minimap_surface);
  ReleaseSurface(minimap_compose_surface);
  ReleaseSurface(mini_surface);
  ReleaseSurface(humans_surface);
  ReleaseSurface(orcs_surface);
  ReleaseSurface(little_sprites_surface);
  ReleaseSurface(human_buildings_surface);
  ReleaseSurface(neutral_buildings_surface);
  ReleaseSurface(orc_buildings_surface);
  ReleaseSurface(icons_surface);
  ReleaseSurface(font_surface);
}
