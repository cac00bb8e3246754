// The selection.
#include "ui/selection.h"

#include <algorithm>

#include "frame/poll_IO.h"
#include "ui/zone_game.h"
#include "world/sprites.h"

std::array<cSprite*, MAX_SELECTION> SelectedSprites{};
cDefUnit* pDefToPlace = nullptr;

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
  const int x = (mouse_x + scroll_x) / kCellSize, y = (mouse_y + scroll_y) / kCellSize;
  if (x < 0 || y < 0 || x >= kMapCapacity || y >= kMapCapacity) return;
  cSprite* s = occupancy_grid[CellIndex(x, y)];
  if (s && s->Race() == HUMAN && s->visible) {
    ClearSelection();
    AddToSelection(s);
  }
}

void CancelSelection() {
  ClearSelection();
  pDefToPlace = GetDefUnit(VIDE);
}
