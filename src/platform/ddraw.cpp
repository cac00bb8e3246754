// DirectDraw look-alike over software RGB565 surfaces.
#include "platform/ddraw.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "platform/backend.h"
#include "platform/bitmap_file.h"
#include "platform/system.h"

namespace {

// A surface the game makes may be taller than any picture it loads (the
// briefing's text is drawn on a page 3200 pixels high).
constexpr int kMaxSurfaceSide = 2 * platform::kMaxBitmapSide;

int RectWidth(const RECT& r) {
  return int(r.right - r.left);
}
int RectHeight(const RECT& r) {
  return int(r.bottom - r.top);
}

bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Copies `count` pixels, at least one. Opaque runs of sprites are mostly a
// few pixels long, where a call to memcpy costs more than the copy itself:
// short spans are copied inline, in blocks of which the last may overlap the
// one before. The two spans must not overlap.
template <int kPixels>
void CopyBlock(std::uint16_t* to, const std::uint16_t* from) {
  std::memcpy(to, from, kPixels * sizeof(std::uint16_t));
}

void CopyPixels(std::uint16_t* to, const std::uint16_t* from, int count) {
  if (count > 64) {
    std::memcpy(to, from, std::size_t(count) * sizeof(std::uint16_t));
  } else if (count >= 8) {
    for (int i = 0; i + 8 < count; i += 8) CopyBlock<8>(to + i, from + i);
    CopyBlock<8>(to + count - 8, from + count - 8);
  } else if (count >= 4) {
    CopyBlock<4>(to, from);
    CopyBlock<4>(to + count - 4, from + count - 4);
  } else if (count >= 2) {
    CopyBlock<2>(to, from);
    CopyBlock<2>(to + count - 2, from + count - 2);
  } else {
    *to = *from;
  }
}

// The terrain tiles' width: a frame blits some 380 of them.
constexpr int kTileSide = 32;

// Rows of a width known at compile time: each row is a few register moves
// rather than a call to memcpy.
template <int kWidth>
void CopyRows(std::uint16_t* to, int to_pitch, const std::uint16_t* from, int from_pitch,
              int rows) {
  for (int y = 0; y < rows; ++y, to += to_pitch, from += from_pitch) {
    std::memcpy(to, from, kWidth * sizeof(std::uint16_t));
  }
}

void CopyRows(std::uint16_t* to, int to_pitch, const std::uint16_t* from, int from_pitch, int rows,
              int width) {
  for (int y = 0; y < rows; ++y, to += to_pitch, from += from_pitch) {
    std::memcpy(to, from, std::size_t(width) * sizeof(std::uint16_t));
  }
}

void FillDescription(int width, int height, int pitch_pixels, DWORD caps, LPDDSURFACEDESC desc) {
  desc->dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT;
  desc->dwWidth = DWORD(width);
  desc->dwHeight = DWORD(height);
  desc->lPitch = LONG(pitch_pixels) * 2;
  desc->ddpfPixelFormat =
      DDPIXELFORMAT{sizeof(DDPIXELFORMAT), DDPF_RGB, 16, 0xF800, 0x07E0, 0x001F};
  desc->ddsCaps.dwCaps = caps;
}

}  // namespace

IDirectDrawSurface* LPDIRECTDRAWSURFACE::operator->() const {
  return surface_ ? surface_ : &IDirectDrawSurface::NullSurface();
}

IDirectDrawSurface& IDirectDrawSurface::NullSurface() {
  static IDirectDrawSurface null_surface;
  return null_surface;
}

IDirectDrawSurface::IDirectDrawSurface(int width, int height, DWORD caps)
    : width_(width),
      height_(height),
      pitch_((width + 3) & ~3),
      caps_(caps),
      pixels_(std::size_t(pitch_) * std::size_t(height), 0) {}

IDirectDrawSurface::~IDirectDrawSurface() {
  SettleCopiesOfThis();
  ForgetPendingSource();
  if (back_buffer_) back_buffer_->Release();
  if (dc_) platform::DeleteSurfaceDC(dc_);
}

