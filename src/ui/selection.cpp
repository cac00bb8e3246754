// The selection.
#include "ui/selection.h"

#include <algorithm>

#include "frame/ddraw_text.h"
#include "frame/dix.h"
#include "frame/logfile.h"
#include "frame/poll_IO.h"
#include "ui/edit.h"
#include "ui/zone_game.h"
#include "world/sprites.h"
#include "world/util.h"

std::array<cSprite*, MAX_SELECTION> SelectedSprites{};
cDefUnit* pDefToPlace = nullptr;

bool PlacementInProgress() {
  return pDefToPlace && pDefToPlace != GetDefUnit(VIDE);
}

void CellUnderMouse(int& x, int& y) {
  x = (mouse_x + scroll_x) / kCellSize;
  y = (mouse_y + scroll_y) / kCellSize;
}

// A cell off the map holds nothing, even where the grids reach further.
cSprite* SpriteOnCell(int x, int y) {
  return IsInMap(x, y) ? occupancy_grid[CellIndex(x, y)] : nullptr;
}

void ClearSelection() {
  SelectedSprites.fill(nullptr);
}

cSprite* GetSelectedSprite() {
  cSprite* only = nullptr;
  for (cSprite* s : SelectedSprites) {
    if (!s) continue;
    if (only) return nullptr;
    only = s;
  }
  return only;
}

bool AddToSelection(cSprite* s) {
  if (std::find(SelectedSprites.begin(), SelectedSprites.end(), s) != SelectedSprites.end()) {
    return true;
  }
  auto slot = std::find(SelectedSprites.begin(), SelectedSprites.end(), nullptr);
  if (slot == SelectedSprites.end()) return false;
  *slot = s;
  return true;
}

bool RemoveFromSelection(cSprite* s) {
  auto slot = std::find(SelectedSprites.begin(), SelectedSprites.end(), s);
  if (!s || slot == SelectedSprites.end()) return false;
  *slot = nullptr;
  return true;
}

void SelectUnderMouse() {
  int x, y;
  CellUnderMouse(x, y);
  cSprite* s = SpriteOnCell(x, y);
  if (s && s->Race() == HUMAN && s->visible) {
    ClearSelection();
    AddToSelection(s);
  }
}

void CancelSelection() {
  ClearSelection();
  pDefToPlace = GetDefUnit(VIDE);
}

namespace {

// The mark is the sheet of the sprite's width stretched one pixel around
// its footprint; a failed mark is not worth a report.
void DrawMark(cSprite* s) {
  int px, py;
  s->GetPositionPixel(px, py);
  const int w = s->pDef->Largeur, h = s->pDef->Hauteur;
  const int sheet = (w >= 1 && w <= 4) ? w - 1 : 0;
  RECT dest{px - scroll_x + 95, py - scroll_y + 95, px - scroll_x + 97 + kCellSize * w,
            py - scroll_y + 97 + kCellSize * h};
  virtual_surface->Blt(&dest, select_surfaces[std::size_t(sheet)], nullptr,
                       DDBLT_WAIT | DDBLT_KEYSRC, nullptr);
}

void DrawSlotPicture(int slot, const cSprite* s) {
  RECT source = IconPicture(s->pDef->XIcone, s->pDef->YIcone);
  RECT dest = PanelCellRect(slot % kPanelColumns, slot / kPanelColumns);
  ReportDXError("selection void AfficherSelection(void) 001",
                lpDDSBack->Blt(&dest, icons_surface, &source, DDBLT_WAIT, nullptr));
}

}  // namespace

void AfficherSelection() {
  cSprite* only = GetSelectedSprite();
  if (!only) {
    for (int slot = 0; slot < MAX_SELECTION; ++slot) {
      cSprite* s = SelectedSprites[std::size_t(slot)];
      if (!s || !s->visible) continue;
      DrawSlotPicture(slot, s);
      DrawMark(s);
    }
    return;
  }
  if (!only->visible) return;
  DrawMark(only);
  if (only->pDesc) {
    only->pDesc->Afficher();
    AfficherNombre(only->PointsDeVie, 585, 92);
    AfficherNombre(only->pDef->PointsDeVieMax, 585, 112);
  }
  only->AfficherInfos();
}
