// The human sawmill, smithy, stable and workshop: working buildings, each
// with its yard and tools in front.
#include <cmath>

#include "pictures/building_drawers.h"
#include "pictures/building_pieces.h"
#include "pictures/noise.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

const RampView kRoof = OwnerCloth(Owner::kHuman);

// A toothed wheel: the saw blade or a gear, lit on its upper left.
void DrawWheel(Canvas& c, double cx, double cy, double r, RampView metal, int teeth) {
  Mask wheel(c.width(), c.height());
  wheel.AddEllipse({cx, cy}, r, r);
  for (int i = 0; i < teeth; ++i) {
    const double a = i * 6.2832 / teeth;
    wheel.AddEllipse({cx + std::cos(a) * r, cy + std::sin(a) * r}, 1.3, 1.3);
  }
  Outline(c, wheel, 0, 0, palette::kStone[0], 1);
  PaintMask(c, wheel, 0, 0,
            [&](int x, int y) { return Dither(metal, 0.6 - (x - cx + y - cy) / (r * 3), x, y); });
  c.FillRect({int(cx) - 1, int(cy) - 1, 2, 2}, palette::kStone[1]);
}

void DrawFence(Canvas& c, const Rect& pen) {
  for (int x = pen.x; x < pen.Right(); x += 6) {
    c.VLine(x, pen.y - 3, pen.y, palette::kWood[1]);
    c.VLine(x, pen.Bottom() - 3, pen.Bottom(), palette::kWood[1]);
  }
  for (int y = pen.y; y <= pen.Bottom(); y += 6) {
    c.VLine(pen.x, y - 3, y, palette::kWood[1]);
    c.VLine(pen.Right() - 1, y - 3, y, palette::kWood[1]);
  }
  c.HLine(pen.x, pen.Right() - 1, pen.y - 2, palette::kWood[5]);
  c.HLine(pen.x, pen.Right() - 1, pen.Bottom() - 2, palette::kWood[5]);
  c.VLine(pen.x, pen.y - 2, pen.Bottom() - 2, palette::kWood[4]);
  c.VLine(pen.Right() - 1, pen.y - 2, pen.Bottom() - 2, palette::kWood[4]);
}

void DrawHorse(Canvas& c, int x, int y) {
  Mask horse(c.width(), c.height());
  horse.AddEllipse({x + 6.0, y + 3.0}, 6, 3);
  horse.AddThickLine({x + 11.0, y + 2.0}, {x + 14.0, y - 3.0}, 2.5);
  for (int leg : {x + 2, x + 4, x + 8, x + 10}) horse.AddRect({leg, y + 5, 1, 4});
  DrawShadowAndOutline(c, horse, 2);
  PaintMask(c, horse, 0, 0, [&](int px, int py) {
    return Dither(palette::kWood, py < y + 3 ? 0.5 : 0.36, px, py);
  });
  c.Set(x + 14, y - 3, palette::kWood[1]);
}

void DrawCrate(Canvas& c, int x, int y) {
  Mask crate(c.width(), c.height());
  crate.AddRect({x, y, 7, 7});
  DrawShadowAndOutline(c, crate, 2);
  c.FillRect({x, y, 7, 3}, palette::kWood[5]);
  c.FillRect({x, y + 3, 7, 4}, palette::kWood[3]);
  c.Line(x, y + 3, x + 6, y + 6, palette::kWood[1]);
}

}  // namespace

Canvas DrawSawmill() {
  Canvas c = GroundCanvas(96, 96);
  Mask yard(96, 96);
  yard.AddEllipse({62, 74}, 32, 18);
  DrawEarth(c, yard, 701);
  const House mill{{4, 6, 52, 64}, 18, Ridge::kAway, WallKind::kTimber, kRoof, 12};
  DrawShadowAndOutline(c, HouseShape(mill, 96, 96), 4);
  DrawHouse(c, mill, 703);
  DrawDoor(c, 25, 69, 10, 13);
  // The saw bench under its blade, with a log half cut.
  Mask bench(96, 96);
  bench.AddRect({58, 50, 30, 8});
  DrawShadowAndOutline(c, bench, 2);
  DrawWall(c, {58, 50, 30, 8}, WallKind::kPlanks, 705);
  c.FillRect({60, 51, 26, 4}, palette::kWood[5]);
  DrawWheel(c, 73, 47, 8, palette::kStone, 12);
  DrawLogPile(c, 56, 90, 5, 3);
  DrawLogPile(c, 8, 92, 4, 2);
  return c;
}

