// Surfaces: locks and the flipping chain (fills and blits are checked
// against a reference in the blit kernels' tests, null surfaces by the
// program run without its pictures).
#include "platform/ddraw.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/scratch.h"
#include "support/surfaces.h"

namespace {

class Surfaces : public ::testing::Test {
 protected:
  LPDIRECTDRAWSURFACE Make(int width, int height, std::uint16_t fill = 0) {
    LPDIRECTDRAWSURFACE s = factory.Make(width, height);
    EXPECT_TRUE(s);
    test::Fill(s, fill);
    return s;
  }

  static std::uint16_t At(LPDIRECTDRAWSURFACE s, int x, int y) { return s.get()->PixelAt(x, y); }

  test::SurfaceFactory factory;
};

TEST_F(Surfaces, LockGivesPitchAndBlocksBlitsUntilUnlocked) {
  auto s = Make(5, 3);
  DDSURFACEDESC desc{};
  ASSERT_EQ(s->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
  EXPECT_EQ(desc.dwWidth, 5UL);
  EXPECT_TRUE(desc.lPitch >= 10 && desc.lPitch % 2 == 0) << desc.lPitch;
  auto* bytes = static_cast<unsigned char*>(desc.lpSurface);
  *reinterpret_cast<std::uint16_t*>(bytes + 2 * desc.lPitch + 4 * 2) = 0x7777;
  EXPECT_EQ(test::Fill(s, 1), DDERR_SURFACEBUSY);
  EXPECT_EQ(s->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DDERR_SURFACEBUSY);
  EXPECT_EQ(s->Unlock(nullptr), DD_OK);
  EXPECT_EQ(s->Unlock(nullptr), DDERR_NOTLOCKED);
  EXPECT_EQ(At(s, 4, 2), 0x7777);
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
  test::Fill(back, 0x1234);
  ASSERT_EQ(primary->Flip(nullptr, DDFLIP_WAIT), DD_OK);
  EXPECT_EQ(
      std::tuple(headless.backend().frames(), headless.backend().last_frame()[639 + 479 * 640],
                 primary.get()->PixelAt(5, 5)),
      std::tuple(1, 0x1234, 0x1234));
  EXPECT_EQ(back->Flip(nullptr, DDFLIP_WAIT), DDERR_NOTFLIPPABLE);
  // The back buffer lives on through its own reference until both are released.
  EXPECT_EQ(back->Release(), 1UL);
  EXPECT_EQ(primary->Release(), 0UL);
  dd->Release();
}

}  // namespace
