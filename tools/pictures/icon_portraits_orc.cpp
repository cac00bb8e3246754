// Portraits of the orc buildings: logs under stitched hides, bone horns and
// spikes, red banners.
#include "pictures/architecture.h"
#include "pictures/icon_portraits.h"
#include "pictures/icon_portraits_pieces.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

using icon_sheet::Picture;
using portrait::Silhouette;
using portrait::Wall;

// A bone spike or horn from (x, base), leaning by `lean` at its tip.
void Bone(Canvas& canvas, Silhouette& outline, double x, double base, double height, double lean) {
  portrait::DrawShape(canvas, outline,
                      {{x - 1.5, base},
                       {x + 1.5, base},
                       {x + lean + 0.5, base - height},
                       {x + lean - 0.5, base - height}},
                      palette::kLinen, 0.9, 0.55);
}

void Skull(Canvas& canvas, Silhouette& outline, int x, int y) {
  Mask skull(canvas.width(), canvas.height());
  skull.AddEllipse({x + 0.5, y + 0.5}, 2.6, 2.4);
  PaintMask(canvas, skull, 0, 0, palette::kLinen[5]);
  outline.mask().Add(skull);
  canvas.Set(x - 1, y, palette::kBlack);
  canvas.Set(x + 1, y, palette::kBlack);
  canvas.HLine(x - 1, x + 1, y + 2, palette::kLinen[2]);
}

void OrcFarm(Canvas& canvas, const Rect& p, Silhouette& outline) {
  for (int x = p.x + 31; x < p.x + 45; x += 3) {
    portrait::DrawShape(canvas, outline,
                        {{x + 0.0, p.y + 27.0},
                         {x + 2.0, p.y + 27.0},
                         {x + 2.0, p.y + 34.0},
                         {x + 0.0, p.y + 34.0}},
                        palette::kWood, 0.5, 0.3);
  }
  canvas.HLine(p.x + 31, p.x + 44, p.y + 29, palette::kWood[3]);
  const Rect wall{p.x + 6, p.y + 24, 24, 10};
  portrait::DrawWall(canvas, outline, wall, Wall::kLogs, 31);
  portrait::DrawShape(canvas, outline,
                      {{p.x + 18.0, p.y + 6.0}, {p.x + 33.0, p.y + 25.0}, {p.x + 3.0, p.y + 25.0}},
                      palette::kLinen, 0.7, 0.3);
  for (int k = 0; k < 4; ++k) {
    canvas.Line(p.x + 18, p.y + 7, p.x + 7 + 7 * k, p.y + 24, palette::kWood[2]);
  }
  portrait::DrawDoor(canvas, p.x + 15, wall.Bottom(), 6, 8);
  DrawPennant(canvas, p.x + 18, p.y + 7, 5, palette::kCrimson);
}

void OrcHall(Canvas& canvas, const Rect& p, Silhouette& outline) {
  const Rect wall{p.x + 6, p.y + 22, 34, 12};
  portrait::DrawWall(canvas, outline, wall, Wall::kLogs, 37);
  portrait::DrawHideRoof(canvas, outline, wall, 11, 2, 41);
  Bone(canvas, outline, p.x + 7, p.y + 14, 9, -4);
  Bone(canvas, outline, p.x + 39, p.y + 14, 9, 4);
  portrait::DrawDoor(canvas, p.x + 20, wall.Bottom(), 6, 9);
  portrait::DrawBanner(canvas, {p.x + 12, p.y + 23, 5, 9}, palette::kCrimson);
  portrait::DrawBanner(canvas, {p.x + 29, p.y + 23, 5, 9}, palette::kCrimson);
}

void OrcBarracks(Canvas& canvas, const Rect& p, Silhouette& outline) {
  const Rect wall{p.x + 3, p.y + 23, 31, 11};
  portrait::DrawWall(canvas, outline, wall, Wall::kLogs, 43);
  portrait::DrawHideRoof(canvas, outline, wall, 9, 2, 47);
  portrait::DrawDoor(canvas, p.x + 15, wall.Bottom(), 6, 8);
  portrait::DrawBanner(canvas, {p.x + 6, p.y + 24, 5, 8}, palette::kCrimson);
  portrait::DrawBanner(canvas, {p.x + 25, p.y + 24, 5, 8}, palette::kCrimson);
  portrait::DrawShape(canvas, outline,
                      {{p.x + 39.0, p.y + 12.0},
                       {p.x + 41.0, p.y + 12.0},
                       {p.x + 41.0, p.y + 35.0},
                       {p.x + 39.0, p.y + 35.0}},
                      palette::kWood, 0.5, 0.3);
  Skull(canvas, outline, p.x + 40, p.y + 10);
  for (int x : {p.x + 2, p.x + 36}) Bone(canvas, outline, x, p.y + 36, 6, 1);
}

// A watchtower on stilts with a cannon at its rail.
void Tower(Canvas& canvas, const Rect& p, Silhouette& outline) {
  for (int x : {p.x + 13, p.x + 31}) {
    portrait::DrawShape(canvas, outline,
                        {{x + 0.0, p.y + 16.0},
                         {x + 2.0, p.y + 16.0},
                         {x + 3.0, p.y + 35.0},
                         {x + 1.0, p.y + 35.0}},
                        palette::kWood, 0.55, 0.3);
  }
  canvas.Line(p.x + 15, p.y + 18, p.x + 31, p.y + 32, palette::kWood[3]);
  canvas.Line(p.x + 31, p.y + 18, p.x + 15, p.y + 32, palette::kWood[2]);
  const Rect box{p.x + 11, p.y + 11, 24, 7};
  portrait::DrawWall(canvas, outline, box, Wall::kLogs, 53);
  portrait::DrawShape(canvas, outline,
                      {{p.x + 23.0, p.y + 1.0}, {p.x + 37.0, p.y + 11.0}, {p.x + 9.0, p.y + 11.0}},
                      palette::kLinen, 0.65, 0.3);
  portrait::DrawShape(canvas, outline,
                      {{p.x + 33.0, p.y + 12.0},
                       {p.x + 43.0, p.y + 10.0},
                       {p.x + 43.0, p.y + 13.0},
                       {p.x + 33.0, p.y + 15.0}},
                      palette::kSteel, 0.55, 0.2);
  portrait::DrawBanner(canvas, {p.x + 20, p.y + 12, 5, 8}, palette::kCrimson);
}

}  // namespace

void DrawOrcBuildingPortrait(Canvas& canvas, Picture picture, const Rect& p) {
  DrawLandscape(canvas, p, p.y + 17);
  Silhouette outline(canvas);
  switch (picture) {
    case Picture::kOrcFarm:
      OrcFarm(canvas, p, outline);
      break;
    case Picture::kOrcHall:
      OrcHall(canvas, p, outline);
      break;
    case Picture::kOrcBarracks:
      OrcBarracks(canvas, p, outline);
      break;
    case Picture::kTower:
      Tower(canvas, p, outline);
      break;
    default:
      break;
  }
  outline.Outline(canvas, p);
}

}  // namespace pictures
