// Surface blit kernels (opaque, colour-keyed, stretched) against a plain
// per-pixel reference, pixel by pixel over the whole destination.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/bitmap_file.h"
#include "platform/ddraw.h"
#include "support/surfaces.h"

namespace {

using platform::Image;  // of 16-bit pixels here

constexpr std::uint16_t kKey = 0xF81F;
constexpr std::uint16_t kBackground = 0x0841;

void Write(LPDIRECTDRAWSURFACE surface, const Image& image) {
  DDSURFACEDESC desc{};
  ASSERT_EQ(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
  for (int y = 0; y < image.height; ++y) {
    auto* row =
        reinterpret_cast<std::uint16_t*>(static_cast<char*>(desc.lpSurface) + y * desc.lPitch);
    for (int x = 0; x < image.width; ++x) row[x] = std::uint16_t(image.at(x, y));
  }
  ASSERT_EQ(surface->Unlock(nullptr), DD_OK);
}

Image Read(LPDIRECTDRAWSURFACE surface) {
  Image image(surface->Width(), surface->Height());
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) image.at(x, y) = surface->PixelAt(x, y);
  }
  return image;
}

// Runs of every length from 1 up, at every phase, ending at the picture's
// edges too: a row fully opaque, one fully transparent, single pixels. Rows
// repeated across a wide picture join into runs of tens of pixels.
const std::vector<std::string> kRuns = {
    "XXXXXXXXXXXXXXXXXXXXXXX",  //
    "..X..XX..XXX..XXXX....X",  //
    "X.X.X.X.X.X.X.X.X.X.X.X",  //
    ".......................",  //
    "XXXXX.......XXXXXXXXXX.",  //
    ".XXXXXXXXXXXXXXXXXXXXX.",  //
    "X..XXXXXXX..X.XX...XXXX",
};

// Opaque pixels all different from each other, with the key where the
// pattern has a '.'; the pattern repeats to fill the picture.
Image Patterned(int width, int height, const std::vector<std::string>& pattern = kRuns) {
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    const std::string& row = pattern[y % pattern.size()];
    for (int x = 0; x < width; ++x) {
      image.at(x, y) = row[x % row.size()] == '.' ? kKey : std::uint16_t(0x1000 + y * 128 + x);
    }
  }
  return image;
}

// Nearest-neighbour copy of src onto dest, one pixel at a time.
void ReferenceBlt(Image& to, const RECT& dest, const Image& from, const RECT& src, bool keyed) {
  const LONG dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  const LONG sw = src.right - src.left, sh = src.bottom - src.top;
  for (LONG y = 0; y < dh; ++y) {
    for (LONG x = 0; x < dw; ++x) {
      const std::uint32_t pixel = from.at(int(src.left + x * sw / dw), int(src.top + y * sh / dh));
      if (!keyed || pixel != kKey) to.at(int(dest.left + x), int(dest.top + y)) = pixel;
    }
  }
}

std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

class BlitKernels : public ::testing::Test {
 protected:
  LPDIRECTDRAWSURFACE Make(const Image& image, bool keyed = false) {
    LPDIRECTDRAWSURFACE surface = factory_.Make(image.width, image.height);
    EXPECT_TRUE(surface);
    Write(surface, image);
    DDCOLORKEY key{kKey, kKey};
    EXPECT_EQ(keyed ? surface->SetColorKey(DDCKEY_SRCBLT, &key) : DD_OK, DD_OK);
    return surface;
  }

 private:
  test::SurfaceFactory factory_;
};

// Lays `before` into `dest`, blits `src` of the source (whose pixels are
// `sheet`) onto `to`, with the key or without, and compares the whole
// destination with the reference.
bool BlitsLikeReference(LPDIRECTDRAWSURFACE dest, const Image& before, LPDIRECTDRAWSURFACE source,
                        const Image& sheet, RECT src, RECT to, bool keyed) {
  Write(dest, before);
  RECT from = src, onto = to;
  EXPECT_EQ(dest->Blt(&onto, source, &from, keyed ? DDBLT_KEYSRC : 0, nullptr), DD_OK);
  Image expected = before;
  ReferenceBlt(expected, to, sheet, src, keyed);
  const bool same = Read(dest).pixels == expected.pixels;
  EXPECT_TRUE(same) << (keyed ? "keyed " : "opaque ") << Describe(src) << " onto " << Describe(to);
  return same;
}

TEST_F(BlitKernels, KeyedSubRectanglesMatchReferenceAtEveryRunEdge) {
  const Image sheet = Patterned(70, 7);
  LPDIRECTDRAWSURFACE source = Make(sheet, true);
  const Image background(76, 9, kBackground);
  LPDIRECTDRAWSURFACE dest = Make(background);
  for (const auto& [top, bottom] : {std::pair<LONG, LONG>{0, 7}, {1, 2}, {3, 6}}) {
    for (LONG left = 0; left < sheet.width; ++left) {
      for (LONG right = left + 1; right <= sheet.width; ++right) {
        const RECT to{3, 1, 3 + right - left, 1 + bottom - top};
        if (!BlitsLikeReference(dest, background, source, sheet, {left, top, right, bottom}, to,
                                true)) {
          return;
        }
      }
    }
  }
}

