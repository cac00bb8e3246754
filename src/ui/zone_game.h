// The game screen: the scrolled map, the minimap and the command panel.
#pragma once

#include "platform/ddraw.h"

// The interface picture, drawn as the game screen's background.
extern LPDIRECTDRAWSURFACE edit_game_surface;
// The map pixel shown at the top-left of the game view.
extern int scroll_x;
extern int scroll_y;

// Loads ../graphics/edit_game.bmp.
void ChargerEditGame();
// Builds the game screen and its icons.
void InitZoneGame();
