// Fuzz target: a picture file through the game's bitmap loader.
#include <algorithm>

#include "frame/ddutil.h"
#include "platform/ddraw.h"
#include "targets.h"

namespace fuzz {

void Bitmap(const std::uint8_t* data, std::size_t size) {
  EnterRunTree();
  static IDirectDraw* const dd = [] {
    IDirectDraw* made = nullptr;
    DirectDrawCreate(nullptr, &made, nullptr);
    return made;
  }();
  static const LPDIRECTDRAWSURFACE screen = [] {
    LPDIRECTDRAWSURFACE made;
    return CreateOffscreenSurface(dd, 640, 480, &made) == DD_OK ? made : nullptr;
  }();
  WriteInput("picture.bmp", data, size);
  LPDIRECTDRAWSURFACE picture = DDLoadBitmap(dd, "picture.bmp", 0, 0);
  if (!picture) return;
  // Drawn as the game draws its sheets: keyed by the top-left pixel.
  DDSetColorKey(picture, CLR_INVALID);
  DDSURFACEDESC desc{};
  desc.dwSize = 108;
  picture->GetSurfaceDesc(&desc);
  RECT part{0, 0, LONG(std::min<DWORD>(desc.dwWidth, 640)),
            LONG(std::min<DWORD>(desc.dwHeight, 480))};
  screen->Blt(&part, picture, &part, DDBLT_WAIT | DDBLT_KEYSRC, nullptr);
  picture->Release();
}

}  // namespace fuzz
