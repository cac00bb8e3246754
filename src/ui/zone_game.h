// The game screen: the scrolled map at the left, the minimap, the menu
// button and the command panel at the right. Its own loop composes the
// frame, flips, then advances the world one step while a game runs.
#pragma once

#include "platform/ddraw.h"
#include "ui/Zone_Interactive.h"

class Icone;

// The interface picture, drawn as the game screen's background.
extern LPDIRECTDRAWSURFACE edit_game_surface;
// The map pixel shown at the top-left of the game view.
extern int scroll_x;
extern int scroll_y;

struct DragRect {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // screen pixels, x0 <= x1, y0 <= y1
};

class Zone_Game : public Zone_Interactive {
 public:
  Zone_Game();

  void Run() override;
  void SignalMouseLeftButtonReleased(int xmouse, int ymouse) override;
  void SignalMouseRightButtonPressed(int xmouse, int ymouse) override;
  void SignalMouseLeftButtonDrag(int xpress, int ypress, int xmouse, int ymouse) override;
  // The frame of one pass, up to the flip: the world, the icons, any box
  // over the game, the selection band and the cursor on top.
  void ComposeFrame();

  bool Drag_Active() const { return drag_active; }
  const DragRect& Drag_Rect() const { return drag_rect; }

 private:
  bool drag_active = false;
  DragRect drag_rect;
};

extern Zone_Game* game_zone;
extern Icone* menu_button_icon;
extern Icone* map_icon;
extern Icone* panel_icon;

// Loads ../graphics/edit_game.bmp.
void ChargerEditGame();
// Builds the game screen and its icons.
void InitZoneGame();
// The menu button: back to the main menu; the game waits there.
void BackToMainMenu();
// Moves the view when the cursor touches an edge of the screen.
void ScrollViewport();
// One step of a running game, after its frame: the world, the projectiles,
// the orc side and the current mission's victory test.
void AdvanceWorld();
