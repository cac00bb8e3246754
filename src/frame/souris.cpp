// The cursor picture.
#include "frame/souris.h"

#include <algorithm>

#include "frame/ddutil.h"
#include "frame/dix.h"
#include "frame/logfile.h"
#include "frame/poll_IO.h"

LPDIRECTDRAWSURFACE cursor_surface = nullptr;

void ChargerSouris() {
  cursor_surface = DDLoadBitmap(lpDD, "../graphics/cursor001.bmp", 0, 0);
  DDSetColorKey(cursor_surface, CLR_INVALID);
}

void Afficher_Souris() {
  const int width = std::min(kCursorWidth, 640 - mouse_x);
  const int height = std::min(kCursorHeight, 480 - mouse_y);
  RECT source;
  RECT dest;
  MakeRect(&source, 0, 0, width, height);
  MakeRect(&dest, mouse_x, mouse_y, mouse_x + width, mouse_y + height);
  ReportDXError("souris void Afficher_Souris()",
                lpDDSBack->Blt(&dest, cursor_surface, &source, DDBLT_WAIT | DDBLT_KEYSRC, nullptr));
}
