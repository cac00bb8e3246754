// GDI look-alike: bitmaps loaded from files, memory device contexts, device
// contexts on surfaces, a stretching copy and single pixels.
#include "platform/gdi.h"

#include <algorithm>
#include <memory>
#include <new>
#include <unordered_set>
#include <vector>

#include "platform/bitmap_file.h"
#include "platform/ddraw.h"
#include "platform/system.h"

struct HBITMAP__ {
  platform::Image image;
};

struct HDC__ {
  HBITMAP selected = nullptr;             // memory context
  IDirectDrawSurface* surface = nullptr;  // context of a surface
};

namespace {

// Handles given out and not yet deleted: a stale or foreign handle is refused
// instead of being followed.
std::unordered_set<const void*>& LiveBitmaps() {
  static std::unordered_set<const void*> bitmaps;
  return bitmaps;
}
std::unordered_set<const void*>& LiveDCs() {
  static std::unordered_set<const void*> dcs;
  return dcs;
}

bool IsLiveBitmap(HGDIOBJ object) {
  return object && LiveBitmaps().contains(object);
}
bool IsLiveDC(HDC dc) {
  return dc && LiveDCs().contains(dc);
}

// Nearest-neighbour resampling of a rectangle of the picture.
platform::Image Resample(const platform::Image& from, int sx, int sy, int sw, int sh, int dw,
                         int dh) {
  platform::Image out(dw, dh);
  for (int y = 0; y < dh; ++y) {
    const int from_y = sy + int(std::int64_t(y) * sh / dh);
    for (int x = 0; x < dw; ++x)
      out.at(x, y) = from.at(sx + int(std::int64_t(x) * sw / dw), from_y);
  }
  return out;
}

constexpr COLORREF XrgbToColorref(std::uint32_t xrgb) {
  return RGB(BYTE(xrgb >> 16), BYTE(xrgb >> 8), BYTE(xrgb));
}
constexpr std::uint32_t ColorrefToXrgb(COLORREF c) {
  return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

}  // namespace

namespace platform {

HDC__* CreateSurfaceDC(IDirectDrawSurface* surface) {
  auto* dc = new HDC__{nullptr, surface};
  LiveDCs().insert(dc);
  return dc;
}

void DeleteSurfaceDC(HDC__* dc) {
  if (!IsLiveDC(dc)) return;
  LiveDCs().erase(dc);
  delete dc;
}

}  // namespace platform

HANDLE LoadImage(HINSTANCE, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
  if (type != IMAGE_BITMAP || !name || !(flags & LR_LOADFROMFILE)) return nullptr;
  if (cx < 0 || cy < 0 || cx > platform::kMaxBitmapSide || cy > platform::kMaxBitmapSide) {
    return nullptr;
  }
  std::optional<platform::Image> image = platform::LoadBitmapFile(name);
  if (!image) return nullptr;
  try {
    auto bitmap = std::make_unique<HBITMAP__>();
    const int w = cx ? cx : image->width;
    const int h = cy ? cy : image->height;
    bitmap->image = (w == image->width && h == image->height)
                        ? std::move(*image)
                        : Resample(*image, 0, 0, image->width, image->height, w, h);
    LiveBitmaps().insert(bitmap.get());
    return bitmap.release();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

int GetObject(HGDIOBJ object, int size, LPVOID out) {
  if (!IsLiveBitmap(object) || !out || size < int(sizeof(BITMAP))) return 0;
  const platform::Image& image = static_cast<HBITMAP__*>(object)->image;
  auto* bm = static_cast<BITMAP*>(out);
  *bm = BITMAP{0, image.width, image.height, LONG((image.width * 3 + 3) & ~3), 1, 24, nullptr};
  return int(sizeof(BITMAP));
}

HDC CreateCompatibleDC(HDC) {
  auto* dc = new HDC__{};
  LiveDCs().insert(dc);
  return dc;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  if (!IsLiveDC(dc) || dc->surface || !IsLiveBitmap(object)) return nullptr;
  HBITMAP previous = dc->selected;
  dc->selected = static_cast<HBITMAP>(object);
  return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
  if (!IsLiveBitmap(object)) return FALSE;
  LiveBitmaps().erase(object);
  delete static_cast<HBITMAP>(object);
  return TRUE;
}

BOOL DeleteDC(HDC dc) {
  if (!IsLiveDC(dc) || dc->surface) return FALSE;
  LiveDCs().erase(dc);
  delete dc;
  return TRUE;
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
                int swidth, int sheight, DWORD rop) {
  if (rop != SRCCOPY || !IsLiveDC(dest) || !IsLiveDC(source)) return FALSE;
  if (!IsLiveBitmap(source->selected) || width <= 0 || height <= 0 || swidth <= 0 || sheight <= 0) {
    return FALSE;
  }
  const platform::Image& from = source->selected->image;
  if (sx < 0 || sy < 0 || sx + swidth > from.width || sy + sheight > from.height) return FALSE;
  try {
    // Unstretched copies, every picture loaded, read the bitmap directly.
    const bool same_size = width == swidth && height == sheight;
    const platform::Image resampled =
        same_size ? platform::Image() : Resample(from, sx, sy, swidth, sheight, width, height);
    const platform::Image& picture = same_size ? from : resampled;
    const int ox = same_size ? sx : 0, oy = same_size ? sy : 0;
    // The destination clips, as a device context does.
    if (dest->surface) {
      IDirectDrawSurface& s = *dest->surface;
      const int x0 = std::max(x, 0), x1 = std::min(x + width, s.Width());
      for (int row = std::max(y, 0); row < std::min(y + height, s.Height()); ++row) {
        if (x0 >= x1) break;
        platform::XrgbToRgb565(
            picture.pixels.data() + std::size_t(oy + row - y) * picture.width + (ox + x0 - x),
            s.Pixels() + std::size_t(row) * s.PitchPixels() + x0, x1 - x0);
      }
    } else if (IsLiveBitmap(dest->selected)) {
      platform::Image& to = dest->selected->image;
      for (int row = std::max(y, 0); row < std::min(y + height, to.height); ++row) {
        for (int col = std::max(x, 0); col < std::min(x + width, to.width); ++col) {
          to.at(col, row) = picture.at(ox + col - x, oy + row - y);
        }
      }
    }
    return TRUE;
  } catch (const std::bad_alloc&) {
    return FALSE;
  }
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  if (!IsLiveDC(dc)) return CLR_INVALID;
  if (dc->surface) {
    IDirectDrawSurface& s = *dc->surface;
    if (x < 0 || y < 0 || x >= s.Width() || y >= s.Height()) return CLR_INVALID;
    const std::uint16_t pixel = platform::XrgbToRgb565(ColorrefToXrgb(color));
    s.Pixels()[std::size_t(y) * s.PitchPixels() + x] = pixel;
    return XrgbToColorref(platform::Rgb565ToXrgb(pixel));
  }
  if (!IsLiveBitmap(dc->selected)) return CLR_INVALID;
  platform::Image& image = dc->selected->image;
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return CLR_INVALID;
  image.at(x, y) = ColorrefToXrgb(color);
  return color;
}

COLORREF GetPixel(HDC dc, int x, int y) {
  if (!IsLiveDC(dc)) return CLR_INVALID;
  if (dc->surface) {
    const IDirectDrawSurface& s = *dc->surface;
    if (x < 0 || y < 0 || x >= s.Width() || y >= s.Height()) return CLR_INVALID;
    return XrgbToColorref(platform::Rgb565ToXrgb(s.PixelAt(x, y)));
  }
  if (!IsLiveBitmap(dc->selected)) return CLR_INVALID;
  const platform::Image& image = dc->selected->image;
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return CLR_INVALID;
  return XrgbToColorref(image.at(x, y));
}
