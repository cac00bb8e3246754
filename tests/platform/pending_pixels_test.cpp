// Whole-surface fills and copies are made lazily: random sequences of fills,
// copies (whole, partial, keyed, stretched, overlapping), locks, colour keys
// and releases must leave every surface reading as if each had been made at
// once, which a plain model of the pixels does.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/ddraw.h"
#include "support/surfaces.h"

namespace {

constexpr std::uint16_t kPalette[] = {0x0000, 0xF81F, 0x07E0, 0x1234};

struct Model {
  int width = 0, height = 0;
  std::vector<std::uint16_t> pixels;
  bool keyed = false;
  std::uint16_t key = 0;
  std::uint16_t& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
};

class Lazy {
 public:
  explicit Lazy(unsigned seed) : random_(seed) {
    for (const auto& [w, h] : {std::pair{24, 16}, {24, 16}, {24, 16}, {16, 12}}) {
      surfaces_.push_back(Make(w, h));
      models_.push_back({w, h, std::vector<std::uint16_t>(std::size_t(w) * h)});
    }
  }

  void Step() {
    const int kind = Pick(10), a = Pick(4), b = Pick(4);
    const std::uint16_t colour = kPalette[Pick(4)];
    if (kind == 0) {
      Fill(a, nullptr, colour);
    } else if (kind == 1) {
      RECT r = RandomRect(a);
      Fill(a, &r, colour);
    } else if (kind <= 5) {
      Copy(a, b, kind);
    } else if (kind == 6) {
      WriteThroughLock(a, colour);
    } else if (kind == 7) {
      DDCOLORKEY key{colour, colour};
      surfaces_[a]->SetColorKey(DDCKEY_SRCBLT, &key);
      models_[a].keyed = true;
      models_[a].key = colour;
    } else if (kind == 8) {
      surfaces_[a]->Release();
      surfaces_[a] = Make(models_[a].width, models_[a].height);
      models_[a] = {models_[a].width, models_[a].height,
                    std::vector<std::uint16_t>(models_[a].pixels.size())};
    } else {
      ExpectSame(a);
    }
  }

  void ExpectSame(int i) {
    for (int y = 0; y < models_[i].height; ++y) {
      for (int x = 0; x < models_[i].width; ++x) {
        ASSERT_EQ(surfaces_[i].get()->PixelAt(x, y), models_[i].At(x, y))
            << "surface " << i << " at (" << x << "," << y << ")";
      }
    }
  }

  ~Lazy() {
    for (LPDIRECTDRAWSURFACE s : surfaces_) s->Release();
  }

 private:
  int Pick(int n) { return int(random_() % unsigned(n)); }
  LPDIRECTDRAWSURFACE Make(int w, int h) {
    LPDIRECTDRAWSURFACE s;
    return CreateOffscreenSurface(factory_.dd(), w, h, &s) == DD_OK ? s : nullptr;
  }
  RECT RandomRect(int i) {
    const int x0 = Pick(models_[i].width), y0 = Pick(models_[i].height);
    return {x0, y0, x0 + 1 + Pick(models_[i].width - x0), y0 + 1 + Pick(models_[i].height - y0)};
  }

  void Fill(int i, RECT* r, std::uint16_t colour) {
    DDBLTFX fx{sizeof(DDBLTFX), colour};
    ASSERT_EQ(surfaces_[i]->Blt(r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    const RECT all{0, 0, models_[i].width, models_[i].height};
    const RECT area = r ? *r : all;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) models_[i].At(x, y) = colour;
  }

  // Kinds 2 to 5: the whole surface, a same-size part, a stretched part, each
  // keyed at random.
  void Copy(int to, int from, int kind) {
    const bool keyed = Pick(2);
    RECT src = {0, 0, models_[from].width, models_[from].height},
         dest = {0, 0, models_[to].width, models_[to].height};
    if (kind >= 3) {
      src = RandomRect(from);
      dest = kind == 5 ? RandomRect(to) : RECT{0, 0, src.right - src.left, src.bottom - src.top};
      if (dest.right > models_[to].width || dest.bottom > models_[to].height) return;
    }
    const DWORD flags = DDBLT_WAIT | (keyed ? DDBLT_KEYSRC : 0);
    ASSERT_EQ(surfaces_[to]->Blt(&dest, surfaces_[from], &src, flags, nullptr), DD_OK);
    Model before = models_[from];  // an overlapping copy reads the pixels before it
    const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
    const int sw = src.right - src.left, sh = src.bottom - src.top;
    for (int y = 0; y < dh; ++y) {
      for (int x = 0; x < dw; ++x) {
        const std::uint16_t p = before.At(src.left + x * sw / dw, src.top + y * sh / dh);
        if (!(keyed && before.keyed && p == before.key))
          models_[to].At(dest.left + x, dest.top + y) = p;
      }
    }
  }

  void WriteThroughLock(int i, std::uint16_t colour) {
    DDSURFACEDESC desc{};
    ASSERT_EQ(surfaces_[i]->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    const int x = Pick(models_[i].width), y = Pick(models_[i].height);
    static_cast<std::uint16_t*>(desc.lpSurface)[std::size_t(y) * desc.lPitch / 2 + x] = colour;
    surfaces_[i]->Unlock(nullptr);
    models_[i].At(x, y) = colour;
  }

  test::SurfaceFactory factory_;
  std::vector<LPDIRECTDRAWSURFACE> surfaces_;
  std::vector<Model> models_;
  std::mt19937 random_;
};

TEST(PendingPixels, SurfacesReadAsIfEveryFillAndCopyWereMadeAtOnce) {
  for (int run = 0; run < 200; ++run) {
    Lazy lazy{unsigned(run)};
    for (int step = 0; step < 60; ++step) {
      lazy.Step();
      if (::testing::Test::HasFatalFailure()) FAIL() << "run " << run << ", step " << step;
    }
    for (int i = 0; i < 4; ++i) lazy.ExpectSame(i);
    if (::testing::Test::HasFatalFailure()) FAIL() << "run " << run;
  }
}

}  // namespace
