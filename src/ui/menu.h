// The intro picture and the main menu.
#pragma once

#include <string>

#include "platform/ddraw.h"

class Icone_Texte;

extern LPDIRECTDRAWSURFACE intro_surface;
// PLAY: in the menu once a game has been started or loaded.
extern Icone_Texte* menu_play_button;

// Loads ../graphics/intro.bmp at its own size.
void LoadIntro();
// Shows the intro full screen, flips, then waits 200 ms on the clock.
void AfficherIntro();
// Builds the main menu zone and its buttons (which sets main_menu_zone),
// then the save screen, then the load screen.
void InitMenu();

// NEW CAMPAIGN: mission 1's briefing; PLAY joins the menu.
void Menu_NewCampaign();
// PLAY: back into the game where it was.
void Menu_Play();
// QUIT: asks for confirmation over the menu.
void Menu_Quit();
// OK of the quit confirmation: asks the window to close and ends the menu.
void Menu_QuitConfirmed();
// LOAD: the load screen over the menu.
void Menu_Load();
// SAVE: the save screen over the menu, or "NO GAME TO SAVE" without a game.
void Menu_Save();

// A new game must not open under the box the last one left over the game
// screen (a VICTORY box would skip its first mission): closes it.
void CloseBoxOverGame();
// A game read from a file (a slot, a map) replaces the one under way: the
// box left over the game screen closes, the world is reset and read, and
// PLAY joins the menu.
void StartGameFromFile(const std::string& path);
// Plays a map file in the game screen, as a loaded game; PLAY joins the
// menu. The port's way for map authors to try their maps.
void PlayMapFile(const char* path);
