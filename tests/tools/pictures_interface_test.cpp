// The interface and menu pictures where the game draws over them: text goes
// on black (glyphs are copied with their black box), and the training bar is
// cut out of the interface picture's corner.
#include <gtest/gtest.h>

#include "pictures/interface_layout.h"
#include "pictures/palette.h"
#include "tools/drawn_sheets.h"

namespace {

namespace layout = pictures::interface_layout;
using pictures::Rect;
using pictures::palette::kBlack;

int NotBlackIn(const platform::Image& picture, const Rect& r) {
  return test::CountOther(picture, r, kBlack);
}

TEST(PictureInterface, PanelAndMenuButtonAreDrawn) {
  const platform::Image& ui = test::DrawnSheet("edit_game.bmp");
  const Rect button = layout::kMenuButton;
  EXPECT_GT(NotBlackIn(ui, button), button.w * button.h * 3 / 4);
  EXPECT_GT(NotBlackIn(ui, {520, 200, 120, 40}), 120 * 40 * 3 / 4) << "stone between the wells";
  EXPECT_NE(ui.at(522, 240), kBlack) << "the border beside the game view";
}

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
  EXPECT_GT(NotBlackIn(ui, {frame.x + 1, frame.y + 1, frame.w - 2, 1}), frame.w - 4);
}

}  // namespace
