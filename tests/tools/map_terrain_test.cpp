// Drawn terrain: the forest piece each 'T' takes from its neighbours, and
// the drawing of stored values that resolves back to them exactly.
#include "map/terrain_text.h"

#include <gtest/gtest.h>

#include <random>

#include "world/sprites_names.h"

namespace {

using mapmaker::DrawTerrain;
using mapmaker::ResolveTerrain;

// The value at (x, y) of a grid resolved from rows.
int At(const std::vector<std::string>& rows, int x, int y) {
  return ResolveTerrain(rows)[std::size_t(x) * rows.size() + y];
}

TEST(MapTerrain, AClearingGivesTheFourInnerCornersAndTheEdgesAroundItAndANotchATopEdge) {
  const std::vector<std::string> rows = {"TTTTT", "TTTTT", "TT.TT", "TTTTT", "TTTTT"};
  EXPECT_EQ(At(rows, 1, 1), BOIS10);  // grass to its south-east
  EXPECT_EQ(At(rows, 3, 1), BOIS11);
  EXPECT_EQ(At(rows, 1, 3), BOIS12);
  EXPECT_EQ(At(rows, 3, 3), BOIS13);
  EXPECT_EQ(At(rows, 2, 1), BOIS08);  // the clearing's north side is a bottom edge
  EXPECT_EQ(At(rows, 1, 2), BOIS06);
  EXPECT_EQ(At(rows, 3, 2), BOIS04);
  EXPECT_EQ(At(rows, 2, 3), BOIS02);
  EXPECT_EQ(At(rows, 0, 0), BOIS05);  // the wood runs on past the map's edge
  // The cell under a notch takes a top edge: its trees would otherwise reach
  // out over the grass above it.
  EXPECT_EQ(At({"T.T", "TTT", "TTT"}, 1, 1), BOIS02);
}

TEST(MapTerrain, DrawingWritesTWhereTheRuleAgreesAndTheExactValueElsewhere) {
  // Column by column: (0,0) (0,1) (1,0) (1,1) (2,0) (2,1).
  const std::vector<int> values = {BOIS08, DECOR_43, BOIS01, 99, HERBE2, DECOR_44};
  const std::vector<std::string> rows = DrawTerrain(3, 2, values);
  EXPECT_EQ(rows, (std::vector<std::string>{"T7#", ":?R"}));
  std::vector<int> resolved = ResolveTerrain(rows);
  resolved[1 * 2 + 1] = 99;  // a '?' takes its value from a cell line
  EXPECT_EQ(resolved, values);
}

TEST(MapTerrain, AnyGridOfDrawableValuesDrawsAndResolvesBackExactly) {
  std::mt19937 random(7);
  const std::vector<int> drawable = {VIDE,   HERBE1, HERBE2, BOIS01, BOIS02,   BOIS03,
                                     BOIS04, BOIS05, BOIS06, BOIS07, BOIS08,   BOIS09,
                                     BOIS10, BOIS11, BOIS12, BOIS13, DECOR_43, DECOR_44};
  for (int round = 0; round < 50; ++round) {
    const int width = 1 + int(random() % 12), height = 1 + int(random() % 9);
    std::vector<int> values(std::size_t(width * height));
    // Mostly forest, so that most cells have forest around them.
    for (int& v : values) v = random() % 3 ? BOIS01 + int(random() % 13) : drawable[random() % 18];
    EXPECT_EQ(ResolveTerrain(DrawTerrain(width, height, values)), values);
  }
}

}  // namespace
