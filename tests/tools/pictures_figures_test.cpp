// Figures of solid parts: how they turn toward the eight directions, which
// part hides which, and how they meet the background.
#include <gtest/gtest.h>

#include "pictures/palette.h"
#include "pictures/unit_figures_geometry.h"
#include "pictures/unit_figures_render.h"
#include "tools/drawn_sheets.h"

namespace {

using namespace pictures::figure;
using pictures::Canvas;
using pictures::PointF;
using pictures::Rect;
namespace palette = pictures::palette;

constexpr int kEast = 2;
constexpr int kSouth = 4;
constexpr int kWest = 6;
constexpr int kNorth = 8;

View ViewFacing(int direction) {
  return {direction, {20.0, 30.0}, 1.0};
}

// The right hand is on the viewer's left when the figure faces them; what
// lies ahead moves the way the figure faces; the ground is seen at a slant,
// a step south showing half as long; westward directions mirror eastward.
TEST(FigureProjection, TurnsWithTheFigureAndSeesTheGroundAtASlant) {
  const Vec3 right_hand{3, 0, 10};
  EXPECT_LT(Projection(ViewFacing(kSouth)).Screen(right_hand).x, 20.0);
  EXPECT_GT(Projection(ViewFacing(kNorth)).Screen(right_hand).x, 20.0);
  const Vec3 ahead{0, 4, 0};
  EXPECT_GT(Projection(ViewFacing(kEast)).Screen(ahead).x, 20.0);
  EXPECT_LT(Projection(ViewFacing(kWest)).Screen(ahead).x, 20.0);
  EXPECT_DOUBLE_EQ(Projection(ViewFacing(kSouth)).Screen(ahead).y, 32.0);
  EXPECT_DOUBLE_EQ(Projection(ViewFacing(kNorth)).Screen(ahead).y, 28.0);
  EXPECT_DOUBLE_EQ(Projection(ViewFacing(kEast)).Screen({0, 0, 10}).y, 20.0);
  const Vec3 p{1.5, 2.5, 7};
  for (int east : {1, 2, 3}) {
    const PointF a = Projection(ViewFacing(east)).Screen(p);
    const PointF b = Projection(ViewFacing(8 - east)).Screen(p);
    EXPECT_DOUBLE_EQ(a.x - 20.0, 20.0 - b.x) << east;
    EXPECT_DOUBLE_EQ(a.y, b.y) << east;
  }
}

TEST(FigureProjection, NearerTheViewerIsDeeperAndFacesAreSeenFromTheFront) {
  const Projection south(ViewFacing(kSouth));
  EXPECT_GT(south.Depth({0, 1, 0}), south.Depth({0, -1, 0}));
  EXPECT_TRUE(south.Faces({0, 1, 0}));
  EXPECT_FALSE(south.Faces({0, -1, 0}));
  const Projection north(ViewFacing(kNorth));
  EXPECT_FALSE(north.Faces({0, 1, 0}));
  // Seen from the side, the near cheek shows and the far one does not.
  const Projection east(ViewFacing(kEast));
  EXPECT_TRUE(east.Faces({0.45, 1, 0}));
  EXPECT_FALSE(east.Faces({-0.45, 1, 0}));
}

TEST(FigureHull, KeepsTheCornersAndMeasuresFromTheOutside) {
  const std::vector<PointF> hull =
      ConvexHull({{0, 0}, {4, 0}, {2, 1}, {4, 4}, {0, 4}, {2, 2}, {4, 0}});
  EXPECT_EQ(hull.size(), 4u);
  PointF nearest;
  EXPECT_EQ(DistanceToHull(hull, {2, 3}, nearest), 0.0);
  EXPECT_DOUBLE_EQ(DistanceToHull(hull, {7, 2}, nearest), 3.0);
  EXPECT_DOUBLE_EQ(nearest.x, 4.0);
  EXPECT_EQ(ConvexHull({{1, 1}, {2, 2}, {3, 3}}).size(), 2u) << "points in a line make a stroke";
}

// Two discs one behind the other.
Figure TwoDiscs() {
  Figure figure;
  figure.Add(Solid({{0, 2, 8}}, 3, palette::kBanner, 0.5, {0, 2, 8}));     // in front
  figure.Add(Solid({{0, -2, 8}}, 3, palette::kCrimson, 0.5, {0, -2, 8}));  // behind
  return figure;
}

// The nearer disc, lower on the picture, hides the other, and a black line
// runs wherever the figure meets the background.
TEST(FigureDrawing, TheNearerPartHidesTheOtherAndTheOutlineIsBlack) {
  for (const auto& [direction, front] :
       {std::pair{kSouth, pictures::RampView(palette::kBanner)},
        std::pair{kNorth, pictures::RampView(palette::kCrimson)}}) {
    Canvas canvas(40, 40, palette::kKey);
    DrawFigure(canvas, TwoDiscs(), ViewFacing(direction), {0, 0, 40, 40});
    EXPECT_TRUE(test::OnRamp(front, canvas.Get(20, 23))) << direction;
    int edges = 0;
    for (int y = 1; y < 39; ++y) {
      for (int x = 1; x < 39; ++x) {
        const pictures::Colour c = canvas.Get(x, y);
        if (c == palette::kKey || c == palette::kBlack) continue;
        edges += canvas.Get(x - 1, y) == palette::kKey || canvas.Get(x + 1, y) == palette::kKey ||
                 canvas.Get(x, y - 1) == palette::kKey || canvas.Get(x, y + 1) == palette::kKey;
      }
    }
    EXPECT_EQ(edges, 0) << direction;
  }
}

TEST(FigureDrawing, NothingFallsOutsideTheClip) {
  Canvas canvas(40, 40, palette::kKey);
  const Rect clip{10, 10, 12, 12};
  DrawFigure(canvas, TwoDiscs(), {kSouth, {16.0, 30.0}, 2.0}, clip);
  const int inside = test::CountOther(canvas.image(), clip, palette::kKey);
  EXPECT_GT(inside, 100);
  EXPECT_EQ(test::CountOther(canvas.image(), {0, 0, 40, 40}, palette::kKey), inside);
}

TEST(FigureDrawing, OneSidedPartsShowOnlyTheirFrontOrTheirBack) {
  Figure figure;
  Part eye = Dot({0, 3, 10}, 0.5, palette::kGold, 1.0, {0, 1, 0}, {0, 3, 10});
  figure.Add(eye);
  Part shield = Solid({{-3, 2, 8}, {3, 2, 8}, {0, 2, 12}}, 0.5, palette::kBanner, 0.5, {0, 2, 9});
  shield.facing = Vec3{0, 1, 0};
  shield.back = palette::kWood;
  figure.Add(shield);
  auto count = [&](int direction, pictures::RampView ramp) {
    Canvas canvas(40, 40, palette::kKey);
    DrawFigure(canvas, figure, ViewFacing(direction), {0, 0, 40, 40});
    return test::CountOnRamp(canvas.image(), {0, 0, 40, 40}, ramp);
  };
  EXPECT_GT(count(kSouth, palette::kBanner), 0);
  EXPECT_EQ(count(kSouth, palette::kWood), 0);
  EXPECT_EQ(count(kNorth, palette::kBanner), 0);
  EXPECT_GT(count(kNorth, palette::kWood), 0);
  EXPECT_EQ(count(kSouth, palette::kGold), 1) << "a dot is one pixel at the sheets' size";
  EXPECT_EQ(count(kNorth, palette::kGold), 0);
}

TEST(FigureDrawing, StrokesAreOnePixelWideAndNotOutlined) {
  Figure figure;
  figure.Add(Stroke({{0, 0, 2}, {0, 0, 20}}, kInk, 0, {0, 0, 10}));
  Canvas canvas(40, 40, palette::kKey);
  DrawFigure(canvas, figure, ViewFacing(kSouth), {0, 0, 40, 40});
  for (int y = 12; y < 27; ++y) {
    int dark = 0;
    for (int x = 0; x < 40; ++x) dark += canvas.Get(x, y) != palette::kKey;
    EXPECT_EQ(dark, 1) << y;
  }
}

}  // namespace
