// The generator's drawing helpers: shapes, clipping and bevels.
#include <gtest/gtest.h>

#include <tuple>

#include "pictures/canvas.h"
#include "pictures/mask.h"

namespace {

using pictures::Canvas;
using pictures::Mask;
using pictures::Rect;

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
  Mask dot(5, 5);
  dot.Set(2, 2);
  EXPECT_EQ(std::tuple(square.Count(), dot.Grown(1).Count(), dot.Grown(3).Count()),
            std::tuple(36, 9, 25));
}

TEST(PictureDrawing, CanvasClipsAndBevelsLightTopLeftDarkBottomRight) {
  Canvas canvas(8, 8, 0x000000);
  canvas.FillRect({-4, -4, 6, 6}, 0x111111);
  canvas.Line(-5, 3, 20, 3, 0x222222);
  canvas.Set(8, 0, 0x333333);
  EXPECT_EQ(std::tuple(canvas.Get(1, 1), canvas.Get(2, 2), canvas.Get(7, 3)),
            std::tuple(0x111111u, 0x000000u, 0x222222u));
  canvas.Bevel({1, 1, 6, 6}, 0xAAAAAA, 0x555555);
  EXPECT_EQ(std::tuple(canvas.Get(1, 1), canvas.Get(1, 6), canvas.Get(6, 6), canvas.Get(6, 2)),
            std::tuple(0xAAAAAAu, 0xAAAAAAu, 0x555555u, 0x555555u));
}

}  // namespace
