// The display: the DirectDraw object, the primary surface with its back
// buffer (the target of all drawing) and the flip.
#pragma once

#include "platform/ddraw.h"

extern LPDIRECTDRAW lpDD;
extern LPDIRECTDRAWSURFACE lpDDSPrimary;
extern LPDIRECTDRAWSURFACE lpDDSBack;

// Sets up the display mode and the flipping chain; every failure is logged
// and the next step runs regardless.
void InstallDirectXBack(HWND hwnd, int tx, int ty, int colors);
// Shows the back buffer, waiting for the display.
void FlipScreen();
// Releases the back buffer, the primary surface and the DirectDraw object.
void ReleaseDisplay();
