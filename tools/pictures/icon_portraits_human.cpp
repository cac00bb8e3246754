// Portraits of the human buildings: stone, timber and white plaster under
// blue slate roofs, with blue banners.
#include <cmath>
#include <numbers>

#include "pictures/architecture.h"
#include "pictures/icon_portraits.h"
#include "pictures/icon_portraits_pieces.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

using icon_sheet::Picture;
using portrait::Silhouette;
using portrait::Wall;

constexpr RampView kSlate = palette::kBanner;

void Farm(Canvas& canvas, const Rect& p, Silhouette& outline) {
  Mask hay(canvas.width(), canvas.height());
  hay.AddEllipse({p.x + 36.0, p.y + 31.0}, 8, 8);
  for (int y = p.y + 33; y < p.Bottom(); ++y) {
    for (int x = p.x; x < p.Right(); ++x) hay.Set(x, y, false);
  }
  PaintMask(canvas, hay, 0, 0, [&](int x, int y) {
    const bool straw = (x * 3 + y * 5) % 7 == 0;
    return Dither(palette::kGold, 0.62 - 0.03 * (x - p.x - 28) - (straw ? 0.2 : 0.0), x, y);
  });
  outline.mask().Add(hay);
  const Rect wall{p.x + 4, p.y + 21, 24, 12};
  portrait::DrawWall(canvas, outline, wall, Wall::kPlaster, 3);
  portrait::DrawRoof(canvas, outline, wall, 9, 2, kSlate);
  portrait::DrawDoor(canvas, p.x + 14, wall.Bottom(), 5, 8);
  DrawLitWindow(canvas, p.x + 7, p.y + 24, 3, 4);
  DrawLitWindow(canvas, p.x + 22, p.y + 24, 3, 4);
}

void Hall(Canvas& canvas, const Rect& p, Silhouette& outline) {
  for (int cx : {p.x + 7, p.x + 39}) {
    portrait::DrawTower(canvas, outline, cx, p.y + 34, 5, 17, 10, kSlate);
    DrawLitWindow(canvas, cx - 1, p.y + 22, 2, 4);
  }
  const Rect wall{p.x + 11, p.y + 20, 24, 14};
  portrait::DrawWall(canvas, outline, wall, Wall::kStone, 5);
  portrait::DrawRoof(canvas, outline, wall, 9, 2, kSlate);
  portrait::DrawDoor(canvas, p.x + 20, wall.Bottom(), 6, 9);
  DrawLitWindow(canvas, p.x + 14, p.y + 24, 2, 4);
  DrawLitWindow(canvas, p.x + 30, p.y + 24, 2, 4);
  DrawPennant(canvas, p.x + 23, p.y + 11, 8, palette::kBanner);
}

void Barracks(Canvas& canvas, const Rect& p, Silhouette& outline) {
  const Rect wall{p.x + 3, p.y + 21, 40, 13};
  portrait::DrawWall(canvas, outline, wall, Wall::kStone, 7);
  portrait::DrawRoof(canvas, outline, wall, 9, 1, kSlate);
  portrait::DrawDoor(canvas, p.x + 20, wall.Bottom(), 6, 8);
  portrait::DrawBanner(canvas, {p.x + 8, p.y + 23, 5, 9}, palette::kBanner);
  portrait::DrawBanner(canvas, {p.x + 33, p.y + 23, 5, 9}, palette::kBanner);
  // Crossed blades over the door.
  canvas.Line(p.x + 19, p.y + 25, p.x + 27, p.y + 18, palette::kSteel[5]);
  canvas.Line(p.x + 19, p.y + 18, p.x + 27, p.y + 25, palette::kSteel[4]);
}

void Workshop(Canvas& canvas, const Rect& p, Silhouette& outline) {
  const Rect wall{p.x + 3, p.y + 21, 26, 13};
  portrait::DrawWall(canvas, outline, wall, Wall::kStone, 9);
  portrait::DrawRoof(canvas, outline, wall, 8, 2, kSlate);
  portrait::DrawWall(canvas, outline, {p.x + 21, p.y + 9, 4, 9}, Wall::kStone, 13);
  portrait::DrawSmoke(canvas, p.x + 23, p.y + 6, 17);
  portrait::DrawDoor(canvas, p.x + 7, wall.Bottom(), 5, 8);
  canvas.FillRect({p.x + 16, p.y + 26, 7, 5}, palette::kFire[5]);
  canvas.HLine(p.x + 16, p.x + 22, p.y + 26, palette::kFire[7]);
  // The anvil.
  portrait::DrawShape(canvas, outline,
                      {{p.x + 31.0, p.y + 26.0},
                       {p.x + 44.0, p.y + 26.0},
                       {p.x + 41.0, p.y + 29.0},
                       {p.x + 39.0, p.y + 29.0},
                       {p.x + 39.0, p.y + 31.0},
                       {p.x + 42.0, p.y + 34.0},
                       {p.x + 33.0, p.y + 34.0},
                       {p.x + 36.0, p.y + 31.0},
                       {p.x + 36.0, p.y + 29.0},
                       {p.x + 33.0, p.y + 29.0}},
                      palette::kSteel, 0.7, 0.25);
}

