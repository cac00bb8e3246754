// The DirectDraw calls the game uses, over software RGB565 surfaces: the
// display object, a primary surface with one back buffer and its flip,
// off-screen surfaces, blits (stretch, source colour key, colour fill), locks.
// There is no clipper: a rectangle that leaves a surface fails the blit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gdi.h"
#include "platform/pending_pixels.h"
#include "platform/win32.h"

constexpr HRESULT MakeDDHResult(unsigned code) {
  return static_cast<HRESULT>(static_cast<std::int32_t>(0x88760000U | code));
}

constexpr HRESULT DD_OK = 0;
constexpr HRESULT DDERR_GENERIC = E_FAIL;
constexpr HRESULT DDERR_INVALIDPARAMS = E_INVALIDARG;
constexpr HRESULT DDERR_OUTOFMEMORY = E_OUTOFMEMORY;
constexpr HRESULT DDERR_INVALIDMODE = MakeDDHResult(80);
constexpr HRESULT DDERR_INVALIDOBJECT = MakeDDHResult(130);
constexpr HRESULT DDERR_INVALIDRECT = MakeDDHResult(150);
constexpr HRESULT DDERR_NOTFOUND = MakeDDHResult(255);
constexpr HRESULT DDERR_SURFACEBUSY = MakeDDHResult(430);
constexpr HRESULT DDERR_SURFACELOST = MakeDDHResult(450);
constexpr HRESULT DDERR_WASSTILLDRAWING = MakeDDHResult(540);
constexpr HRESULT DDERR_NOTFLIPPABLE = MakeDDHResult(582);
constexpr HRESULT DDERR_NOTLOCKED = MakeDDHResult(584);
constexpr HRESULT DDERR_CANTCREATEDC = MakeDDHResult(589);
constexpr HRESULT DDERR_DCALREADYCREATED = MakeDDHResult(620);

// Surface description flags.
constexpr DWORD DDSD_CAPS = 0x00000001;
constexpr DWORD DDSD_HEIGHT = 0x00000002;
constexpr DWORD DDSD_WIDTH = 0x00000004;
constexpr DWORD DDSD_PITCH = 0x00000008;
constexpr DWORD DDSD_BACKBUFFERCOUNT = 0x00000020;
constexpr DWORD DDSD_PIXELFORMAT = 0x00001000;

// Capabilities.
constexpr DWORD DDSCAPS_BACKBUFFER = 0x00000004;
constexpr DWORD DDSCAPS_COMPLEX = 0x00000008;
constexpr DWORD DDSCAPS_FLIP = 0x00000010;
constexpr DWORD DDSCAPS_FRONTBUFFER = 0x00000020;
constexpr DWORD DDSCAPS_OFFSCREENPLAIN = 0x00000040;
constexpr DWORD DDSCAPS_PRIMARYSURFACE = 0x00000200;
constexpr DWORD DDSCAPS_SYSTEMMEMORY = 0x00000800;
constexpr DWORD DDSCAPS_VIDEOMEMORY = 0x00004000;

// Blit, flip, lock, colour key and cooperative-level flags.
constexpr DWORD DDBLT_COLORFILL = 0x00000400;
constexpr DWORD DDBLT_KEYSRC = 0x00008000;
constexpr DWORD DDBLT_WAIT = 0x01000000;
constexpr DWORD DDFLIP_WAIT = 0x00000001;
constexpr DWORD DDLOCK_WAIT = 0x00000001;
constexpr DWORD DDCKEY_SRCBLT = 0x00000008;
constexpr DWORD DDSCL_FULLSCREEN = 0x00000001;
constexpr DWORD DDSCL_NORMAL = 0x00000008;
constexpr DWORD DDSCL_EXCLUSIVE = 0x00000010;
constexpr DWORD DDPF_RGB = 0x00000040;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFFUL;

struct DDCOLORKEY {
  DWORD dwColorSpaceLowValue;
  DWORD dwColorSpaceHighValue;
};

struct DDPIXELFORMAT {
  DWORD dwSize;
  DWORD dwFlags;
  DWORD dwRGBBitCount;
  DWORD dwRBitMask;
  DWORD dwGBitMask;
  DWORD dwBBitMask;
};

struct DDSCAPS {
  DWORD dwCaps;
};

struct DDSURFACEDESC {
  DWORD dwSize;
  DWORD dwFlags;
  DWORD dwHeight;
  DWORD dwWidth;
  LONG lPitch;
  DWORD dwBackBufferCount;
  LPVOID lpSurface;
  DDPIXELFORMAT ddpfPixelFormat;
  DDSCAPS ddsCaps;
};
using LPDDSURFACEDESC = DDSURFACEDESC*;

struct DDBLTFX {
  DWORD dwSize;
  DWORD dwFillColor;
};
using LPDDBLTFX = DDBLTFX*;

class IDirectDrawSurface;
class IDirectDraw;

// A surface pointer that can be used while null: every call through a null
// LPDIRECTDRAWSURFACE fails with DDERR_INVALIDPARAMS instead of crashing, so a
// picture that failed to load is reported by each drawing call and skipped.
class LPDIRECTDRAWSURFACE {
 public:
  LPDIRECTDRAWSURFACE() = default;
  LPDIRECTDRAWSURFACE(std::nullptr_t) {}
  LPDIRECTDRAWSURFACE(IDirectDrawSurface* surface) : surface_(surface) {}
  IDirectDrawSurface* operator->() const;
  IDirectDrawSurface* get() const { return surface_; }
  explicit operator bool() const { return surface_ != nullptr; }
  friend bool operator==(const LPDIRECTDRAWSURFACE& a, const LPDIRECTDRAWSURFACE& b) = default;
  friend bool operator==(const LPDIRECTDRAWSURFACE& a, std::nullptr_t) { return !a.surface_; }

