// The small keyed pictures: the selection marks, which the game stretches,
// and the arrows, each pointing its way.
#include <gtest/gtest.h>

#include "pictures/marks_layout.h"
#include "pictures/palette.h"
#include "pictures/projectile_layout.h"
#include "tools/drawn_sheets.h"

namespace {

using pictures::Rect;
using pictures::palette::kKey;

// The sheet stretched as the game stretches it: nearest pixel, rounding down.
platform::Image Stretched(const platform::Image& from, int width, int height) {
  platform::Image to(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      to.at(x, y) = from.at(x * from.width / width, y * from.height / height);
  }
  return to;
}

int Opaque(const platform::Image& image, const Rect& r) {
  return test::CountOther(image, r, kKey);
}

// Each of the four sides shows its mark near both ends, and the middle of
// the object stays clear.
void ExpectMarkAllRound(const platform::Image& mark, const std::string& what) {
  const int w = mark.width;
  const int h = mark.height;
  EXPECT_EQ(mark.at(0, 0), kKey) << what;
  for (int corner = 0; corner < 4; ++corner) {
    const int x = corner % 2 == 0 ? 0 : w - 6;
    const int y = corner / 2 == 0 ? 0 : h - 6;
    EXPECT_GT(Opaque(mark, {x, y, 6, 1}) + Opaque(mark, {x, y + 5, 6, 1}), 3) << what << corner;
    EXPECT_GT(Opaque(mark, {x, y, 1, 6}) + Opaque(mark, {x + 5, y, 1, 6}), 3) << what << corner;
  }
  EXPECT_EQ(Opaque(mark, {w / 3, h / 3, w / 3, h / 3}), 0) << what;
}

TEST(PictureMarks, EachWidthFitsItsFootprintAndSurvivesStretching) {
  for (const auto& sheet : pictures::marks_layout::kMarkSheets) {
    const platform::Image& mark = test::DrawnSheet(sheet.file_name);
    const int side = pictures::marks_layout::MarkSide(sheet.cells);
    ASSERT_EQ(mark.width, side) << sheet.file_name;
    ASSERT_EQ(mark.height, side) << sheet.file_name;
    ExpectMarkAllRound(mark, sheet.file_name);
    for (int cells = 1; cells <= 4; ++cells) {
      const int height = pictures::marks_layout::MarkSide(cells);
      ExpectMarkAllRound(Stretched(mark, side, height),
                         std::string(sheet.file_name) + " to " + std::to_string(cells));
    }
  }
}

// The iron head is the darkest part of an arrow: it lies off the picture's
// middle in the direction of flight.
TEST(PictureProjectiles, EveryArrowPointsItsWay) {
  const platform::Image& sheet = test::DrawnSheet("little_sprites.bmp");
  for (const auto& arrow : pictures::projectile_layout::kArrows) {
    const Rect r = arrow.rect;
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = r.y; y < r.Bottom(); ++y) {
      for (int x = r.x; x < r.Right(); ++x) {
        const std::uint32_t c = sheet.at(x, y);
        const int brightness = int(c >> 16) + int((c >> 8) & 0xFF) + int(c & 0xFF);
        if (c == kKey || brightness > 200) continue;
        sx += x - (r.x + (r.w - 1) / 2.0);
        sy += y - (r.y + (r.h - 1) / 2.0);
        ++n;
      }
    }
    ASSERT_GT(n, 0) << arrow.direction;
    sx /= n;
    sy /= n;
    // Along the flight the head lies off the middle; across it, on the shaft.
    const double along_x = arrow.dx != 0 ? sx * arrow.dx : 1.0 - std::abs(sx);
    const double along_y = arrow.dy != 0 ? sy * arrow.dy : 1.0 - std::abs(sy);
    EXPECT_GT(along_x, 0.0) << arrow.direction << " across x: " << sx;
    EXPECT_GT(along_y, 0.0) << arrow.direction << " across y: " << sy;
  }
}

}  // namespace
