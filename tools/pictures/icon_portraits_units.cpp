// The walking units' portraits: the same figures as on the map, drawn larger
// and cut off at the waist, over a landscape.
#include "pictures/icon_portraits.h"
#include "pictures/unit_figures.h"

namespace pictures {
namespace {

using icon_sheet::Picture;

struct Bust {
  Picture picture;
  UnitKind kind;
  double feet_below;  // how far under the portrait's top the feet would be
};

constexpr double kBustScale = 2.3;
// Facing the viewer.
constexpr int kBustDirection = 4;

constexpr Bust kBusts[] = {
    {Picture::kWorker, UnitKind::kWorker, 60},
    {Picture::kArcher, UnitKind::kArcher, 59},
    {Picture::kSoldier, UnitKind::kSoldier, 60},
    {Picture::kMonk, UnitKind::kMonk, 59},
    {Picture::kOrcWorker, UnitKind::kOrcWorker, 55},
    {Picture::kOrcArcher, UnitKind::kOrcArcher, 55},
    {Picture::kOrcSoldier, UnitKind::kOrcSoldier, 58},
};

}  // namespace

void DrawUnitPortrait(Canvas& canvas, Picture picture, const Rect& portrait) {
  DrawLandscape(canvas, portrait, portrait.y + 27);
  for (const Bust& bust : kBusts) {
    if (bust.picture != picture) continue;
    const PointF feet{portrait.x + portrait.w / 2.0, portrait.y + bust.feet_below};
    // The figure runs on to the portrait's edges; its outline falls on the
    // black border line around it.
    DrawUnitFigure(canvas, bust.kind, kBustDirection, Pose::kStanding, feet, kBustScale,
                   portrait.Inset(-1));
  }
}

}  // namespace pictures
