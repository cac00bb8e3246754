// Desktop pointer motion as mouse counts.
#include "platform/pointer_counts.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

TEST(PointerCounts, MotionBecomesCountsWithTheRemaindersCarried) {
  struct Case {
    const char* what;
    double speed;
    int scale;
    std::vector<int> pixels, counts;  // successive motions on one axis, and their counts
  } const cases[] = {
      {"scale 2", 1, 2, {40, 6, 2}, {10, 1, 1}},
      {"scale 3, slowly", 1, 3, {60, 1, 1, 1, 1, 1, 1}, {10, 0, 0, 0, 0, 0, 1}},
      {"negative", 1, 2, {-40, -1, -1, -1, -1}, {-10, 0, 0, 0, -1}},
      {"back and forth", 1, 2, {3, -3, -3, 3, 2, 2}, {0, 0, 0, 0, 0, 1}},
      {"quarter speed, scale 1", 0.25, 1, {4, 4, -8}, {0, 1, -1}},
      {"four times", 4, 2, {1, -1, 10}, {1, -1, 10}},
      {"no window yet", 1, 0, {2}, {1}},
      {"huge", 4, 1, {INT_MAX, INT_MIN}, {INT_MAX, INT_MIN}},
  };
  for (const Case& c : cases) {
    platform::PointerCounts axis(c.speed);
    std::vector<int> counts;
    for (int pixels : c.pixels) counts.push_back(axis.Convert(pixels, c.scale));
    EXPECT_EQ(counts, c.counts) << c.what;
  }
}

}  // namespace
