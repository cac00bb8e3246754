// Loading pictures (good, missing and damaged files), outlines, points in
// rectangles (colour keys are seen end to end, in every keyed picture).
#include "frame/ddutil.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "frame/dix.h"
#include "platform/bitmap_file.h"
#include "support/files.h"
#include "support/scratch.h"
#include "support/surfaces.h"

namespace {

class Bitmaps : public ::testing::Test {
 protected:
  LPDIRECTDRAWSURFACE Load(const std::string& name) {
    return factory.Adopt(DDLoadBitmap(factory.dd(), ("../graphics/" + name).c_str(), 0, 0));
  }
  void Write(const std::string& name, const std::string& bytes) {
    test::WriteBytes(tree.graphics() / name, bytes);
  }

  test::ScratchTree tree;
  test::SurfaceFactory factory;
};

platform::Image Checker() {
  platform::Image image(5, 3, 0x000000);
  image.at(0, 0) = 0xFF00FF;
  image.at(4, 2) = 0xFFFFFF;
  image.at(2, 1) = 0x08FC10;  // low bits lost on the 16-bit display
  return image;
}

TEST_F(Bitmaps, A24BitPictureLoadsAtItsSizeInRgb565) {
  tree.WritePicture("p.bmp", Checker());
  LPDIRECTDRAWSURFACE s = Load("p.bmp");
  ASSERT_TRUE(s);
  const IDirectDrawSurface& p = *s.get();
  EXPECT_EQ(std::tuple(p.Width(), p.Height(), p.PixelAt(0, 0), p.PixelAt(4, 2), p.PixelAt(2, 1),
                       p.PixelAt(1, 0)),
            std::tuple(5, 3, 0xF81F, 0xFFFF, (1 << 11) | (63 << 5) | 2, 0x0000));
}

TEST_F(Bitmaps, MissingAndDamagedFilesGiveNoSurfaceAndNoLog) {
  tree.WritePicture("good.bmp", Checker());
  const std::string good = test::ReadBytes(tree.graphics() / "good.bmp");
  std::string huge = good, big_claim = good, bad_depth = good;
  huge[18] = huge[19] = huge[20] = '\x7f';  // a width in the hundreds of millions
  // 3000 pixels wide: more than any picture may be.
  big_claim.replace(18, 4, std::string("\xB8\x0B\0\0", 4));
  bad_depth[28] = 13;  // no such depth
  const std::pair<const char*, std::string> damaged[] = {
      {"empty.bmp", ""},
      {"truncated.bmp", good.substr(0, good.size() - 7)},
      {"header_only.bmp", good.substr(0, 30)},
      {"text.bmp", "this is not a picture at all, only words."},
      {"huge.bmp", huge},
      {"big_claim.bmp", big_claim},
      {"bad_depth.bmp", bad_depth}};
  EXPECT_FALSE(Load("absent.bmp"));
  for (const auto& [name, bytes] : damaged) {
    Write(name, bytes);
    EXPECT_FALSE(Load(name)) << name;
  }
  EXPECT_FALSE(std::filesystem::exists("output/directX_errors.txt"));
  EXPECT_FALSE(std::filesystem::exists("output/Fatal_Errors.txt"));
}

TEST(DrawRectangle, OutlineCoversBothCornersInRed) {
  test::Machine machine;
  test::Fill(lpDDSBack, 0);
  Draw_Rectangle(lpDDSBack, 10, 10, 20, 15);
  IDirectDrawSurface& back = *lpDDSBack.get();
  int red = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) red += back.PixelAt(x, y) == 0xF800;
  EXPECT_EQ(red, 2 * 11 + 2 * 4);
  Draw_Rectangle(lpDDSBack, 100, 100, 100, 100);
  // Partly off the surface: only the part on it is drawn.
  Draw_Rectangle(lpDDSBack, 630, 470, 700, 500);
  EXPECT_EQ((std::array{back.PixelAt(20, 15), back.PixelAt(15, 12), back.PixelAt(100, 100),
                        back.PixelAt(101, 100), back.PixelAt(639, 470), back.PixelAt(630, 479)}),
            (std::array<std::uint16_t, 6>{0xF800, 0, 0xF800, 0, 0xF800, 0xF800}));
}

TEST(Rects, PointTestIncludesTheEdges) {
  EXPECT_TRUE(PointInRect(3, 4, 1, 2, 3, 4) && PointInRect(1, 2, 1, 2, 3, 4));
  EXPECT_FALSE(PointInRect(4, 4, 1, 2, 3, 4) || PointInRect(-1, 3, 0, 2, 3, 4));
}

}  // namespace
