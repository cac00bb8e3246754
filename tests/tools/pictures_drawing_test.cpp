// The generator's drawing helpers: shapes, clipping, dithering and letters.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "pictures/big_letters.h"
#include "pictures/canvas.h"
#include "pictures/mask.h"
#include "pictures/shading.h"
#include "pictures/small_letters.h"

namespace {

using pictures::Canvas;
using pictures::Mask;
using pictures::Rect;

int InkColumns(const Mask& mask, int& first, int& last) {
  first = mask.width();
  last = -1;
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      if (!mask.Get(x, y)) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  }
  return last - first + 1;
}

TEST(PictureDrawing, ShapesCoverThePixelsWhoseCentresLieInside) {
  Mask mask(20, 20);
  mask.AddRect({2, 3, 4, 5});
  EXPECT_EQ(mask.Count(), 20);
  mask.AddRect({18, 18, 10, 10});  // clipped at the edge
  EXPECT_EQ(mask.Count(), 24);

  Mask ring(21, 21);
  ring.AddRing({10.5, 10.5}, 8, 8, 2, 0, 180);  // the lower half only
  EXPECT_GT(ring.Count(), 20);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 21; ++x) EXPECT_FALSE(ring.Get(x, y)) << x << "," << y;
  }
  EXPECT_FALSE(ring.Get(10, 15)) << "the ring is hollow";

  Mask square(10, 10);
  square.AddPolygon({{2, 2}, {8, 2}, {8, 8}, {2, 8}});
  EXPECT_EQ(square.Count(), 36);
  Mask dot(5, 5);
  dot.Set(2, 2);
  EXPECT_EQ(dot.Grown(1).Count(), 9);
  EXPECT_EQ(dot.Grown(3).Count(), 25);
}

TEST(PictureDrawing, CanvasClipsAndBevelsLightTopLeftDarkBottomRight) {
  Canvas canvas(8, 8, 0x000000);
  canvas.FillRect({-4, -4, 6, 6}, 0x111111);
  canvas.Line(-5, 3, 20, 3, 0x222222);
  canvas.Set(8, 0, 0x333333);
  EXPECT_EQ(canvas.Get(1, 1), 0x111111u);
  EXPECT_EQ(canvas.Get(2, 2), 0x000000u);
  EXPECT_EQ(canvas.Get(7, 3), 0x222222u);
  canvas.Bevel({1, 1, 6, 6}, 0xAAAAAA, 0x555555);
  EXPECT_EQ(canvas.Get(1, 1), 0xAAAAAAu);
  EXPECT_EQ(canvas.Get(1, 6), 0xAAAAAAu);
  EXPECT_EQ(canvas.Get(6, 6), 0x555555u);
  EXPECT_EQ(canvas.Get(6, 2), 0x555555u);
}

TEST(PictureDrawing, DitherMixesNeighbouringRampEntriesInProportion) {
  const std::array<pictures::Colour, 3> ramp = {0x000010, 0x000020, 0x000030};
  int upper = 0;
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(pictures::Dither(ramp, 0.0, x, y), ramp[0]);
      EXPECT_EQ(pictures::Dither(ramp, 1.0, x, y), ramp[2]);
      EXPECT_EQ(pictures::Dither(ramp, 2.0, x, y), ramp[2]);
      const pictures::Colour c = pictures::Dither(ramp, 0.125, x, y);
      EXPECT_TRUE(c == ramp[0] || c == ramp[1]);
      upper += c == ramp[1];
    }
  }
  EXPECT_EQ(upper, 4) << "a quarter of the way to the next entry";
}

TEST(PictureDrawing, EveryTitleCapitalHasInkWithinItsOwnAdvance) {
  for (char c = 'A'; c <= 'Z'; ++c) {
    const pictures::BigLetter* letter = pictures::FindBigLetter(c);
    ASSERT_NE(letter, nullptr) << c;
    const Mask shape = pictures::TitleShape(std::string(1, c), 100);
    int first = 0;
    int last = 0;
    ASSERT_GT(InkColumns(shape, first, last), 20) << c;
    EXPECT_GE(first, 4) << c;  // the shape's margin
    EXPECT_LE(last, 4 + int(letter->width)) << c << " spills into the next letter";
  }
  EXPECT_EQ(pictures::FindBigLetter('a'), nullptr);
  EXPECT_EQ(pictures::TitleWidth("", 50), 0);
  EXPECT_EQ(pictures::TitleWidth("RH", 100), 96 + 12 + 98);
  EXPECT_EQ(pictures::TitleWidth("RV", 100), 96 + 12 - 10 + 102) << "V lets R come closer";
  EXPECT_GT(pictures::TitleWidth("QUORVELNN", 58), 400);
  EXPECT_LT(pictures::TitleWidth("QUORVELNN", 58), 600) << "the title fits the screen";
}

TEST(PictureDrawing, SmallLettersStayWithinTheirWidthAndShade) {
  EXPECT_EQ(pictures::SmallTextWidth("MENU"), 23);
  Canvas canvas(40, 12, 0);
  pictures::DrawSmallText(canvas, "MENU", 2, 2, 0xFFFFFF, 0x404040);
  int ink = 0;
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (canvas.Get(x, y) == 0) continue;
      ++ink;
      EXPECT_TRUE(x >= 2 && x <= 2 + 23 && y >= 2 && y <= 2 + 7) << x << "," << y;
    }
  }
  EXPECT_GT(ink, 40);
  EXPECT_EQ(canvas.Get(2, 2), 0xFFFFFFu) << "M's top-left stroke";
}

}  // namespace