bool IDirectDrawSurface::ContainsRect(const RECT& r) const {
  return r.left >= 0 && r.top >= 0 && r.left < r.right && r.top < r.bottom && r.right <= width_ &&
         r.bottom <= height_;
}

HRESULT IDirectDrawSurface::Blt(LPRECT dest_rect, LPDIRECTDRAWSURFACE source, LPRECT source_rect,
                                DWORD flags, LPDDBLTFX fx) {
  if (IsNull()) return DDERR_INVALIDPARAMS;
  if (locked_ || dc_) return DDERR_SURFACEBUSY;
  const RECT dest = dest_rect ? *dest_rect : RECT{0, 0, width_, height_};
  if (!ContainsRect(dest)) return DDERR_INVALIDRECT;

  if (flags & DDBLT_COLORFILL) {
    if (!fx) return DDERR_INVALIDPARAMS;
    const auto colour = static_cast<std::uint16_t>(fx->dwFillColor);
    SettleCopiesOfThis();
    if (IsWhole(dest)) {
      ForgetPendingSource();
      pending_.StartFill(height_, width_, colour);
    } else {
      pending_.Cover(pixels_.data(), pitch_, dest);
      for (LONG y = dest.top; y < dest.bottom; ++y) {
        std::fill_n(&pixels_[std::size_t(y) * pitch_ + dest.left], RectWidth(dest), colour);
      }
    }
    MarkChanged();
    return DD_OK;
  }

  IDirectDrawSurface* from = source.get();
  if (!from || from->IsNull()) return DDERR_INVALIDPARAMS;
  if (from->locked_ || from->dc_) return DDERR_SURFACEBUSY;
  const RECT src = source_rect ? *source_rect : RECT{0, 0, from->width_, from->height_};
  if (!from->ContainsRect(src)) return DDERR_INVALIDRECT;
  from->pending_.Settle(from->pixels_.data(), from->pitch_, src);
  SettleCopiesOfThis();

  // A copy within one surface whose rectangles overlap reads from a snapshot.
  std::unique_ptr<IDirectDrawSurface> snapshot;
  RECT read = src;
  if (from == this && Overlap(dest, src)) {
    try {
      snapshot.reset(new IDirectDrawSurface(RectWidth(src), RectHeight(src), 0));
    } catch (const std::bad_alloc&) {
      return DDERR_OUTOFMEMORY;
    }
    for (int y = 0; y < RectHeight(src); ++y) {
      std::memcpy(snapshot->pixels_.data() + std::size_t(y) * snapshot->pitch_,
                  &pixels_[std::size_t(src.top + y) * pitch_ + src.left], RectWidth(src) * 2);
    }
    snapshot->has_key_ = has_key_;
    snapshot->key_ = key_;
    from = snapshot.get();
    read = RECT{0, 0, RectWidth(src), RectHeight(src)};
  }

  const bool keyed = (flags & DDBLT_KEYSRC) && from->has_key_;
  if (!keyed && from == source.get() && from != this && IsWhole(dest) && from->IsWhole(src) &&
      from->width_ == width_ && from->height_ == height_) {
    StartPendingCopy(*from);
    MarkChanged();
    return DD_OK;
  }
  if (keyed) {
    pending_.Settle(pixels_.data(), pitch_, dest);
  } else {
    pending_.Cover(pixels_.data(), pitch_, dest);
  }
  if (RectWidth(dest) == RectWidth(read) && RectHeight(dest) == RectHeight(read)) {
    if (keyed) {
      CopyKeyed(dest, *from, read);
    } else {
      CopyOpaque(dest, *from, read);
    }
  } else {
    CopyStretched(dest, *from, read, keyed);
  }
  MarkChanged();
  return DD_OK;
}

