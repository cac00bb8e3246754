// The program's entry, its window, the start-up and shutdown orders and the
// main loop over the current zone.
#pragma once

#include "platform/win32.h"

class Zone_Interactive;

extern HWND main_window;
// The zone whose Run the main loop calls next; null ends the program.
extern Zone_Interactive* current_zone;
extern Zone_Interactive* main_menu_zone;
// A game is in progress; the game screen advances the world only while set.
extern bool game_running;

int WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
bool doInit(HINSTANCE hInstance, int nCmdShow);
LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Asks the window to close (posts WM_CLOSE).
void RequestClose();
