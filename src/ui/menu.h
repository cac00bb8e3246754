// The intro picture and the main menu.
#pragma once

#include "platform/ddraw.h"

extern LPDIRECTDRAWSURFACE intro_surface;

// Loads ../graphics/intro.bmp at its own size.
void LoadIntro();
// Shows the intro full screen, flips, then waits 200 ms on the clock.
void AfficherIntro();
// Builds the main menu zone and its buttons; sets main_menu_zone.
void InitMenu();

// QUIT: asks for confirmation over the menu.
void Menu_Quit();
// OK of the quit confirmation: asks the window to close and ends the menu.
void Menu_QuitConfirmed();
