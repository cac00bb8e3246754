// The explored area and the minimap.
#include "world/map.h"

#include "frame/ddutil.h"
#include "frame/dix.h"
#include "frame/logfile.h"
#include "ui/zone_game.h"
#include "world/sprites.h"

CellGrid<unsigned char> Zone_Connue{};

namespace {

constexpr int kBuildingSight = 5;

// The pixel of the colour strip for a cell or a side.
enum MiniColour { kUnexplored = 0, kGround = 1, kForest = 2, kHuman = 3, kNeutral = 4, kOrc = 5 };

int ColourOfCell(int x, int y) {
  if (!Zone_Connue[CellIndex(x, y)]) return kUnexplored;
  const DECOR ground = terrain_grid[CellIndex(x, y)];
  if (ground >= VIDE && ground <= HERBE2) return kGround;
  if (ground >= BOIS01 && ground <= BOIS13) return kForest;
  return kUnexplored;
}

void PutPixel(LPDIRECTDRAWSURFACE surface, int x, int y, int colour, const char* label) {
  RECT source{colour, 0, colour + 1, 1};
  RECT dest{x, y, x + 1, y + 1};
  ReportDXError(label, surface->Blt(&dest, mini_surface, &source, DDBLT_WAIT, nullptr));
}

int SightOf(const cSprite* p) {
  switch (p->pDef->Categorie) {
    case CATEGORIE_WORKER:
    case CATEGORIE_UNIT:
      return p->pDef->iViewRange;
    case CATEGORIE_BUILDING:
      return kBuildingSight;
    default:
      return -1;
  }
}

bool AnyCellExplored(const cSprite* p) {
  for (int i = 0; i < p->pDef->Largeur; ++i) {
    for (int j = 0; j < p->pDef->Hauteur; ++j) {
      const int x = p->Px + i, y = p->Py + j;
      if (x >= 0 && y >= 0 && x < tx_map && y < ty_map && Zone_Connue[CellIndex(x, y)]) return true;
    }
  }
  return false;
}

void DrawFootprint(const cSprite* p, int colour) {
  for (int i = 0; i < p->pDef->Largeur; ++i) {
    for (int j = 0; j < p->pDef->Hauteur; ++j) {
      PutPixel(minimap_compose_surface, p->Px + i, p->Py + j, colour,
               "map void AfficherListeMiniMap(void)");
    }
  }
}

}  // namespace

void RevealAround(cSprite* p) {
  if (!p || !p->pDef || p->Race() != HUMAN) return;
  const int r = SightOf(p);
  if (r < 0) return;
  for (int x = p->Px - r; x <= p->Px + p->pDef->Largeur + r - 1; ++x) {
    for (int y = p->Py - r; y <= p->Py + p->pDef->Hauteur + r - 1; ++y) {
      if (x < 0 || y < 0 || x >= tx_map || y >= ty_map) continue;
      Zone_Connue[CellIndex(x, y)] = 1;
      UpdateMiniMapCell(x, y);
    }
  }
}

void UpdateMiniMapCell(int x, int y) {
  PutPixel(minimap_surface, x, y, ColourOfCell(x, y), "map void InitMiniMap()");
}

void InitMiniMap() {
  for (int x = 0; x < tx_map; ++x) {
    for (int y = 0; y < ty_map; ++y) UpdateMiniMapCell(x, y);
  }
}

void AfficherMiniMap() {
  ReportDXError(
      "map void AfficherListeMiniMap(void)",
      minimap_compose_surface->Blt(nullptr, minimap_surface, nullptr, DDBLT_WAIT, nullptr));
  AfficherListeMiniMap();
  const int cx = scroll_x / kCellSize, cy = scroll_y / kCellSize;
  Draw_Rectangle(minimap_compose_surface, cx, cy, cx + 16, cy + 14);
  Draw_Rectangle(minimap_compose_surface, cx + 1, cy + 1, cx + 15, cy + 13);
  RECT dest{525, 5, 589, 69};
  ReportDXError("map void AfficherMiniMap(void)",
                lpDDSBack->Blt(&dest, minimap_compose_surface, nullptr, DDBLT_WAIT, nullptr));
}

void AfficherListeMiniMap() {
  ForEachSprite(HUMAN, [](cSprite* s) { DrawFootprint(s, kHuman); });
  ForEachSprite(NEUTRE, [](cSprite* s) {
    if (AnyCellExplored(s)) DrawFootprint(s, kNeutral);
  });
  ForEachSprite(ORC, [](cSprite* s) {
    if (AnyCellExplored(s)) DrawFootprint(s, kOrc);
  });
}

void Save_Zone_Connue(FILE* File) {
  if (!File) {
    Fatal_Errors << "map void Save_Zone_Connue(FILE * File) File=NULL\n";
    return;
  }
  for (int x = 0; x < tx_map; ++x) {
    for (int y = 0; y < ty_map; ++y) std::fputc(Zone_Connue[CellIndex(x, y)], File);
  }
}

void Read_Zone_Connue(FILE* File) {
  if (!File) {
    Fatal_Errors << "map void Save_Zone_Connue(FILE * File) File=NULL\n";
    return;
  }
  for (int x = 0; x < tx_map; ++x) {
    for (int y = 0; y < ty_map; ++y) {
      const int byte = std::fgetc(File);
      if (byte != EOF) Zone_Connue[CellIndex(x, y)] = static_cast<unsigned char>(byte);
    }
  }
}
