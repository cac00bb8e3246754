// The orc farm, barracks, hall and defence tower: log walls, roofs of
// stitched hides, bone spikes and red banners on trodden earth.
#include <cmath>

#include "pictures/architecture.h"
#include "pictures/building_drawers.h"
#include "pictures/building_pieces.h"
#include "pictures/noise.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

const RampView kRed = OwnerCloth(Owner::kOrc);

// A log lodge: the house with its roof covered in hides and spikes along
// the ridge.
void DrawLodge(Canvas& c, const House& lodge, std::uint32_t seed) {
  DrawHouse(c, lodge, seed);
  DrawHides(c, RoofShape(lodge, c.width(), c.height()), seed + 1);
  const int ridge = RidgeLine(lodge);
  const Rect& b = lodge.body;
  if (lodge.ridge == Ridge::kAcross) {
    c.HLine(b.x, b.Right() - 1, ridge, palette::kWood[1]);
    for (int x = b.x + 3; x < b.Right() - 2; x += 7) DrawSpike(c, x, ridge, 5);
    return;
  }
  const int apex = b.Bottom() - lodge.wall - lodge.gable;
  c.VLine(ridge, b.y, apex, palette::kWood[1]);
  for (int y = b.y + 6; y < apex; y += 7) DrawSpike(c, ridge, y, 5);
}

// A horn curving up from (x, y) towards the side given by `dir`.
void DrawHorn(Canvas& c, int x, int y, int dir) {
  Mask horn(c.width(), c.height());
  for (int i = 0; i < 10; ++i) {
    const double t = i / 9.0;
    horn.AddEllipse({x + dir * t * 9, y - std::sin(t * 2.2) * 9}, 2.2 - t * 1.6, 2.2 - t * 1.6);
  }
  Outline(c, horn, 0, 0, palette::kStone[0], 1);
  PaintMask(c, horn, 0, 0, [&](int px, int py) {
    return Dither(palette::kStone, 0.95 - (py - y + 9) * 0.02, px, py);
  });
}

void DrawSkullPole(Canvas& c, int x, int base) {
  c.FillRect({x, base - 13, 2, 13}, palette::kWood[2]);
  c.FillRect({x - 1, base - 17, 4, 4}, palette::kStone[9]);
  c.Set(x, base - 15, palette::kStone[0]);
  c.Set(x + 1, base - 15, palette::kStone[0]);
  c.Set(x + 3, base, palette::kStone[0]);
}

void DrawPig(Canvas& c, int x, int y) {
  Mask pig(c.width(), c.height());
  pig.AddEllipse({x + 4.0, y + 2.5}, 4.5, 2.8);
  for (int leg : {x + 1, x + 6}) pig.AddRect({leg, y + 4, 1, 2});
  DrawShadowAndOutline(c, pig, 1);
  PaintMask(c, pig, 0, 0, [&](int px, int py) {
    return Dither(palette::kWood, py <= y + 2 ? 0.42 : 0.3, px, py);
  });
  c.Set(x + 8, y + 2, palette::kStone[9]);
}

}  // namespace

Canvas DrawOrcFarm() {
  Canvas c = GroundCanvas(64, 64);
  Mask pen(64, 64);
  pen.AddEllipse({44, 44}, 17, 14);
  DrawEarth(c, pen, 801);
  DrawPalisade(c, 30, 62, 61, 6, LightFrom::kLeft, 803);
  Mask hut(64, 64);
  hut.AddEllipse({24, 26}, 21, 18);
  hut.AddRect({7, 26, 34, 16});
  DrawShadowAndOutline(c, hut, 3);
  DrawHides(c, hut, 805);
  Emboss(c, hut, 0, 0, palette::kWood[6], palette::kWood[1], 1);
  c.FillRect({19, 32, 10, 10}, palette::kWood[0]);
  c.HLine(18, 29, 31, palette::kWood[2]);
  for (int x : {8, 14, 33, 39}) DrawSpike(c, x, 43, 6);
  DrawSpike(c, 24, 9, 7);
  DrawPig(c, 40, 42);
  DrawPig(c, 48, 50);
  return c;
}

