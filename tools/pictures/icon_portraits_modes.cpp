// The three behaviour modes, as emblems on a stone plate: a worker running
// off (flee), crossed swords (aggressive), a shield with a sword ready behind
// it (reactive).
#include <cmath>

#include "pictures/icon_portraits.h"
#include "pictures/shading.h"
#include "pictures/unit_figures.h"

namespace pictures {
namespace {

using icon_sheet::Picture;

// A blade from its hilt at `grip` to its point at `tip`, with a gilt guard.
void Sword(Canvas& canvas, PointF grip, PointF tip) {
  const double dx = tip.x - grip.x;
  const double dy = tip.y - grip.y;
  const double length = std::hypot(dx, dy);
  const PointF along{dx / length, dy / length};
  const PointF across{-along.y, along.x};
  Mask blade(canvas.width(), canvas.height());
  const PointF base{grip.x + along.x * 4, grip.y + along.y * 4};
  blade.AddPolygon({{base.x + across.x * 1.6, base.y + across.y * 1.6},
                    {tip.x - along.x * 3 + across.x * 1.6, tip.y - along.y * 3 + across.y * 1.6},
                    tip,
                    {tip.x - along.x * 3 - across.x * 1.6, tip.y - along.y * 3 - across.y * 1.6},
                    {base.x - across.x * 1.6, base.y - across.y * 1.6}});
  Mask hilt(canvas.width(), canvas.height());
  hilt.AddThickLine({base.x + across.x * 4, base.y + across.y * 4},
                    {base.x - across.x * 4, base.y - across.y * 4}, 2.2);
  hilt.AddThickLine(grip, base, 2.2);
  hilt.AddEllipse({grip.x - along.x, grip.y - along.y}, 1.6, 1.6);
  Mask both = blade;
  both.Add(hilt);
  Outline(canvas, both, 0, 0, palette::kBlack, 1);
  PaintMask(canvas, blade, 0, 0, [&](int x, int y) {
    const double side = (x + 0.5 - grip.x) * across.x + (y + 0.5 - grip.y) * across.y;
    return palette::kSteel[side < 0 ? 5 : 3];
  });
  PaintMask(canvas, hilt, 0, 0, palette::kGold[5]);
  Emboss(canvas, hilt, 0, 0, palette::kGold[7], palette::kGold[2], 1);
}

void Flee(Canvas& canvas, const Rect& p) {
  for (int k = 0; k < 3; ++k) {
    const int y = p.y + 17 + 5 * k;
    canvas.HLine(p.x + 30 + 2 * (k % 2), p.x + 41, y, palette::kStone[9]);
    canvas.HLine(p.x + 30 + 2 * (k % 2), p.x + 41, y + 1, palette::kStone[3]);
  }
  DrawUnitFigure(canvas, UnitKind::kWorker, 6, Pose::kStride, {p.x + 21.0, p.y + 35.0}, 1.3, p);
}

void Aggressive(Canvas& canvas, const Rect& p) {
  Sword(canvas, {p.x + 10.0, p.y + 32.0}, {p.x + 38.0, p.y + 5.0});
  Sword(canvas, {p.x + 36.0, p.y + 32.0}, {p.x + 8.0, p.y + 5.0});
}

void Reactive(Canvas& canvas, const Rect& p) {
  Sword(canvas, {p.x + 34.0, p.y + 33.0}, {p.x + 13.0, p.y + 4.0});
  Mask shield(canvas.width(), canvas.height());
  shield.AddPolygon({{p.x + 10.0, p.y + 8.0},
                     {p.x + 32.0, p.y + 8.0},
                     {p.x + 32.0, p.y + 21.0},
                     {p.x + 21.0, p.y + 34.0},
                     {p.x + 10.0, p.y + 21.0}});
  Outline(canvas, shield, 0, 0, palette::kBlack, 1);
  PaintMask(canvas, shield, 0, 0, [&](int x, int y) {
    return Dither(palette::kBanner, x < p.x + 21 ? 0.6 : 0.35, x, y);
  });
  Emboss(canvas, shield, 0, 0, palette::kGold[6], palette::kGold[2], 2);
  // A golden chevron.
  Mask chevron(canvas.width(), canvas.height());
  chevron.AddThickLine({p.x + 12.0, p.y + 24.0}, {p.x + 21.0, p.y + 14.0}, 3.5);
  chevron.AddThickLine({p.x + 21.0, p.y + 14.0}, {p.x + 30.0, p.y + 24.0}, 3.5);
  PaintMask(canvas, chevron, 0, 0, palette::kGold[5]);
  Emboss(canvas, chevron, 0, 0, palette::kGold[7], palette::kGold[3], 1);
}

}  // namespace

void DrawModeEmblem(Canvas& canvas, Picture picture, const Rect& p) {
  DrawStonePlate(canvas, p, 101);
  switch (picture) {
    case Picture::kFlee:
      Flee(canvas, p);
      break;
    case Picture::kAggressive:
      Aggressive(canvas, p);
      break;
    case Picture::kReactive:
      Reactive(canvas, p);
      break;
    default:
      break;
  }
}

}  // namespace pictures
