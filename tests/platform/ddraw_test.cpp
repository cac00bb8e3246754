// Surface and blit rules: rectangles, stretch, colour key, fill, locks, flip.
#include "platform/ddraw.h"

#include <gtest/gtest.h>

#include "support/scratch.h"
#include "support/surfaces.h"

namespace {

class Surfaces : public ::testing::Test {
 protected:
  LPDIRECTDRAWSURFACE Make(int width, int height, std::uint16_t fill = 0) {
    LPDIRECTDRAWSURFACE s = factory.Make(width, height);
    EXPECT_TRUE(s);
    Fill(s, nullptr, fill);
    return s;
  }

  static HRESULT Fill(LPDIRECTDRAWSURFACE s, RECT* rect, std::uint16_t colour) {
    DDBLTFX fx{sizeof(DDBLTFX), colour};
    return s->Blt(rect, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
  }

  static void Put(LPDIRECTDRAWSURFACE s, int x, int y, std::uint16_t v) {
    s.get()->Pixels()[y * s.get()->PitchPixels() + x] = v;
  }
  static std::uint16_t At(LPDIRECTDRAWSURFACE s, int x, int y) { return s.get()->PixelAt(x, y); }

  test::SurfaceFactory factory;
  IDirectDraw* dd = factory.dd();
};

TEST_F(Surfaces, RectanglesThatLeaveASurfaceFailAndDrawNothing) {
  auto src = Make(8, 8, 0x1111);
  auto dst = Make(16, 16, 0x2222);
  RECT inside{0, 0, 8, 8};
  RECT past_right{10, 0, 18, 8};
  RECT negative{-1, 0, 7, 8};
  RECT empty{4, 4, 4, 8};
  RECT inverted{5, 0, 3, 8};
  RECT src_too_big{0, 0, 9, 8};
  EXPECT_EQ(dst->Blt(&past_right, src, &inside, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
  EXPECT_EQ(dst->Blt(&negative, src, &inside, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
  EXPECT_EQ(dst->Blt(&empty, src, &inside, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
  EXPECT_EQ(dst->Blt(&inverted, src, &inside, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
  EXPECT_EQ(dst->Blt(&inside, src, &src_too_big, DDBLT_WAIT, nullptr), DDERR_INVALIDRECT);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(At(dst, x, y), 0x2222);
  EXPECT_EQ(dst->Blt(&inside, src, &inside, DDBLT_WAIT, nullptr), DD_OK);
  EXPECT_EQ(At(dst, 7, 7), 0x1111);
  EXPECT_EQ(At(dst, 8, 8), 0x2222);
}

TEST_F(Surfaces, NullSurfacesAreRefusedNotFollowed) {
  auto dst = Make(4, 4);
  LPDIRECTDRAWSURFACE missing = nullptr;
  EXPECT_EQ(dst->Blt(nullptr, missing, nullptr, DDBLT_WAIT, nullptr), DDERR_INVALIDPARAMS);
  EXPECT_EQ(missing->Blt(nullptr, dst, nullptr, DDBLT_WAIT, nullptr), DDERR_INVALIDPARAMS);
  DDSURFACEDESC desc{};
  EXPECT_EQ(missing->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DDERR_INVALIDPARAMS);
  EXPECT_EQ(missing->SetColorKey(DDCKEY_SRCBLT, nullptr), DDERR_INVALIDPARAMS);
  EXPECT_EQ(missing->Flip(nullptr, DDFLIP_WAIT), DDERR_INVALIDPARAMS);
  EXPECT_EQ(missing->Release(), 0UL);
  EXPECT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, nullptr), DDERR_INVALIDPARAMS);
}

TEST_F(Surfaces, DifferentSizesStretchByNearestPixel) {
  auto src = Make(2, 2);
  Put(src, 0, 0, 1);
  Put(src, 1, 0, 2);
  Put(src, 0, 1, 3);
  Put(src, 1, 1, 4);
  auto dst = Make(4, 6);
  ASSERT_EQ(dst->Blt(nullptr, src, nullptr, DDBLT_WAIT, nullptr), DD_OK);
  const std::uint16_t expected[6][4] = {{1, 1, 2, 2}, {1, 1, 2, 2}, {1, 1, 2, 2},
                                        {3, 3, 4, 4}, {3, 3, 4, 4}, {3, 3, 4, 4}};
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(At(dst, x, y), expected[y][x]) << x << "," << y;
  // And shrinking picks every other pixel.
  auto small = Make(1, 1);
  ASSERT_EQ(small->Blt(nullptr, dst, nullptr, DDBLT_WAIT, nullptr), DD_OK);
  EXPECT_EQ(At(small, 0, 0), 1);
}

TEST_F(Surfaces, SourceColourKeySkipsKeyPixelsOnlyWhenAsked) {
  auto src = Make(3, 1, 0xF81F);
  Put(src, 1, 0, 0x07E0);
  DDCOLORKEY key{0xF81F, 0xF81F};
  ASSERT_EQ(src->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
  auto dst = Make(3, 2, 0x0001);
  RECT top{0, 0, 3, 1};
  RECT bottom{0, 1, 3, 2};
  ASSERT_EQ(dst->Blt(&top, src, nullptr, DDBLT_WAIT | DDBLT_KEYSRC, nullptr), DD_OK);
  ASSERT_EQ(dst->Blt(&bottom, src, nullptr, DDBLT_WAIT, nullptr), DD_OK);
  EXPECT_EQ(At(dst, 0, 0), 0x0001);
  EXPECT_EQ(At(dst, 1, 0), 0x07E0);
  EXPECT_EQ(At(dst, 2, 0), 0x0001);
  EXPECT_EQ(At(dst, 0, 1), 0xF81F);
  // A key set after drawing into the source still applies to the new pixels.
  Put(src, 0, 0, 0x1234);
  Fill(src, &top, 0xF81F);
  RECT one{0, 0, 1, 1};
  ASSERT_EQ(dst->Blt(&one, src, &one, DDBLT_WAIT | DDBLT_KEYSRC, nullptr), DD_OK);
  EXPECT_EQ(At(dst, 0, 0), 0x0001);
}

TEST_F(Surfaces, FillCoversExactlyItsRectangle) {
  auto s = Make(5, 5, 0);
  RECT r{1, 2, 4, 3};
  ASSERT_EQ(Fill(s, &r, 0xABCD), DD_OK);
  int filled = 0;
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) filled += At(s, x, y) == 0xABCD;
  EXPECT_EQ(filled, 3);
  EXPECT_EQ(At(s, 3, 2), 0xABCD);
}

TEST_F(Surfaces, OverlappingCopyWithinOneSurfaceReadsTheOriginal) {
  auto s = Make(4, 1);
  for (int x = 0; x < 4; ++x) Put(s, x, 0, std::uint16_t(x + 1));
  RECT from{0, 0, 3, 1};
  RECT to{1, 0, 4, 1};
  ASSERT_EQ(s->Blt(&to, s, &from, DDBLT_WAIT, nullptr), DD_OK);
  EXPECT_EQ(At(s, 0, 0), 1);
  EXPECT_EQ(At(s, 1, 0), 1);
  EXPECT_EQ(At(s, 2, 0), 2);
  EXPECT_EQ(At(s, 3, 0), 3);
}

TEST_F(Surfaces, LockGivesPitchAndBlocksBlitsUntilUnlocked) {
  auto s = Make(5, 3);
  DDSURFACEDESC desc{};
  ASSERT_EQ(s->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
  EXPECT_EQ(desc.dwWidth, 5UL);
  EXPECT_GE(desc.lPitch, 10);
  EXPECT_EQ(desc.lPitch % 2, 0);
  auto* bytes = static_cast<unsigned char*>(desc.lpSurface);
  *reinterpret_cast<std::uint16_t*>(bytes + 2 * desc.lPitch + 4 * 2) = 0x7777;
  EXPECT_EQ(Fill(s, nullptr, 1), DDERR_SURFACEBUSY);
  EXPECT_EQ(s->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DDERR_SURFACEBUSY);
  EXPECT_EQ(s->Unlock(nullptr), DD_OK);
  EXPECT_EQ(s->Unlock(nullptr), DDERR_NOTLOCKED);
  EXPECT_EQ(At(s, 4, 2), 0x7777);
}

TEST_F(Surfaces, SurfaceSizesOutsideTheLimitsAreRefused) {
  DDSURFACEDESC desc{};
  desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
  desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  LPDIRECTDRAWSURFACE s;
  desc.dwWidth = 0;
  desc.dwHeight = 10;
  EXPECT_EQ(dd->CreateSurface(&desc, &s, nullptr), DDERR_INVALIDPARAMS);
  desc.dwWidth = 100000;
  EXPECT_EQ(dd->CreateSurface(&desc, &s, nullptr), DDERR_INVALIDPARAMS);
  desc.dwFlags = DDSD_CAPS;
  desc.dwWidth = 10;
  EXPECT_EQ(dd->CreateSurface(&desc, &s, nullptr), DDERR_INVALIDPARAMS);
  EXPECT_EQ(dd->SetDisplayMode(800, 600, 16), DDERR_INVALIDMODE);
}

TEST(FlippingChain, FlipShowsTheBackBufferAndOnlyThePrimaryFlips) {
  test::HeadlessScope headless;
  IDirectDraw* dd;
  DirectDrawCreate(nullptr, &dd, nullptr);
  DDSURFACEDESC desc{};
  desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  desc.dwBackBufferCount = 1;
  LPDIRECTDRAWSURFACE primary;
  ASSERT_EQ(dd->CreateSurface(&desc, &primary, nullptr), DD_OK);
  LPDIRECTDRAWSURFACE back;
  DDSCAPS caps{DDSCAPS_BACKBUFFER};
  ASSERT_EQ(primary->GetAttachedSurface(&caps, &back), DD_OK);
  EXPECT_EQ(back.get()->Width(), 640);
  DDBLTFX fx{sizeof(DDBLTFX), 0x1234};
  back->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx);
  ASSERT_EQ(primary->Flip(nullptr, DDFLIP_WAIT), DD_OK);
  EXPECT_EQ(headless.backend().frames(), 1);
  EXPECT_EQ(headless.backend().last_frame()[639 + 479 * 640], 0x1234);
  EXPECT_EQ(primary.get()->PixelAt(5, 5), 0x1234);
  EXPECT_EQ(back->Flip(nullptr, DDFLIP_WAIT), DDERR_NOTFLIPPABLE);
  // The back buffer lives on through its own reference until both are released.
  EXPECT_EQ(back->Release(), 1UL);
  EXPECT_EQ(primary->Release(), 0UL);
  dd->Release();
}

}  // namespace