TEST_F(BlitKernels, KeyedBlitUsesNewPixelsAndKeyAfterChanges) {
  Image sheet = Patterned(23, 7);
  LPDIRECTDRAWSURFACE source = Make(sheet, true);
  const Image background(23, 7, kBackground);
  LPDIRECTDRAWSURFACE dest = Make(background);
  auto expect_copy = [&](const char* after) {
    const RECT whole{0, 0, 23, 7};
    EXPECT_TRUE(BlitsLikeReference(dest, background, source, sheet, whole, whole, true)) << after;
  };
  expect_copy("the first blit");
  sheet = Patterned(23, 7, {"X.X..XXXX.XXXXXXXXX...X", "..XX"});
  Write(source, sheet);
  expect_copy("a lock");

  // Drawing into the sheet, by a copy or a fill, changes its runs too.
  LPDIRECTDRAWSURFACE patch = Make(Image(5, 3, kKey));
  RECT area{6, 2, 11, 5}, filled{14, 0, 20, 2};
  ASSERT_EQ(source->Blt(&area, patch, nullptr, 0, nullptr), DD_OK);
  DDBLTFX fill{sizeof(DDBLTFX), kKey};
  ASSERT_EQ(source->Blt(&filled, nullptr, nullptr, DDBLT_COLORFILL, &fill), DD_OK);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 23; ++x) {
      if ((y >= 2 && x >= 6 && x < 11) || (y < 2 && x >= 14 && x < 20)) sheet.at(x, y) = kKey;
    }
  }
  expect_copy("a blit and a fill into the sheet");

  // A new key: the old key colour becomes opaque, the new one transparent.
  const std::uint16_t new_key = std::uint16_t(sheet.at(0, 0));
  DDCOLORKEY key{new_key, new_key};
  ASSERT_EQ(source->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
  Write(dest, background);
  ASSERT_EQ(dest->Blt(nullptr, source, nullptr, DDBLT_KEYSRC, nullptr), DD_OK);
  Image expected = sheet;
  expected.at(0, 0) = kBackground;
  EXPECT_EQ(Read(dest).pixels, expected.pixels);
}

// Stretched or not, keyed or not (a keyed source blitted without the flag
// copies every pixel), and within one surface, where the copy reads the old
// pixels.
TEST_F(BlitKernels, CopiesOfEveryShapeMatchReferenceKeyedAndOpaque) {
  const Image sheet = Patterned(23, 7);
  LPDIRECTDRAWSURFACE source = Make(sheet, true);
  const Image background(60, 20, kBackground);
  LPDIRECTDRAWSURFACE dest = Make(background);
  const RECT sizes[][2] = {
      {{0, 0, 23, 7}, {0, 0, 23, 7}},    // as it is
      {{0, 0, 23, 7}, {1, 2, 47, 16}},   // doubled
      {{2, 1, 21, 7}, {5, 3, 12, 6}},    // shrunk
      {{3, 0, 13, 7}, {0, 0, 37, 5}},    // wider, shorter
      {{1, 1, 22, 6}, {50, 0, 60, 20}},  // narrower, taller
  };
  const RECT moves[][2] = {
      {{0, 0, 20, 5}, {3, 2, 23, 7}},  // down and right
      {{3, 2, 23, 7}, {0, 0, 20, 5}},  // up and left
      {{0, 0, 23, 4}, {0, 1, 23, 7}},  // stretched downward
  };
  for (bool keyed : {false, true}) {
    for (const auto& [src, to] : sizes) {
      BlitsLikeReference(dest, background, source, sheet, src, to, keyed);
    }
    for (const auto& [src, to] : moves) {
      BlitsLikeReference(source, sheet, source, sheet, src, to, keyed);
    }
    Write(source, sheet);
  }
  // The flag without a key copies every pixel too.
  LPDIRECTDRAWSURFACE unkeyed = Make(sheet);
  Write(dest, background);
  RECT part{0, 0, 23, 7};
  ASSERT_EQ(dest->Blt(&part, unkeyed, nullptr, DDBLT_KEYSRC, nullptr), DD_OK);
  Image expected = background;
  ReferenceBlt(expected, part, sheet, part, false);
  EXPECT_EQ(Read(dest).pixels, expected.pixels);
}

TEST_F(BlitKernels, RectanglesOutsideASurfaceFailAndDrawNothing) {
  LPDIRECTDRAWSURFACE source = Make(Patterned(23, 7), true);
  const Image background(30, 9, kBackground);
  LPDIRECTDRAWSURFACE dest = Make(background);
  // A source rectangle, then a destination one, off its surface or empty.
  RECT bad[][2] = {{{-1, 0, 5, 5}, {0, 0, 5, 5}}, {{0, 0, 24, 5}, {0, 0, 5, 5}},
                   {{0, 3, 5, 8}, {0, 0, 5, 5}},  {{4, 0, 4, 5}, {0, 0, 5, 5}},
                   {{0, 0, 5, 5}, {-1, 0, 5, 5}}, {{0, 0, 5, 5}, {0, 0, 31, 5}},
                   {{0, 0, 5, 5}, {0, 5, 5, 10}}, {{0, 0, 5, 5}, {5, 5, 3, 8}}};
  for (auto& [src, to] : bad) {
    EXPECT_EQ(dest->Blt(&to, source, &src, DDBLT_KEYSRC, nullptr), DDERR_INVALIDRECT)
        << Describe(src) << " onto " << Describe(to);
  }
  EXPECT_EQ(dest->Blt(nullptr, nullptr, nullptr, DDBLT_KEYSRC, nullptr), DDERR_INVALIDPARAMS);
  EXPECT_EQ(Read(dest).pixels, background.pixels);
}

}  // namespace