void IDirectDrawSurface::CopyOpaque(const RECT& dest, const IDirectDrawSurface& source,
                                    const RECT& src) {
  std::uint16_t* to = pixels_.data() + std::size_t(dest.top) * pitch_ + dest.left;
  const std::uint16_t* from =
      source.pixels_.data() + std::size_t(src.top) * source.pitch_ + src.left;
  const int rows = RectHeight(dest);
  if (RectWidth(dest) == kTileSide) {
    CopyRows<kTileSide>(to, pitch_, from, source.pitch_, rows);
  } else {
    CopyRows(to, pitch_, from, source.pitch_, rows, RectWidth(dest));
  }
}

void IDirectDrawSurface::CopyKeyed(const RECT& dest, IDirectDrawSurface& source, const RECT& src) {
  if (!source.runs_valid_) source.BuildOpaqueRuns();
  const int left = int(src.left), right = int(src.right);
  const std::uint16_t* from = source.pixels_.data() + std::size_t(src.top) * source.pitch_;
  std::uint16_t* to = pixels_.data() + std::size_t(dest.top) * pitch_ + dest.left;
  for (int row = int(src.top); row < src.bottom; ++row) {
    const OpaqueRun* last = source.runs_.data() + source.row_runs_[row + 1];
    const OpaqueRun* run = source.FirstRunEndingAfter(row, left);
    for (; run != last && run->start < right; ++run) {
      const int begin = std::max<int>(run->start, left);
      const int end = std::min<int>(run->end, right);
      CopyPixels(to + (begin - left), from + begin, end - begin);
    }
    from += source.pitch_;
    to += pitch_;
  }
}

void IDirectDrawSurface::CopyStretched(const RECT& dest, const IDirectDrawSurface& source,
                                       const RECT& src, bool keyed) {
  const int dw = RectWidth(dest), dh = RectHeight(dest);
  const int sw = RectWidth(src), sh = RectHeight(src);
  std::vector<int> columns(static_cast<std::size_t>(dw));
  for (int x = 0; x < dw; ++x) columns[x] = int(src.left + std::int64_t(x) * sw / dw);
  for (int y = 0; y < dh; ++y) {
    const std::size_t from_row = std::size_t(src.top + std::int64_t(y) * sh / dh) * source.pitch_;
    std::uint16_t* to = &pixels_[std::size_t(dest.top + y) * pitch_ + dest.left];
    for (int x = 0; x < dw; ++x) {
      const std::uint16_t pixel = source.pixels_[from_row + columns[x]];
      if (!keyed || pixel != source.key_) to[x] = pixel;
    }
  }
}

bool IDirectDrawSurface::IsWhole(const RECT& r) const {
  return r.left == 0 && r.top == 0 && r.right == width_ && r.bottom == height_;
}

// Making pending pixels changes no pixel anybody can see: the surface reads
// the same before and after, so even a const look may make them.
void IDirectDrawSurface::SettlePending() const {
  auto* self = const_cast<IDirectDrawSurface*>(this);
  self->pending_.SettleAll(self->pixels_.data(), pitch_);
  self->ForgetPendingSource();
}

void IDirectDrawSurface::StartPendingCopy(IDirectDrawSurface& source) {
  source.SettlePending();  // the copy reads its pixels as they are
  ForgetPendingSource();
  pending_.StartCopy(height_, width_, source.pixels_.data(), source.pitch_);
  pending_source_ = &source;
  source.pending_copies_.push_back(this);
}

void IDirectDrawSurface::ForgetPendingSource() {
  if (!pending_source_) return;
  std::erase(pending_source_->pending_copies_, this);
  pending_source_ = nullptr;
}

void IDirectDrawSurface::SettleCopiesOfThis() {
  if (pending_copies_.empty()) return;
  const std::vector<IDirectDrawSurface*> copies = std::move(pending_copies_);
  pending_copies_.clear();
  for (IDirectDrawSurface* copy : copies) {
    copy->pending_.SettleAll(copy->pixels_.data(), copy->pitch_);
    copy->pending_source_ = nullptr;
  }
}

void IDirectDrawSurface::PrepareForWrites() {
  SettlePending();
  SettleCopiesOfThis();
}

