// The game screen.
#include "ui/zone_game.h"

#include <algorithm>

#include "ai/fsm_base_orc.h"
#include "frame/ddutil.h"
#include "frame/dix.h"
#include "frame/logfile.h"
#include "frame/main.h"
#include "frame/poll_IO.h"
#include "frame/souris.h"
#include "ui/edit.h"
#include "ui/event.h"
#include "ui/icone.h"
#include "ui/selection.h"
#include "units/weapons.h"
#include "world/Init_Env.h"
#include "world/decors.h"
#include "world/sprites.h"

LPDIRECTDRAWSURFACE edit_game_surface = nullptr;
int scroll_x = 0;
int scroll_y = 0;
Zone_Game* game_zone = nullptr;
Icone* menu_button_icon = nullptr;
Icone* map_icon = nullptr;
Icone* panel_icon = nullptr;

namespace {

constexpr int kScrollStep = 10;
constexpr int kSmallestBand = 20;  // pixels either way

}  // namespace

void AdvanceWorld() {
  WorldStep();
  AvancerProjectiles();
  Check_Base_Orc_Under_Attack();
  Update_State_FSM_Base_Orc();
  Apply_State_FSM_Base_Orc();
  TestVictoire();
}

Zone_Game::Zone_Game() : Zone_Interactive(0, 0, 640, 480, nullptr, nullptr) {}

void Zone_Game::Run() {
  while (!end_requested) {
    if (!PumpOneMessage()) break;
    PollMouse();
    ScrollViewport();
    ComposeFrame();
    FlipScreen();
    if (game_running) AdvanceWorld();
  }
  end_requested = false;
}

void Zone_Game::ComposeFrame() {
  PreparerBack();
  DisplayIcones();
  DisplaySubZones();
  if (drag_active) {
    Draw_Rectangle(lpDDSBack, drag_rect.x0, drag_rect.y0, drag_rect.x1, drag_rect.y1);
  }
  Afficher_Souris();
}

void Zone_Game::SignalMouseLeftButtonDrag(int xpress, int ypress, int xmouse, int ymouse) {
  drag_active = true;
  drag_rect = {std::min(xpress, xmouse), std::min(ypress, ymouse), std::max(xpress, xmouse),
               std::max(ypress, ymouse)};
}

void Zone_Game::SignalMouseRightButtonPressed(int, int) {
  CancelSelection();
}

// Band selection: the visible human sprites under the rectangle, column by
// column from the left, each column downwards.
void Zone_Game::SignalMouseLeftButtonReleased(int, int) {
  drag_active = false;
  if (GetSelectedSprite()) return;
  const DragRect& r = drag_rect;
  const int c0 = (r.x0 + scroll_x) / kCellSize, r0 = (r.y0 + scroll_y) / kCellSize;
  const int c1 = (r.x1 + scroll_x) / kCellSize, r1 = (r.y1 + scroll_y) / kCellSize;
  if (r.x1 - r.x0 < kSmallestBand || r.y1 - r.y0 < kSmallestBand) return;
  const char* where =
      "zone_game void Zone_Game::SignalMouseLeftButtonReleased(int xmouse,int ymouse) \n";
  if (c0 > c1) Fatal_Errors << where << " x0 > x1 : cas impossible !\n";
  if (r0 > r1) Fatal_Errors << where << " y0 > y1 : cas impossible !\n";
  bool cleared = false;
  for (int c = c0; c <= c1; ++c) {
    for (int row = r0; row <= r1; ++row) {
      if (c < 0 || row < 0 || c >= tx_map || row >= ty_map) continue;
      cSprite* s = occupancy_grid[CellIndex(c, row)];
      if (!s || !s->visible || s->Race() != HUMAN) continue;
      if (!cleared) {
        ClearSelection();
        cleared = true;
      }
      if (!AddToSelection(s)) return;
    }
  }
}

void ChargerEditGame() {
  edit_game_surface = DDLoadBitmap(lpDD, "../graphics/edit_game.bmp", 0, 0);
}

void InitZoneGame() {
  game_zone = new Zone_Game();
  menu_button_icon = new Icone(BackToMainMenu, 590, 40, 46, 43);
  game_zone->AddIcone(menu_button_icon);
  map_icon = new Icone(SignalClickMap, 0, 0, 520, 480);
  game_zone->AddIcone(map_icon);
  panel_icon = new Icone(SignalClickEdit, 525, 85, 115, 395);
  game_zone->AddIcone(panel_icon);
}

void BackToMainMenu() {
  game_zone->Close();
  current_zone = main_menu_zone;
}

void ScrollViewport() {
  if (mouse_x < 5 && scroll_x >= kScrollStep) scroll_x -= kScrollStep;
  if (mouse_x > 635) {
    if (scroll_x < tx_map * kCellSize - 530) {
      scroll_x += kScrollStep;
    } else {
      scroll_x = tx_map * kCellSize - 520;
    }
  }
  if (mouse_y < 5 && scroll_y >= kScrollStep) scroll_y -= kScrollStep;
  if (mouse_y > 475) {
    if (scroll_y < ty_map * kCellSize - 490) {
      scroll_y += kScrollStep;
    } else {
      scroll_y = ty_map * kCellSize - 480;
    }
  }
}
