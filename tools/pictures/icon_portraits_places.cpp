// Portraits of the neutral places: the gold mine and the three temples.
#include <cmath>

#include "pictures/architecture.h"
#include "pictures/icon_portraits.h"
#include "pictures/icon_portraits_pieces.h"
#include "pictures/noise.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

using icon_sheet::Picture;
using portrait::Silhouette;

// A rocky knoll with a timbered entrance and gold spilling out of it.
void GoldMine(Canvas& canvas, const Rect& p, Silhouette& outline) {
  Mask knoll(canvas.width(), canvas.height());
  knoll.AddEllipse({p.x + 23.0, p.y + 40.0}, 23, 30);
  PaintMask(canvas, knoll, 0, 0, [&](int x, int y) {
    const double rock = Fractal(x / 4.0, y / 4.0, 61, 3);
    const double light = -0.012 * (x - p.x - 23) - 0.01 * (y - p.y - 20);
    return Dither(palette::kStone, 0.25 + rock * 0.4 + light, x, y);
  });
  outline.mask().Add(knoll);
  const Rect mouth{p.x + 18, p.y + 22, 10, 14};
  canvas.FillRect(mouth, palette::kBlack);
  for (int x : {mouth.x - 2, mouth.Right()}) {
    canvas.FillRect({x, mouth.y - 1, 2, mouth.h + 1}, palette::kWood[4]);
    canvas.VLine(x + 1, mouth.y - 1, mouth.Bottom() - 1, palette::kWood[2]);
  }
  canvas.FillRect({mouth.x - 3, mouth.y - 3, mouth.w + 6, 2}, palette::kWood[5]);
  canvas.HLine(mouth.x - 3, mouth.Right() + 2, mouth.y - 2, palette::kWood[3]);
  constexpr int kNuggets[][2] = {{14, 33}, {31, 34}, {33, 31}, {11, 35}, {21, 36}, {26, 35}};
  for (const auto& n : kNuggets) {
    canvas.FillRect({p.x + n[0], p.y + n[1], 2, 2}, palette::kGold[5]);
    canvas.Set(p.x + n[0], p.y + n[1], palette::kGold[7]);
  }
}

// Three stone steps that every temple stands on.
void Steps(Canvas& canvas, const Rect& p, Silhouette& outline, double tone) {
  const Rect steps[] = {
      {p.x + 3, p.y + 32, 40, 4}, {p.x + 6, p.y + 29, 34, 3}, {p.x + 9, p.y + 26, 28, 3}};
  for (const Rect& step : steps) {
    DrawStoneWall(canvas, step, LightFrom::kLeft, 71, {3, 8, tone});
    canvas.HLine(step.x, step.Right() - 1, step.y, palette::kStone[7]);
    outline.mask().AddRect(step);
  }
}

void TempleOfNature(Canvas& canvas, const Rect& p, Silhouette& outline) {
  Steps(canvas, p, outline, 0.0);
  portrait::DrawShape(canvas, outline,
                      {{p.x + 21.0, p.y + 26.0},
                       {p.x + 25.0, p.y + 26.0},
                       {p.x + 24.0, p.y + 14.0},
                       {p.x + 22.0, p.y + 14.0}},
                      palette::kWood, 0.55, 0.2);
  Mask crown(canvas.width(), canvas.height());
  const PointF leaves[] = {{23, 10}, {15, 14}, {31, 14}, {18, 6}, {28, 6}, {23, 4}};
  for (PointF leaf : leaves) crown.AddEllipse({p.x + leaf.x, p.y + leaf.y}, 7, 5.5);
  PaintMask(canvas, crown, 0, 0, [&](int x, int y) {
    const double clump = Fractal(x / 3.0, y / 3.0, 83, 2);
    const double light = -0.02 * (x - p.x - 23) - 0.025 * (y - p.y - 9);
    return Dither(palette::kFoliage, 0.45 + clump * 0.35 + light, x, y);
  });
  outline.mask().Add(crown);
}

void TempleOfAir(Canvas& canvas, const Rect& p, Silhouette& outline) {
  Steps(canvas, p, outline, 0.1);
  for (int x = p.x + 11; x <= p.x + 33; x += 7) {
    portrait::DrawShape(canvas, outline,
                        {{x + 0.0, p.y + 15.0},
                         {x + 3.0, p.y + 15.0},
                         {x + 3.0, p.y + 26.0},
                         {x + 0.0, p.y + 26.0}},
                        palette::kStone, 0.95, 0.55);
  }
  portrait::DrawShape(canvas, outline,
                      {{p.x + 8.0, p.y + 13.0},
                       {p.x + 38.0, p.y + 13.0},
                       {p.x + 38.0, p.y + 15.0},
                       {p.x + 8.0, p.y + 15.0}},
                      palette::kStone, 0.9, 0.5);
  Mask dome(canvas.width(), canvas.height());
  dome.AddEllipse({p.x + 23.0, p.y + 13.0}, 12, 10);
  for (int y = p.y + 13; y < p.Bottom(); ++y) {
    for (int x = p.x; x < p.Right(); ++x) dome.Set(x, y, false);
  }
  PaintMask(canvas, dome, 0, 0, [&](int x, int y) {
    const double d = std::hypot(x - (p.x + 19.0), y - (p.y + 7.0)) / 14;
    return Dither(palette::kHaze, 1.0 - d * 0.7, x, y);
  });
  outline.mask().Add(dome);
  Mask wind(canvas.width(), canvas.height());
  wind.AddRing({p.x + 6.0, p.y + 20.0}, 4, 3, 1, 180, 400);
  wind.AddRing({p.x + 40.0, p.y + 18.0}, 4, 3, 1, 160, 380);
  PaintMask(canvas, wind, 0, 0, palette::kWhite);
}

void TempleOfFire(Canvas& canvas, const Rect& p, Silhouette& outline) {
  Steps(canvas, p, outline, -0.15);
  portrait::DrawShape(canvas, outline,
                      {{p.x + 10.0, p.y + 26.0},
                       {p.x + 36.0, p.y + 26.0},
                       {p.x + 27.0, p.y + 12.0},
                       {p.x + 19.0, p.y + 12.0}},
                      palette::kStone, 0.35, 0.08);
  canvas.FillRect({p.x + 21, p.y + 19, 4, 7}, palette::kFire[5]);
  canvas.HLine(p.x + 21, p.x + 24, p.y + 19, palette::kFire[7]);
  DrawFire(canvas, p.x + 23, p.y + 11, 4, 89);
}

}  // namespace

void DrawPlacePortrait(Canvas& canvas, Picture picture, const Rect& p) {
  DrawLandscape(canvas, p, p.y + (picture == Picture::kGoldMine ? 14 : 20));
  Silhouette outline(canvas);
  switch (picture) {
    case Picture::kGoldMine:
      GoldMine(canvas, p, outline);
      break;
    case Picture::kTempleOfNature:
      TempleOfNature(canvas, p, outline);
      break;
    case Picture::kTempleOfAir:
      TempleOfAir(canvas, p, outline);
      break;
    case Picture::kTempleOfFire:
      TempleOfFire(canvas, p, outline);
      break;
    default:
      break;
  }
  outline.Outline(canvas, p);
}

}  // namespace pictures
