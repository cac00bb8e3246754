// The human farm, barracks, church and mage tower.
#include <cmath>

#include "pictures/architecture.h"
#include "pictures/building_drawers.h"
#include "pictures/building_pieces.h"
#include "pictures/noise.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

const RampView kRoof = OwnerCloth(Owner::kHuman);

// Rows of ripe wheat between furrows, fenced on the open sides.
void DrawWheatField(Canvas& c, const Rect& field) {
  for (int y = field.y; y < field.Bottom(); ++y) {
    for (int x = field.x; x < field.Right(); ++x) {
      const bool furrow = (y - field.y) % 4 == 3;
      const double ear = HashUnit(x, y, 601) * 0.25;
      c.Set(x, y, furrow ? palette::kWood[2] : Dither(palette::kGold, 0.45 + ear, x, y));
    }
  }
  for (int x = field.x; x < field.Right(); x += 5)
    c.VLine(x, field.Bottom(), field.Bottom() + 2, palette::kWood[1]);
  c.HLine(field.x, field.Right() - 1, field.Bottom() + 1, palette::kWood[4]);
}

void DrawHayStack(Canvas& c, double cx, double cy, double r) {
  Mask stack(c.width(), c.height());
  stack.AddEllipse({cx, cy}, r, r * 0.8);
  DrawShadowAndOutline(c, stack, 2);
  PaintMask(c, stack, 0, 0, [&](int x, int y) {
    return Dither(palette::kGold, 0.62 - (x - cx + y - cy) / (r * 4) - ((x + y) % 3 == 0 ? 0.1 : 0),
                  x, y);
  });
}

// A round shield with a white cross on blue, hung on a wall.
void DrawShield(Canvas& c, int cx, int cy) {
  Mask shield(c.width(), c.height());
  shield.AddEllipse({cx + 0.5, cy + 0.5}, 3, 3);
  Outline(c, shield, 0, 0, palette::kStone[0], 1);
  PaintMask(c, shield, 0, 0, palette::kBanner[3]);
  c.HLine(cx - 2, cx + 2, cy, palette::kStone[9]);
  c.VLine(cx, cy - 2, cy + 2, palette::kStone[9]);
}

// A practice dummy: a post with a straw-stuffed crossbar.
void DrawDummy(Canvas& c, int x, int base) {
  c.FillRect({x, base - 12, 2, 12}, palette::kWood[2]);
  c.FillRect({x - 4, base - 10, 10, 2}, palette::kGold[4]);
  c.FillRect({x - 1, base - 15, 4, 4}, palette::kGold[5]);
  c.Set(x + 2, base, palette::kStone[0]);
}

}  // namespace

Canvas DrawFarm() {
  Canvas c = GroundCanvas(64, 64);
  DrawWheatField(c, {38, 4, 24, 34});
  const House cottage{{2, 6, 34, 46}, 14, Ridge::kAway, WallKind::kTimber, kRoof, 9};
  DrawShadowAndOutline(c, HouseShape(cottage, 64, 64), 3);
  DrawHouse(c, cottage, 603);
  DrawDoor(c, 16, 51, 6, 9);
  DrawWindow(c, 7, 43, true);
  DrawWindow(c, 29, 43, true);
  DrawHayStack(c, 50, 51, 8);
  return c;
}

Canvas DrawBarracks() {
  Canvas c = GroundCanvas(96, 96);
  Mask yard(96, 96);
  yard.AddEllipse({48, 80}, 44, 14);
  DrawEarth(c, yard, 611);
  const House hall{{4, 6, 86, 62}, 22, Ridge::kAcross, WallKind::kStone, kRoof, 0};
  DrawShadowAndOutline(c, HouseShape(hall, 96, 96), 4);
  DrawHouse(c, hall, 613);
  DrawDoor(c, 42, 67, 12, 14);
  for (int x : {12, 24, 66, 78}) DrawShield(c, x + 2, 56);
  for (int x : {34, 58}) DrawWindow(c, x, 50, false);
  DrawPennant(c, 6, 10, 10, kRoof);
  DrawPennant(c, 86, 10, 8, kRoof);
  DrawDummy(c, 20, 86);
  DrawDummy(c, 72, 84);
  return c;
}

Canvas DrawChurch() {
  Canvas c = GroundCanvas(96, 96);
  DrawPaving(c, {44, 80, 14, 16}, 621);
  const House nave{{30, 4, 48, 76}, 20, Ridge::kAway, WallKind::kStone, kRoof, 16};
  const Tower belfry{18, 88, 11, 44, 34, kRoof};
  Mask shape = HouseShape(nave, 96, 96);
  shape.Add(TowerShape(belfry, 96, 96));
  DrawShadowAndOutline(c, shape, 4);
  DrawHouse(c, nave, 623);
  DrawDoor(c, 49, 79, 8, 12);
  Mask rose(96, 96);
  rose.AddRing({54, 57}, 4, 4, 1.5);
  PaintMask(c, rose, 0, 0, palette::kGold[5]);
  c.FillRect({53, 56, 2, 2}, palette::kBanner[4]);
  for (int y : {14, 30}) {
    DrawWindow(c, 33, y, false);
    DrawWindow(c, 73, y, false);
  }
  DrawTower(c, belfry, 625);
  c.VLine(18, 4, 9, palette::kGold[6]);
  c.HLine(16, 20, 6, palette::kGold[6]);
  return c;
}

Canvas DrawMageTower() {
  Canvas c = GroundCanvas(96, 96);
  Mask circle(96, 96);
  circle.AddRing({46, 80}, 42, 14, 1.5);
  PaintMask(c, circle, 0, 0,
            [](int x, int y) { return Dither(palette::kBanner, (x + y) % 5 ? 0.75 : 1.0, x, y); });
  const Tower tower{44, 88, 18, 48, 34, kRoof};
  const House annex{{62, 46, 30, 32}, 12, Ridge::kAway, WallKind::kStone, kRoof, 6};
  Mask shape = TowerShape(tower, 96, 96);
  shape.Add(HouseShape(annex, 96, 96));
  DrawShadowAndOutline(c, shape, 5);
  DrawHouse(c, annex, 631);
  DrawTower(c, tower, 633);
  for (int i = 0; i < 7; ++i) {
    const int x = 32 + int(HashUnit(i, 0, 635) * 24);
    const int y = 14 + int(HashUnit(i, 1, 635) * 22);
    if (std::abs(x - 44) < (y - 6) / 2) c.Set(x, y, palette::kGold[7]);
  }
  for (int y : {48, 64}) DrawWindow(c, 36, y, true);
  DrawWindow(c, 50, 56, true);
  DrawDoor(c, 40, 87, 8, 11);
  return c;
}

}  // namespace pictures
