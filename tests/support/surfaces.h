// Test support: a DirectDraw object that makes off-screen surfaces and
// releases every one of them at the end of the test.
#pragma once

#include <vector>

#include "frame/ddutil.h"
#include "platform/ddraw.h"

namespace test {

// Fills the surface, or a rectangle of it, with one colour; the blit's result.
inline HRESULT Fill(LPDIRECTDRAWSURFACE s, std::uint16_t colour, RECT* rect = nullptr) {
  DDBLTFX fx{sizeof(DDBLTFX), colour};
  return s->Blt(rect, nullptr, nullptr, DDBLT_COLORFILL, &fx);
}

class SurfaceFactory {
 public:
  SurfaceFactory() { DirectDrawCreate(nullptr, &dd_, nullptr); }
  ~SurfaceFactory() {
    for (LPDIRECTDRAWSURFACE s : surfaces_) s->Release();
    dd_->Release();
  }
  SurfaceFactory(const SurfaceFactory&) = delete;
  SurfaceFactory& operator=(const SurfaceFactory&) = delete;

  IDirectDraw* dd() const { return dd_; }

  // A zero-filled off-screen surface; null if it cannot be made.
  LPDIRECTDRAWSURFACE Make(int width, int height) {
    LPDIRECTDRAWSURFACE surface;
    if (CreateOffscreenSurface(dd_, width, height, &surface) != DD_OK) return nullptr;
    return Adopt(surface);
  }

  // Releases the surface with the others; passes a null one through.
  LPDIRECTDRAWSURFACE Adopt(LPDIRECTDRAWSURFACE surface) {
    if (surface) surfaces_.push_back(surface);
    return surface;
  }

 private:
  IDirectDraw* dd_ = nullptr;
  std::vector<LPDIRECTDRAWSURFACE> surfaces_;
};

}  // namespace test