void Church(Canvas& canvas, const Rect& p, Silhouette& outline) {
  const Rect nave{p.x + 15, p.y + 22, 27, 12};
  portrait::DrawWall(canvas, outline, nave, Wall::kStone, 19);
  portrait::DrawRoof(canvas, outline, nave, 8, 1, kSlate);
  portrait::DrawTower(canvas, outline, p.x + 10, p.y + 34, 5, 19, 12, kSlate);
  portrait::DrawDoor(canvas, p.x + 26, nave.Bottom(), 5, 8);
  DrawLitWindow(canvas, p.x + 19, p.y + 25, 2, 5);
  DrawLitWindow(canvas, p.x + 35, p.y + 25, 2, 5);
  DrawLitWindow(canvas, p.x + 9, p.y + 19, 2, 4);
  // A golden sun on the spire.
  canvas.FillRect({p.x + 9, p.y + 1, 3, 3}, palette::kGold[6]);
  canvas.Set(p.x + 10, p.y + 2, palette::kGold[7]);
}

void Inventor(Canvas& canvas, const Rect& p, Silhouette& outline) {
  const Rect wall{p.x + 3, p.y + 21, 23, 13};
  portrait::DrawWall(canvas, outline, wall, Wall::kPlaster, 23);
  portrait::DrawRoof(canvas, outline, wall, 8, 2, kSlate);
  portrait::DrawDoor(canvas, p.x + 12, wall.Bottom(), 5, 8);
  // A great cogwheel.
  Mask cog(canvas.width(), canvas.height());
  const PointF centre{p.x + 35.5, p.y + 24.5};
  cog.AddEllipse(centre, 6.5, 6.5);
  for (int tooth = 0; tooth < 8; ++tooth) {
    const double a = tooth * std::numbers::pi / 4;
    const PointF out{centre.x + std::cos(a) * 8.5, centre.y + std::sin(a) * 8.5};
    cog.AddThickLine(centre, out, 3);
  }
  Mask hub(canvas.width(), canvas.height());
  hub.AddEllipse(centre, 2.2, 2.2);
  cog.Remove(hub);
  PaintMask(canvas, cog, 0, 0, [&](int x, int y) {
    return Dither(palette::kGold, 0.75 - 0.04 * (x - centre.x) - 0.04 * (y - centre.y), x, y);
  });
  outline.mask().Add(cog);
  PaintMask(canvas, hub, 0, 0, palette::kWood[0]);
}

void MageTower(Canvas& canvas, const Rect& p, Silhouette& outline) {
  portrait::DrawWall(canvas, outline, {p.x + 27, p.y + 25, 14, 10}, Wall::kStone, 29);
  portrait::DrawRoof(canvas, outline, {p.x + 27, p.y + 25, 14, 10}, 6, 1, kSlate);
  portrait::DrawTower(canvas, outline, p.x + 20, p.y + 35, 7, 20, 14, kSlate);
  for (int y : {p.y + 19, p.y + 27}) {
    canvas.FillRect({p.x + 19, y, 2, 4}, palette::kVerdant[5]);
    canvas.Set(p.x + 19, y, palette::kWhite);
  }
  constexpr int kSparks[][2] = {{12, 4}, {29, 3}, {9, 11}, {32, 10}, {27, 15}};
  for (const auto& spark : kSparks) {
    canvas.Set(p.x + spark[0], p.y + spark[1], palette::kWhite);
    canvas.Set(p.x + spark[0] + 1, p.y + spark[1], palette::kVerdant[5]);
    canvas.Set(p.x + spark[0], p.y + spark[1] + 1, palette::kVerdant[4]);
  }
}

}  // namespace

void DrawHumanBuildingPortrait(Canvas& canvas, Picture picture, const Rect& p) {
  DrawLandscape(canvas, p, p.y + 17);
  Silhouette outline(canvas);
  switch (picture) {
    case Picture::kFarm:
      Farm(canvas, p, outline);
      break;
    case Picture::kHall:
      Hall(canvas, p, outline);
      break;
    case Picture::kBarracks:
      Barracks(canvas, p, outline);
      break;
    case Picture::kWorkshop:
      Workshop(canvas, p, outline);
      break;
    case Picture::kChurch:
      Church(canvas, p, outline);
      break;
    case Picture::kInventor:
      Inventor(canvas, p, outline);
      break;
    case Picture::kMageTower:
      MageTower(canvas, p, outline);
      break;
    default:
      break;
  }
  outline.Outline(canvas, p);
}

}  // namespace pictures
