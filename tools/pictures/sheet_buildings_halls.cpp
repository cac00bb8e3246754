// The human halls: a stone hall with a tower (first stage), the same grown
// into a great hall between two towers (second), and a walled castle round a
// keep (third). Blue roofs and banners.
#include "pictures/building_drawers.h"
#include "pictures/building_pieces.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

constexpr int kSide = 128;
const RampView kRoof = OwnerCloth(Owner::kHuman);

// Two banners either side of a door in the middle of a front wall.
void DrawEntrance(Canvas& c, int cx, int bottom, int door_height, int banner_height) {
  DrawDoor(c, cx - 5, bottom - 1, 10, door_height);
  DrawHangingBanner(c, {cx - 14, bottom - door_height - 2, 5, banner_height}, kRoof);
  DrawHangingBanner(c, {cx + 9, bottom - door_height - 2, 5, banner_height}, kRoof);
}

Canvas DrawFirstHall() {
  Canvas c = GroundCanvas(kSide, kSide);
  DrawPaving(c, {36, 96, 48, 28}, 501);
  const House hall{{12, 22, 90, 74}, 24, Ridge::kAcross, WallKind::kStone, kRoof, 0};
  const House wing{{98, 42, 26, 54}, 14, Ridge::kAway, WallKind::kTimber, kRoof, 6};
  const Tower tower{14, 110, 11, 42, 24, kRoof};
  Mask shape = HouseShape(hall, kSide, kSide);
  shape.Add(HouseShape(wing, kSide, kSide));
  shape.Add(TowerShape(tower, kSide, kSide));
  DrawShadowAndOutline(c, shape, 5);
  DrawHouse(c, wing, 503);
  DrawHouse(c, hall, 505);
  for (int x : {32, 44, 72, 84}) DrawWindow(c, x, 80, true);
  DrawEntrance(c, 58, 96, 14, 13);
  DrawTower(c, tower, 507);
  DrawWindow(c, 110, 86, true);
  return c;
}

Canvas DrawSecondHall() {
  Canvas c = GroundCanvas(kSide, kSide);
  DrawPaving(c, {32, 98, 64, 28}, 511);
  const House back{{24, 4, 80, 32}, 8, Ridge::kAcross, WallKind::kStone, kRoof, 0};
  const House hall{{8, 26, 112, 72}, 24, Ridge::kAcross, WallKind::kStone, kRoof, 0};
  const Tower left{14, 114, 12, 46, 28, kRoof};
  const Tower right{113, 114, 12, 46, 28, kRoof};
  Mask shape = HouseShape(back, kSide, kSide);
  shape.Add(HouseShape(hall, kSide, kSide));
  shape.Add(TowerShape(left, kSide, kSide));
  shape.Add(TowerShape(right, kSide, kSide));
  DrawShadowAndOutline(c, shape, 5);
  DrawHouse(c, back, 513);
  DrawHouse(c, hall, 515);
  for (int x : {32, 44, 80, 92}) DrawWindow(c, x, 80, true);
  DrawEntrance(c, 64, 98, 16, 15);
  DrawTower(c, left, 517);
  DrawTower(c, right, 519);
  return c;
}

// The castle's curtain wall seen from above: a walk along the top, and the
// front face with its gate at the bottom.
void DrawCurtain(Canvas& c, const Rect& ring, int walk, int face) {
  DrawPaving(c, ring, 521);
  Mask walk_top(kSide, kSide);
  walk_top.AddRect(ring);
  Mask inner(kSide, kSide);
  inner.AddRect(ring.Inset(walk));
  walk_top.Remove(inner);
  PaintMask(c, walk_top, 0, 0, [](int x, int y) {
    return Dither(palette::kStone, (x + y) % 4 == 0 ? 0.5 : 0.66, x, y);
  });
  Emboss(c, walk_top, 0, 0, palette::kStone[8], palette::kStone[2], 1);
  DrawWall(c, {ring.x, ring.Bottom(), ring.w, face}, WallKind::kStone, 523);
  for (int x = ring.x + 1; x < ring.Right(); x += 4)
    c.FillRect({x, ring.Bottom() - 2, 2, 2}, palette::kStone[7]);
}

Canvas DrawCastle() {
  Canvas c = GroundCanvas(kSide, kSide);
  const Rect ring{10, 12, 108, 88};
  constexpr int kFace = 16;
  const House keep{{30, 22, 68, 56}, 20, Ridge::kAcross, WallKind::kStone, kRoof, 0};
  const Tower corners[4] = {{13, 28, 10, 16, 20, kRoof},
                            {115, 28, 10, 16, 20, kRoof},
                            {13, 118, 10, 26, 20, kRoof},
                            {115, 118, 10, 26, 20, kRoof}};
  Mask shape(kSide, kSide);
  shape.AddRect({ring.x, ring.y, ring.w, ring.h + kFace});
  for (const Tower& t : corners) shape.Add(TowerShape(t, kSide, kSide));
  DrawShadowAndOutline(c, shape, 5);
  DrawCurtain(c, ring, 6, kFace);
  Outline(c, HouseShape(keep, kSide, kSide), 0, 0, palette::kStone[0], 1);
  DrawHouse(c, keep, 525);
  for (int x : {38, 50, 76, 88}) DrawWindow(c, x, 64, true);
  DrawDoor(c, 59, 77, 10, 12);
  DrawHangingBanner(c, {44, 62, 6, 13}, kRoof);
  DrawHangingBanner(c, {78, 62, 6, 13}, kRoof);
  DrawDoor(c, 57, ring.Bottom() + kFace - 1, 14, 14);
  for (const Tower& t : corners) DrawTower(c, t, 527 + t.cx + t.ground);
  return c;
}

}  // namespace

Canvas DrawHall(int stage) {
  if (stage == 1) return DrawFirstHall();
  if (stage == 2) return DrawSecondHall();
  return DrawCastle();
}

}  // namespace pictures
