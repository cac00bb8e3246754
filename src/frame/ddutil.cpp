// Bitmap loading, colour keys and drawing helpers.
#include "frame/ddutil.h"

#include <algorithm>
#include <cstring>

#include "frame/logfile.h"

namespace {

constexpr const char kCopyContext[] =
    "ddutil extern C HRESULT DDCopyBitmap(IDirectDrawSurface *pdds, HBITMAP hbm, int x, int y, "
    "int dx, int dy)";
constexpr const char kRectangleContext[] = "icone  void Draw_Rectangle(...) 001 \n";
constexpr std::uint16_t kOutlineRed = 0xF800;

}  // namespace

HRESULT CreateOffscreenSurface(IDirectDraw* pdd, int width, int height,
                               LPDIRECTDRAWSURFACE* surface) {
  if (!pdd || width <= 0 || height <= 0) return DDERR_INVALIDPARAMS;
  DDSURFACEDESC ddsd{};
  ddsd.dwSize = 108;
  ddsd.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
  ddsd.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  ddsd.dwWidth = DWORD(width);
  ddsd.dwHeight = DWORD(height);
  return pdd->CreateSurface(&ddsd, surface, nullptr);
}

LPDIRECTDRAWSURFACE DDLoadBitmap(IDirectDraw* pdd, LPCSTR szBitmap, int dx, int dy) {
  // First as a resource of the executable (it carries none), then as a file.
  auto hbm =
      static_cast<HBITMAP>(LoadImage(nullptr, szBitmap, IMAGE_BITMAP, dx, dy, LR_CREATEDIBSECTION));
  if (!hbm) {
    hbm = static_cast<HBITMAP>(
        LoadImage(nullptr, szBitmap, IMAGE_BITMAP, dx, dy, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  }
  if (!hbm) return nullptr;
  BITMAP bm{};
  GetObject(hbm, sizeof(bm), &bm);

  LPDIRECTDRAWSURFACE pdds;
  if (CreateOffscreenSurface(pdd, int(bm.bmWidth), int(bm.bmHeight), &pdds) != DD_OK) {
    DeleteObject(hbm);
    return nullptr;
  }
  DDCopyBitmap(pdds, hbm, 0, 0, 0, 0);
  DeleteObject(hbm);
  return pdds;
}

HRESULT DDCopyBitmap(LPDIRECTDRAWSURFACE pdds, HBITMAP hbm, int x, int y, int dx, int dy) {
  if (!hbm || !pdds) return E_FAIL;
  pdds->Restore();
  HDC hdc_image = CreateCompatibleDC(nullptr);
  if (!hdc_image) OutputDebugStringA("createcompatible dc failed\n");
  SelectObject(hdc_image, hbm);

  BITMAP bm{};
  GetObject(hbm, sizeof(bm), &bm);
  dx = dx == 0 ? int(bm.bmWidth) : dx;
  dy = dy == 0 ? int(bm.bmHeight) : dy;

  DDSURFACEDESC ddsd{};
  ddsd.dwSize = 108;
  ddsd.dwFlags = DDSD_HEIGHT | DDSD_WIDTH;
  pdds->GetSurfaceDesc(&ddsd);

  HDC hdc;
  const HRESULT hr = pdds->GetDC(&hdc);
  ReportDXError(kCopyContext, hr);
  if (hr == DD_OK) {
    StretchBlt(hdc, 0, 0, int(ddsd.dwWidth), int(ddsd.dwHeight), hdc_image, x, y, dx, dy, SRCCOPY);
    pdds->ReleaseDC(hdc);
  }
  DeleteDC(hdc_image);
  return hr;
}

DWORD DDColorMatch(LPDIRECTDRAWSURFACE pdds, COLORREF rgb) {
  COLORREF saved = CLR_INVALID;
  HDC hdc;
  if (rgb != CLR_INVALID && pdds->GetDC(&hdc) == DD_OK) {
    saved = GetPixel(hdc, 0, 0);
    SetPixel(hdc, 0, 0, rgb);
    pdds->ReleaseDC(hdc);
  }

  DWORD value = CLR_INVALID;
  DDSURFACEDESC ddsd{};
  ddsd.dwSize = 108;
  HRESULT hr;
  while ((hr = pdds->Lock(nullptr, &ddsd, 0, nullptr)) == DDERR_WASSTILLDRAWING) {
  }
  if (hr == DD_OK) {
    // The first 32 bits at the surface start, cut to the pixel depth.
    std::uint32_t first = 0;
    std::memcpy(&first, ddsd.lpSurface, ddsd.dwWidth >= 2 ? 4 : 2);
    const DWORD bits = ddsd.ddpfPixelFormat.dwRGBBitCount;
    value = bits < 32 ? DWORD(first & ((1U << bits) - 1)) : DWORD(first);
    pdds->Unlock(nullptr);
  }

  if (rgb != CLR_INVALID && pdds->GetDC(&hdc) == DD_OK) {
    SetPixel(hdc, 0, 0, saved);
    pdds->ReleaseDC(hdc);
  }
  return value;
}

HRESULT DDSetColorKey(LPDIRECTDRAWSURFACE pdds, COLORREF rgb) {
  DDCOLORKEY key;
  key.dwColorSpaceLowValue = DDColorMatch(pdds, rgb);
  key.dwColorSpaceHighValue = key.dwColorSpaceLowValue;
  return pdds->SetColorKey(DDCKEY_SRCBLT, &key);
}

// Pixels outside the surface are left out: the outline of a rectangle that
// leaves the surface is drawn only where it lies on it.
void Draw_Rectangle(LPDIRECTDRAWSURFACE surface, int x0, int y0, int x1, int y1) {
  DDSURFACEDESC ddsd{};
  ddsd.dwSize = 108;
  HRESULT hr = surface->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr);
  ReportDXError(kRectangleContext, hr);
  if (hr != DD_OK) return;
  auto* bytes = static_cast<unsigned char*>(ddsd.lpSurface);
  const int width = int(ddsd.dwWidth), height = int(ddsd.dwHeight);
  auto plot = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    const std::uint16_t red = kOutlineRed;
    std::memcpy(bytes + std::ptrdiff_t(y) * ddsd.lPitch + std::ptrdiff_t(x) * 2, &red, 2);
  };
  for (int x = std::max(x0, 0); x <= std::min(x1, width - 1); ++x) {
    plot(x, y0);
    plot(x, y1);
  }
  for (int y = std::max(y0, 0); y <= std::min(y1, height - 1); ++y) {
    plot(x0, y);
    plot(x1, y);
  }
  hr = surface->Unlock(nullptr);
  ReportDXError(kRectangleContext, hr);
}

RECT* MakeRect(RECT* out, int left, int top, int right, int bottom) {
  *out = RECT{left, top, right, bottom};
  return out;
}

bool PointInRect(int px, int py, int left, int top, int right, int bottom) {
  return left <= px && px <= right && top <= py && py <= bottom;
}

void ReleaseSurface(LPDIRECTDRAWSURFACE& surface) {
  if (surface) surface->Release();
  surface = nullptr;
}