Canvas DrawSmithy() {
  Canvas c = GroundCanvas(96, 96);
  Mask yard(96, 96);
  yard.AddEllipse({58, 78}, 34, 14);
  DrawEarth(c, yard, 711);
  const House forge{{4, 10, 60, 62}, 20, Ridge::kAway, WallKind::kStone, kRoof, 12};
  const Rect chimney{44, 8, 9, 20};
  Mask shape = HouseShape(forge, 96, 96);
  shape.AddRect(chimney);
  DrawShadowAndOutline(c, shape, 4);
  DrawHouse(c, forge, 713);
  DrawWall(c, chimney, WallKind::kStone, 715);
  c.FillRect({45, 8, 7, 3}, palette::kStone[0]);
  for (int i = 0; i < 5; ++i) {
    Mask puff(96, 96);
    puff.AddEllipse({49.0 + i * 3, 5.0 - i * 1.2}, 2.5 + i * 0.5, 2 + i * 0.4);
    PaintMask(c, puff, 0, 0,
              [&](int x, int y) { return Dither(palette::kHaze, 0.7 - i * 0.08, x, y); });
  }
  DrawDoor(c, 29, 71, 10, 13);
  // The hearth glowing under its hood, and the anvil before it.
  c.FillRect({68, 52, 16, 10}, palette::kStone[2]);
  c.FillRect({70, 55, 12, 5}, palette::kFire[5]);
  c.FillRect({72, 56, 8, 3}, palette::kFire[7]);
  Mask anvil(96, 96);
  anvil.AddPolygon(
      {{66, 70}, {82, 70}, {79, 74}, {76, 74}, {76, 78}, {71, 78}, {71, 74}, {68, 74}});
  DrawShadowAndOutline(c, anvil, 2);
  PaintMask(c, anvil, 0, 0,
            [](int x, int y) { return Dither(palette::kStone, y < 72 ? 0.55 : 0.2, x, y); });
  return c;
}

Canvas DrawStable() {
  Canvas c = GroundCanvas(96, 96);
  const Rect paddock{6, 66, 84, 24};
  Mask ground(96, 96);
  ground.AddRect(paddock);
  DrawEarth(c, ground, 721);
  const House barn{{4, 4, 78, 58}, 22, Ridge::kAcross, WallKind::kPlanks, kRoof, 0};
  DrawShadowAndOutline(c, HouseShape(barn, 96, 96), 4);
  DrawHouse(c, barn, 723);
  for (int x : {12, 34, 56}) {
    c.FillRect({x, 46, 12, 15}, palette::kWood[0]);
    c.HLine(x, x + 11, 53, palette::kWood[4]);
  }
  DrawFence(c, paddock);
  DrawHorse(c, 20, 74);
  DrawHorse(c, 58, 76);
  Mask hay(96, 96);
  hay.AddRect({82, 34, 11, 9});
  DrawShadowAndOutline(c, hay, 2);
  PaintMask(c, hay, 0, 0,
            [](int x, int y) { return Dither(palette::kGold, y < 37 ? 0.62 : 0.42, x, y); });
  return c;
}

Canvas DrawWorkshop() {
  Canvas c = GroundCanvas(96, 96);
  Mask yard(96, 96);
  yard.AddRect({6, 66, 84, 24});
  DrawPaving(c, {6, 66, 84, 24}, 731);
  const House shop{{4, 10, 68, 58}, 20, Ridge::kAcross, WallKind::kTimber, kRoof, 0};
  DrawShadowAndOutline(c, HouseShape(shop, 96, 96), 4);
  DrawHouse(c, shop, 733);
  DrawDoor(c, 32, 67, 12, 14);
  for (int x : {12, 22, 54, 62}) DrawWindow(c, x, 54, true);
  // A crane of two beams over the yard, its rope hanging to a crate.
  Mask crane(96, 96);
  crane.AddThickLine({72, 72}, {76, 14}, 3);
  crane.AddThickLine({76, 14}, {92, 20}, 2.5);
  DrawShadowAndOutline(c, crane, 3);
  PaintMask(c, crane, 0, 0, [](int x, int y) { return Dither(palette::kWood, 0.5, x, y); });
  c.VLine(90, 21, 40, palette::kStone[1]);
  DrawCrate(c, 86, 40);
  DrawWheel(c, 78, 62, 9, palette::kGold, 10);
  DrawWheel(c, 64, 78, 5, palette::kGold, 8);
  DrawCrate(c, 12, 76);
  DrawCrate(c, 20, 80);
  return c;
}

}  // namespace pictures