void IDirectDrawSurface::BuildOpaqueRuns() {
  SettlePending();
  run_index_stride_ = (width_ + kRunIndexStep - 1) / kRunIndexStep;
  row_runs_.assign(std::size_t(height_) + 1, 0);
  run_index_.assign(std::size_t(height_) * run_index_stride_, 0);
  runs_.clear();
  for (int y = 0; y < height_; ++y) {
    const std::size_t first = runs_.size();
    row_runs_[y] = std::uint32_t(first);
    const std::uint16_t* row = pixels_.data() + std::size_t(y) * pitch_;
    int x = 0;
    while (x < width_) {
      while (x < width_ && row[x] == key_) ++x;
      const int start = x;
      while (x < width_ && row[x] != key_) ++x;
      if (x > start) runs_.push_back({std::uint16_t(start), std::uint16_t(x)});
    }
    // A row holds at most width / 2 + 1 runs, well within 16 bits.
    std::size_t run = first;
    for (int step = 0; step < run_index_stride_; ++step) {
      while (run < runs_.size() && runs_[run].end <= step * kRunIndexStep) ++run;
      run_index_[std::size_t(y) * run_index_stride_ + step] = std::uint16_t(run - first);
    }
  }
  row_runs_[height_] = std::uint32_t(runs_.size());
  runs_valid_ = true;
}

// The row's first run that ends after `column`, or the row's end.
const IDirectDrawSurface::OpaqueRun* IDirectDrawSurface::FirstRunEndingAfter(int row,
                                                                             int column) const {
  const OpaqueRun* last = runs_.data() + row_runs_[row + 1];
  const OpaqueRun* run = runs_.data() + row_runs_[row] +
                         run_index_[std::size_t(row) * run_index_stride_ + column / kRunIndexStep];
  while (run != last && run->end <= column) ++run;
  return run;
}

HRESULT IDirectDrawSurface::Flip(LPDIRECTDRAWSURFACE, DWORD) {
  if (IsNull()) return DDERR_INVALIDPARAMS;
  if (!back_buffer_) return DDERR_NOTFLIPPABLE;
  if (locked_ || back_buffer_->locked_) return DDERR_SURFACEBUSY;
  PrepareForWrites();
  back_buffer_->PrepareForWrites();
  platform::CurrentBackend().Present(back_buffer_->pixels_.data(), back_buffer_->pitch_ * 2);
  std::swap(pixels_, back_buffer_->pixels_);
  MarkChanged();
  back_buffer_->MarkChanged();
  return DD_OK;
}

HRESULT IDirectDrawSurface::GetAttachedSurface(DDSCAPS* caps, LPDIRECTDRAWSURFACE* attached) {
  if (IsNull() || !caps || !attached) return DDERR_INVALIDPARAMS;
  if (!(caps->dwCaps & DDSCAPS_BACKBUFFER) || !back_buffer_) return DDERR_NOTFOUND;
  ++back_buffer_->refs_;
  *attached = back_buffer_;
  return DD_OK;
}

HRESULT IDirectDrawSurface::GetSurfaceDesc(LPDDSURFACEDESC desc) {
  if (IsNull() || !desc) return DDERR_INVALIDPARAMS;
  FillDescription(width_, height_, pitch_, caps_, desc);
  return DD_OK;
}

HRESULT IDirectDrawSurface::Lock(LPRECT rect, LPDDSURFACEDESC desc, DWORD, HANDLE) {
  if (IsNull() || !desc) return DDERR_INVALIDPARAMS;
  if (locked_ || dc_) return DDERR_SURFACEBUSY;
  const RECT area = rect ? *rect : RECT{0, 0, width_, height_};
  if (!ContainsRect(area)) return DDERR_INVALIDRECT;
  FillDescription(width_, height_, pitch_, caps_, desc);
  PrepareForWrites();
  desc->lpSurface = &pixels_[std::size_t(area.top) * pitch_ + area.left];
  locked_ = true;
  MarkChanged();
  return DD_OK;
}

HRESULT IDirectDrawSurface::Unlock(LPVOID) {
  if (IsNull()) return DDERR_INVALIDPARAMS;
  if (!locked_) return DDERR_NOTLOCKED;
  locked_ = false;
  return DD_OK;
}

