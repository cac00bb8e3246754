// The player's selection: up to ten human objects. A sprite keeps its slot
// until it leaves the selection.
#pragma once

#include <array>

class cSprite;
class cDefUnit;

constexpr int MAX_SELECTION = 10;

extern std::array<cSprite*, MAX_SELECTION> SelectedSprites;
// The building kind the player is placing; null or the VIDE definition for none.
extern cDefUnit* pDefToPlace;

// A placement is in progress while pDefToPlace is a building's definition.
bool PlacementInProgress();

// The cell under the cursor; it may lie outside the map.
void CellUnderMouse(int& x, int& y);
// The sprite on a cell of the map; none outside the map.
cSprite* SpriteOnCell(int x, int y);

void ClearSelection();
// The one selected sprite, or null when none or several are selected.
cSprite* GetSelectedSprite();
// True when s is selected already or was put into the lowest free slot;
// false when every slot is taken.
bool AddToSelection(cSprite* s);
bool RemoveFromSelection(cSprite* s);
// Selects the visible human sprite on the cell under the mouse, if any.
void SelectUnderMouse();
// Empties the selection and ends any building placement.
void CancelSelection();
// The marks around the selected sprites, and the panel: the pictures of a
// several-sprite selection, or the single sprite's description.
void AfficherSelection();
