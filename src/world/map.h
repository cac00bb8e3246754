// The explored area and the minimap: every cell once seen by a human sprite
// stays explored; the minimap shows the explored terrain, the sprites on it
// and the game view's frame.
#pragma once

#include <cstdio>

#include "world/decors.h"

class cSprite;

// 1 for an explored cell.
extern CellGrid<unsigned char> Zone_Connue;

// Explores the square around a human sprite (nothing for the other sides).
void RevealAround(cSprite* p);
// Redraws one cell of the minimap.
void UpdateMiniMapCell(int x, int y);
// Redraws the whole minimap.
void InitMiniMap();
// Draws the minimap, its sprites and the view's frame into the panel.
void AfficherMiniMap();
void AfficherListeMiniMap();

// The explored area in the saved-game order, column by column.
void Save_Zone_Connue(FILE* File);
void Read_Zone_Connue(FILE* File);
