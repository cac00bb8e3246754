// The game's own cursor: its picture and its drawing.
#pragma once

#include "platform/ddraw.h"

extern LPDIRECTDRAWSURFACE cursor_surface;

constexpr int kCursorWidth = 12;
constexpr int kCursorHeight = 15;

// Loads ../graphics/cursor001.bmp; its top-left colour is transparent.
void ChargerSouris();
// Draws the cursor at (mouse_x, mouse_y) into the back buffer.
void Afficher_Souris();
