// The three temples, each drawn for its three owners. A temple stands on a
// stepped stone platform; air is a white rotunda under a pale dome, nature a
// shrine grown over by a great tree, fire a dark pyramid with braziers. The
// owner shows in the two tall banners before the steps, the runner down the
// steps and the gem on the top: grey and white, blue, or red.
#include <cmath>

#include "pictures/architecture.h"
#include "pictures/building_drawers.h"
#include "pictures/building_pieces.h"
#include "pictures/noise.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

namespace layout = building_layout;

constexpr int kSide = 96;
const Rect kPlatform{10, 34, 76, 42};
constexpr int kStepRows = 9;

void DrawPlatform(Canvas& c, RampView runner) {
  Mask base(kSide, kSide);
  base.AddRect({kPlatform.x, kPlatform.y, kPlatform.w, kPlatform.h + kStepRows});
  DrawShadowAndOutline(c, base, 4);
  DrawPaving(c, kPlatform, 1001);
  for (int step = 0; step < 3; ++step) {
    const int y = kPlatform.Bottom() + step * 3;
    c.FillRect({kPlatform.x, y, kPlatform.w, 2}, palette::kStone[6 - step]);
    c.HLine(kPlatform.x, kPlatform.Right() - 1, y + 2, palette::kStone[2]);
  }
  for (int y = kPlatform.Bottom() - 10; y < kPlatform.Bottom() + kStepRows; ++y) {
    for (int x = 42; x < 54; ++x) c.Set(x, y, Dither(runner, x < 48 ? 0.6 : 0.4, x, y));
  }
}

// A banner on a tall pole, swallow-tailed, in the owner's colour.
void DrawStandard(Canvas& c, int x, int base, RampView cloth) {
  c.FillRect({x, base - 34, 2, 34}, palette::kWood[1]);
  c.Set(x, base - 35, palette::kGold[6]);
  DrawHangingBanner(c, {x - 3, base - 32, 8, 16}, cloth);
  c.Set(x + 2, base, palette::kStone[0]);
}

void DrawGem(Canvas& c, int cx, int cy, RampView colour) {
  Mask gem(kSide, kSide);
  gem.AddPolygon(
      {{cx + 0.5, cy - 5.0}, {cx + 5.0, cy + 0.5}, {cx + 0.5, cy + 6.0}, {cx - 4.0, cy + 0.5}});
  Outline(c, gem, 0, 0, palette::kBlack, 1);
  PaintMask(c, gem, 0, 0,
            [&](int x, int y) { return Dither(colour, x <= cx && y <= cy ? 0.95 : 0.55, x, y); });
  c.Set(cx - 1, cy - 2, palette::kWhite);
}

// Air: pale columns round a dome.
void DrawRotunda(Canvas& c) {
  Mask body(kSide, kSide);
  body.AddEllipse({48, 40}, 26, 22);
  body.AddRect({22, 40, 52, 24});
  body.AddEllipse({48, 64}, 26, 6);
  DrawShadowAndOutline(c, body, 3);
  PaintMask(c, body, 0, 0, [](int x, int y) { return Dither(palette::kStone, 0.28, x, y); });
  for (int i = 0; i < 7; ++i) {
    const int x = 24 + i * 7 + (i > 3 ? 1 : 0);
    const int bottom = 64 + int(5 * std::sin((i + 0.5) / 7 * 3.1416));
    c.FillRect({x, 40, 4, bottom - 40}, palette::kStone[9]);
    c.VLine(x + 3, 40, bottom - 1, palette::kStone[6]);
  }
  Mask dome(kSide, kSide);
  dome.AddEllipse({48, 36}, 27, 20);
  Outline(c, dome, 0, 0, palette::kStone[1], 1);
  PaintMask(c, dome, 0, 0, [](int x, int y) {
    const double light = -((x - 48) + (y - 36)) / 50.0;
    return Dither(palette::kHaze, 0.7 + light * 0.5 + ((x - y) % 9 == 0 ? 0.1 : 0), x, y);
  });
}

// Nature: a small shrine with a great tree grown over it.
void DrawGrove(Canvas& c) {
  const House shrine{{28, 38, 40, 30}, 14, Ridge::kAway, WallKind::kStone, palette::kFoliage, 6};
  DrawShadowAndOutline(c, HouseShape(shrine, kSide, kSide), 3);
  DrawHouse(c, shrine, 1011);
  DrawDoor(c, 44, 67, 8, 10);
  Mask crown(kSide, kSide);
  const PointF lobes[] = {{48, 24}, {30, 30}, {66, 30}, {38, 14}, {60, 16}, {26, 44}, {70, 44}};
  for (const PointF& p : lobes) crown.AddEllipse(p, 13, 11);
  Mask gap(kSide, kSide);
  gap.AddRect({30, 50, 36, 30});
  crown.Remove(gap);
  DrawShadowAndOutline(c, crown, 3);
  PaintMask(c, crown, 0, 0, [](int x, int y) {
    const double clusters = ValueNoise(x / 3.0, y / 3.0, 1013);
    const double light = -((x - 48) + (y - 28)) / 60.0;
    return Dither(palette::kFoliage, 0.5 + light * 0.4 + (clusters - 0.5) * 0.4, x, y);
  });
  for (int i = 0; i < 12; ++i) {
    const int x = 14 + int(HashUnit(i, 3, 1015) * 68);
    const int y = 36 + int(HashUnit(i, 4, 1015) * 34);
    if (x < 40 || x > 56) c.Set(x, y, i % 2 ? palette::kGold[7] : palette::kFire[6]);
  }
}

// Fire: a dark stepped pyramid with a flame on its top and two braziers.
void DrawPyramid(Canvas& c) {
  Mask body(kSide, kSide);
  body.AddPolygon({{20, 66}, {76, 66}, {62, 22}, {34, 22}});
  DrawShadowAndOutline(c, body, 3);
  PaintMask(c, body, 0, 0, [](int x, int y) {
    const bool ledge = (y - 22) % 8 == 7;
    return Dither(palette::kStone, (x < 48 ? 0.3 : 0.16) + (ledge ? 0.2 : 0), x, y);
  });
  c.FillRect({43, 52, 10, 14}, palette::kFire[2]);
  c.FillRect({45, 56, 6, 10}, palette::kFire[5]);
  DrawFire(c, 48, 22, 7, 1021);
  for (int x : {16, 80}) {
    c.FillRect({x - 3, 60, 6, 8}, palette::kStone[1]);
    DrawFire(c, x, 60, 4, 1023 + x);
  }
}

}  // namespace

Canvas DrawTemple(layout::Kind element, layout::Owner owner) {
  Canvas c = GroundCanvas(kSide, kSide);
  const RampView cloth = OwnerCloth(owner);
  DrawPlatform(c, cloth);
  if (element == layout::Kind::kTempleAir) {
    DrawRotunda(c);
    DrawGem(c, 48, 12, cloth);
  } else if (element == layout::Kind::kTempleNature) {
    DrawGrove(c);
    DrawGem(c, 48, 58, cloth);
  } else {
    DrawPyramid(c);
    DrawGem(c, 48, 40, cloth);
  }
  DrawStandard(c, 24, 90, cloth);
  DrawStandard(c, 71, 90, cloth);
  return c;
}

}  // namespace pictures