HRESULT IDirectDrawSurface::SetColorKey(DWORD flags, DDCOLORKEY* key) {
  if (IsNull() || !(flags & DDCKEY_SRCBLT)) return DDERR_INVALIDPARAMS;
  has_key_ = key != nullptr;
  if (key) key_ = static_cast<std::uint16_t>(key->dwColorSpaceLowValue);
  MarkChanged();
  return DD_OK;
}

HRESULT IDirectDrawSurface::GetDC(HDC* dc) {
  if (IsNull() || !dc) return DDERR_INVALIDPARAMS;
  if (dc_) return DDERR_DCALREADYCREATED;
  if (locked_) return DDERR_SURFACEBUSY;
  PrepareForWrites();
  dc_ = platform::CreateSurfaceDC(this);
  MarkChanged();
  *dc = dc_;
  return DD_OK;
}

HRESULT IDirectDrawSurface::ReleaseDC(HDC dc) {
  if (IsNull() || !dc_ || dc != dc_) return DDERR_INVALIDPARAMS;
  platform::DeleteSurfaceDC(dc_);
  dc_ = nullptr;
  return DD_OK;
}

HRESULT IDirectDrawSurface::Restore() {
  return IsNull() ? DDERR_INVALIDPARAMS : DD_OK;
}

ULONG IDirectDrawSurface::Release() {
  if (IsNull()) return 0;
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT IDirectDraw::SetCooperativeLevel(HWND hwnd, DWORD) {
  return hwnd ? DD_OK : DDERR_INVALIDPARAMS;
}

HRESULT IDirectDraw::SetDisplayMode(DWORD width, DWORD height, DWORD bits_per_pixel) {
  if (width != DWORD(platform::kScreenWidth) || height != DWORD(platform::kScreenHeight) ||
      bits_per_pixel != 16) {
    return DDERR_INVALIDMODE;
  }
  mode_width_ = int(width);
  mode_height_ = int(height);
  return DD_OK;
}

HRESULT IDirectDraw::CreateSurface(LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE* surface, void*) {
  if (!desc || !surface || !(desc->dwFlags & DDSD_CAPS)) return DDERR_INVALIDPARAMS;
  const DWORD caps = desc->ddsCaps.dwCaps;
  try {
    if (caps & DDSCAPS_PRIMARYSURFACE) {
      const bool flipping = (caps & DDSCAPS_FLIP) && (desc->dwFlags & DDSD_BACKBUFFERCOUNT);
      if (flipping && desc->dwBackBufferCount != 1) return DDERR_INVALIDPARAMS;
      auto primary = std::unique_ptr<IDirectDrawSurface>(
          new IDirectDrawSurface(mode_width_, mode_height_, caps | DDSCAPS_FRONTBUFFER));
      if (flipping) {
        primary->back_buffer_ = new IDirectDrawSurface(
            mode_width_, mode_height_, (caps & ~(DDSCAPS_PRIMARYSURFACE)) | DDSCAPS_BACKBUFFER);
      }
      *surface = primary.release();
      return DD_OK;
    }
    if (!(desc->dwFlags & DDSD_WIDTH) || !(desc->dwFlags & DDSD_HEIGHT)) {
      return DDERR_INVALIDPARAMS;
    }
    if (desc->dwWidth == 0 || desc->dwHeight == 0 || desc->dwWidth > kMaxSurfaceSide ||
        desc->dwHeight > kMaxSurfaceSide) {
      return DDERR_INVALIDPARAMS;
    }
    *surface = new IDirectDrawSurface(int(desc->dwWidth), int(desc->dwHeight), caps);
    return DD_OK;
  } catch (const std::bad_alloc&) {
    return DDERR_OUTOFMEMORY;
  }
}

ULONG IDirectDraw::Release() {
  delete this;
  return 0;
}

HRESULT DirectDrawCreate(void*, IDirectDraw** dd, void*) {
  if (!dd) return DDERR_INVALIDPARAMS;
  *dd = new IDirectDraw();
  return DD_OK;
}
