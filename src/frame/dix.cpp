// The display set-up, flip and release.
#include "frame/dix.h"

#include <string>

#include "frame/logfile.h"

LPDIRECTDRAW lpDD = nullptr;
LPDIRECTDRAWSURFACE lpDDSPrimary = nullptr;
LPDIRECTDRAWSURFACE lpDDSBack = nullptr;

namespace {

void Report(const char* step, HRESULT hr) {
  const std::string context =
      std::string("void InstallDirectXBack(HWND hwnd, int tx,int ty,int colors) ") + step;
  ReportDXError(context.c_str(), hr);
}

// A step on a DirectDraw object that could not be made fails like any other
// call, and the next step runs.
template <typename Call>
HRESULT OnDirectDraw(Call call) {
  return lpDD ? call(*lpDD) : DDERR_INVALIDPARAMS;
}

}  // namespace

void InstallDirectXBack(HWND hwnd, int tx, int ty, int colors) {
  Report("DirectDrawCreate", DirectDrawCreate(nullptr, &lpDD, nullptr));
  Report("SetCooperativeLevel", OnDirectDraw([hwnd](auto& dd) {
           return dd.SetCooperativeLevel(hwnd, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
         }));
  Report("SetDisplayMode", OnDirectDraw([=](auto& dd) {
           return dd.SetDisplayMode(DWORD(tx), DWORD(ty), DWORD(colors));
         }));

  DDSURFACEDESC ddsd{};
  ddsd.dwSize = 108;
  ddsd.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  ddsd.ddsCaps.dwCaps =
      DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX | DDSCAPS_VIDEOMEMORY;
  ddsd.dwBackBufferCount = 1;
  Report("CreateSurface", OnDirectDraw([&ddsd](auto& dd) {
           return dd.CreateSurface(&ddsd, &lpDDSPrimary, nullptr);
         }));

  DDSCAPS caps{DDSCAPS_BACKBUFFER};
  Report("GetAttachedSurface", lpDDSPrimary->GetAttachedSurface(&caps, &lpDDSBack));
}

void FlipScreen() {
  lpDDSPrimary->Flip(nullptr, DDFLIP_WAIT);
}

void ReleaseDisplay() {
  if (!lpDD) return;
  if (lpDDSBack) {
    lpDDSBack->Release();
    lpDDSBack = nullptr;
    OutputDebugStringA("nettoi de lpDDSBack !\n");
  }
  if (lpDDSPrimary) {
    lpDDSPrimary->Release();
    lpDDSPrimary = nullptr;
    OutputDebugStringA("nettoi de lpDDSPrimary !\n");
  }
  lpDD->Release();
  lpDD = nullptr;
  OutputDebugStringA("nettoi de lpDD !\n");
}