 private:
  IDirectDrawSurface* surface_ = nullptr;
};

// Software surface of 16-bit RGB565 pixels.
class IDirectDrawSurface {
 public:
  IDirectDrawSurface(const IDirectDrawSurface&) = delete;
  IDirectDrawSurface& operator=(const IDirectDrawSurface&) = delete;
  ~IDirectDrawSurface();  // use Release

  HRESULT Blt(LPRECT dest_rect, LPDIRECTDRAWSURFACE source, LPRECT source_rect, DWORD flags,
              LPDDBLTFX fx);
  HRESULT Flip(LPDIRECTDRAWSURFACE target_override, DWORD flags);
  HRESULT GetAttachedSurface(DDSCAPS* caps, LPDIRECTDRAWSURFACE* attached);
  HRESULT GetSurfaceDesc(LPDDSURFACEDESC desc);
  HRESULT Lock(LPRECT rect, LPDDSURFACEDESC desc, DWORD flags, HANDLE event);
  HRESULT Unlock(LPVOID pointer);
  HRESULT SetColorKey(DWORD flags, DDCOLORKEY* key);
  HRESULT GetDC(HDC* dc);
  HRESULT ReleaseDC(HDC dc);
  HRESULT Restore();
  ULONG Release();

  // Port-side access, for the backend, screenshots and tests.
  int Width() const { return width_; }
  int Height() const { return height_; }
  int PitchPixels() const { return pitch_; }
  std::uint16_t* Pixels() {
    PrepareForWrites();
    return pixels_.data();
  }
  const std::uint16_t* Pixels() const {
    SettlePending();
    return pixels_.data();
  }
  std::uint16_t PixelAt(int x, int y) const {
    SettlePending();
    return pixels_[std::size_t(y) * pitch_ + x];
  }

  // The stand-in behind a null LPDIRECTDRAWSURFACE.
  static IDirectDrawSurface& NullSurface();

 private:
  friend class IDirectDraw;
  struct OpaqueRun {
    std::uint16_t start;
    std::uint16_t end;  // one past the last opaque pixel
  };
  // Columns per entry of the index that finds a row's first run at a column.
  static constexpr int kRunIndexStep = 16;

  IDirectDrawSurface() = default;  // the null surface
  IDirectDrawSurface(int width, int height, DWORD caps);

  bool IsWhole(const RECT& r) const;
  // Makes the pending pixels, before the pixels are looked at as they are.
  void SettlePending() const;
  // The pixels of this surface stand for the source's until they are made;
  // the source makes them before its own change or go.
  void StartPendingCopy(IDirectDrawSurface& source);
  void ForgetPendingSource();
  // Before the pixels of this surface change: the pending copies of them are made.
  void SettleCopiesOfThis();
  // Before the pixels are handed out to be read and written as they are.
  void PrepareForWrites();
  bool IsNull() const { return width_ == 0; }
  bool ContainsRect(const RECT& r) const;
  void MarkChanged() { runs_valid_ = false; }
  void BuildOpaqueRuns();
  const OpaqueRun* FirstRunEndingAfter(int row, int column) const;
  void CopyOpaque(const RECT& dest, const IDirectDrawSurface& source, const RECT& src);
  void CopyKeyed(const RECT& dest, IDirectDrawSurface& source, const RECT& src);
  void CopyStretched(const RECT& dest, const IDirectDrawSurface& source, const RECT& src,
                     bool keyed);

  int width_ = 0;
  int height_ = 0;
  int pitch_ = 0;  // in pixels; wider than the width, as display memory often is
  DWORD caps_ = 0;
  ULONG refs_ = 1;
  std::vector<std::uint16_t> pixels_;
  platform::PendingPixels pending_;                  // a whole-surface fill or copy not made yet
  IDirectDrawSurface* pending_source_ = nullptr;     // the surface a pending copy reads
  std::vector<IDirectDrawSurface*> pending_copies_;  // the surfaces with a pending copy of this
  bool locked_ = false;
  bool has_key_ = false;
  std::uint16_t key_ = 0;
  IDirectDrawSurface* back_buffer_ = nullptr;  // holds a reference; only on the primary
  HDC dc_ = nullptr;                           // while GetDC has given one out
  // Opaque runs of the keyed picture, per row: found once, when first needed
  // after the pixels or the key changed, so keyed blits copy spans only.
  bool runs_valid_ = false;
  std::vector<std::uint32_t> row_runs_;  // index of each row's first run; one more at the end
  std::vector<OpaqueRun> runs_;
  // Per row, every kRunIndexStep columns: the first run ending after that
  // column, counted from the row's first run, so a blit of a frame in the
  // middle of a sheet skips the runs on its left in one step.
  std::vector<std::uint16_t> run_index_;
  int run_index_stride_ = 0;  // entries per row
};

class IDirectDraw {
 public:
  HRESULT SetCooperativeLevel(HWND hwnd, DWORD flags);
  HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bits_per_pixel);
  HRESULT CreateSurface(LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE* surface, void* outer);
  ULONG Release();

 private:
  friend HRESULT DirectDrawCreate(void* guid, IDirectDraw** dd, void* outer);
  IDirectDraw() = default;
  int mode_width_ = 640;
  int mode_height_ = 480;
};
using LPDIRECTDRAW = IDirectDraw*;

HRESULT DirectDrawCreate(void* guid, IDirectDraw** dd, void* outer);
