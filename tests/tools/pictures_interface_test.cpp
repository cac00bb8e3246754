// The interface picture's training bar, which the game cuts out of its
// corner at every width.
#include <gtest/gtest.h>

#include "pictures/interface_layout.h"
#include "pictures/palette.h"
#include "tools/drawn_sheets.h"

namespace {

namespace layout = pictures::interface_layout;
using pictures::Rect;
using pictures::palette::kBlack;

TEST(PictureInterface, TrainingBarFillShowsAtEveryWidthOverItsTrough) {
  const platform::Image& ui = test::DrawnSheet("edit_game.bmp");
  const Rect fill = layout::kBarFill;
  const Rect trough = layout::kBarTrough;
  EXPECT_EQ(trough.w, fill.w);
  EXPECT_EQ(trough.h, fill.h);
  for (int row = 0; row < fill.h; ++row) {
    const std::uint32_t colour = ui.at(fill.x, fill.y + row);
    EXPECT_NE(colour, kBlack);
    for (int x = fill.x; x < fill.Right(); ++x) {
      ASSERT_EQ(ui.at(x, fill.y + row), colour) << "the fill is cut at any column";
      EXPECT_NE(ui.at(trough.x + x, trough.y + row), colour) << "filled and empty look alike";
    }
  }
  const Rect frame = layout::kBarFrame;
  EXPECT_GT(test::CountOther(ui, {frame.x + 1, frame.y + 1, frame.w - 2, 1}, kBlack), frame.w - 4);
}

}  // namespace