Canvas DrawOrcBarracks() {
  Canvas c = GroundCanvas(96, 96);
  Mask yard(96, 96);
  yard.AddEllipse({48, 78}, 44, 17);
  DrawEarth(c, yard, 811);
  const House lodge{{12, 4, 70, 68}, 22, Ridge::kAway, WallKind::kLogs, palette::kWood, 14};
  DrawShadowAndOutline(c, HouseShape(lodge, 96, 96), 4);
  DrawLodge(c, lodge, 813);
  DrawDoor(c, 41, 71, 12, 15);
  DrawHangingBanner(c, {25, 52, 7, 16}, kRed);
  DrawHangingBanner(c, {62, 52, 7, 16}, kRed);
  DrawSkullPole(c, 6, 88);
  DrawSkullPole(c, 86, 86);
  DrawSkullPole(c, 22, 92);
  DrawSkullPole(c, 70, 93);
  return c;
}

Canvas DrawOrcHall() {
  Canvas c = GroundCanvas(128, 128);
  Mask yard(128, 128);
  yard.AddEllipse({64, 104}, 60, 22);
  DrawEarth(c, yard, 821);
  const House hall{{6, 16, 116, 80}, 28, Ridge::kAcross, WallKind::kLogs, palette::kWood, 0};
  DrawShadowAndOutline(c, HouseShape(hall, 128, 128), 5);
  DrawLodge(c, hall, 823);
  DrawHorn(c, 12, 35, -1);
  DrawHorn(c, 116, 35, 1);
  DrawDoor(c, 55, 95, 18, 20);
  c.Line(53, 75, 63, 69, palette::kStone[9]);  // tusks over the door
  c.Line(74, 75, 64, 69, palette::kStone[9]);
  DrawHangingBanner(c, {30, 72, 9, 20}, kRed);
  DrawHangingBanner(c, {89, 72, 9, 20}, kRed);
  DrawFire(c, 64, 114, 5, 825);
  for (int x : {8, 24, 104, 118}) DrawSkullPole(c, x, 116 + (x % 3));
  return c;
}

Canvas DrawWarTower() {
  Canvas c = GroundCanvas(64, 64);
  const Rect deck{6, 4, 50, 32};
  Mask shape(64, 64);
  shape.AddRect(deck);
  for (int x : {10, 48}) shape.AddRect({x, deck.Bottom(), 5, 58 - deck.Bottom()});
  DrawShadowAndOutline(c, shape, 5);
  for (int x : {10, 48})
    DrawWall(c, {x, deck.Bottom(), 5, 58 - deck.Bottom()}, WallKind::kLogs, 831);
  c.Line(15, 38, 47, 55, palette::kWood[1]);
  c.Line(47, 38, 15, 55, palette::kWood[1]);
  DrawWall(c, {deck.x, deck.y, deck.w, deck.h - 8}, WallKind::kPlanks, 833);
  DrawWall(c, {deck.x, deck.Bottom() - 8, deck.w, 8}, WallKind::kLogs, 835);
  for (int x = deck.x + 2; x < deck.Right() - 1; x += 6) DrawSpike(c, x, deck.Bottom() - 7, 5);
  // The cannon on the deck, its muzzle towards the viewer.
  Mask gun(64, 64);
  gun.AddThickLine({26, 10}, {38, 24}, 7);
  Outline(c, gun, 0, 0, palette::kStone[0], 1);
  PaintMask(c, gun, 0, 0,
            [](int x, int y) { return Dither(palette::kStone, 0.3 - (x + y - 40) * 0.01, x, y); });
  c.FillRect({36, 23, 3, 3}, palette::kStone[0]);
  DrawPennant(c, 9, 7, 7, kRed);
  return c;
}

}  // namespace pictures
