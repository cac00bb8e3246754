// The cursor picture: drawn with its top-left pixel's colour as transparent,
// so that colour must surround the arrow and never appear inside it.
#include <gtest/gtest.h>

#include <vector>

#include "pictures/palette.h"
#include "tools/drawn_sheets.h"

namespace {

constexpr std::uint32_t kKey = pictures::palette::kKey;

// Key pixels reachable from the picture's border through key pixels.
std::vector<bool> OutsideArrow(const platform::Image& cursor) {
  std::vector<bool> reached(cursor.pixels.size(), false);
  std::vector<std::pair<int, int>> todo;
  for (int y = 0; y < cursor.height; ++y) {
    for (int x = 0; x < cursor.width; ++x) {
      const bool border = x == 0 || y == 0 || x == cursor.width - 1 || y == cursor.height - 1;
      if (border) todo.emplace_back(x, y);
    }
  }
  while (!todo.empty()) {
    const auto [x, y] = todo.back();
    todo.pop_back();
    if (x < 0 || y < 0 || x >= cursor.width || y >= cursor.height) continue;
    const std::size_t i = std::size_t(y) * cursor.width + x;
    if (reached[i] || cursor.pixels[i] != kKey) continue;
    reached[i] = true;
    todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  return reached;
}

TEST(PictureCursor, TwelveByFifteenWithTheKeyAtTheTopLeftAndTheTipBeside) {
  const platform::Image& cursor = test::DrawnSheet("cursor001.bmp");
  ASSERT_EQ(cursor.width, 12);
  ASSERT_EQ(cursor.height, 15);
  EXPECT_EQ(cursor.at(0, 0), kKey);
  EXPECT_NE(cursor.at(1, 1), kKey) << "the tip points at the cursor position";
}

TEST(PictureCursor, KeyColourOnlyOutsideTheArrow) {
  const platform::Image& cursor = test::DrawnSheet("cursor001.bmp");
  const std::vector<bool> outside = OutsideArrow(cursor);
  int arrow = 0;
  for (std::size_t i = 0; i < cursor.pixels.size(); ++i) {
    if (cursor.pixels[i] == kKey) {
      EXPECT_TRUE(outside[i]) << "enclosed key pixel at " << i % 12 << "," << i / 12;
    } else {
      ++arrow;
    }
  }
  EXPECT_GT(arrow, 40);
}

TEST(PictureCursor, ArrowEdgeAgainstTheKeyIsABlackOutline) {
  const platform::Image& cursor = test::DrawnSheet("cursor001.bmp");
  auto key_at = [&](int x, int y) {
    return x < 0 || y < 0 || x >= cursor.width || y >= cursor.height || cursor.at(x, y) == kKey;
  };
  for (int y = 0; y < cursor.height; ++y) {
    for (int x = 0; x < cursor.width; ++x) {
      if (cursor.at(x, y) == kKey) continue;
      const bool edge =
          key_at(x - 1, y) || key_at(x + 1, y) || key_at(x, y - 1) || key_at(x, y + 1);
      if (edge) {
        EXPECT_EQ(cursor.at(x, y), pictures::palette::kBlack) << x << "," << y;
      }
    }
  }
}

}  // namespace
