// The game screen.
#include "ui/zone_game.h"

#include "frame/ddutil.h"
#include "frame/dix.h"

LPDIRECTDRAWSURFACE edit_game_surface = nullptr;
int scroll_x = 0;
int scroll_y = 0;

void ChargerEditGame() {
  edit_game_surface = DDLoadBitmap(lpDD, "../graphics/edit_game.bmp", 0, 0);
}

// The game screen comes with the world; nothing to build before it.
void InitZoneGame() {}
