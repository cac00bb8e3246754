// Which group draws each picture, and the backgrounds they share.
#include "pictures/icon_portraits.h"

#include "pictures/architecture.h"
#include "pictures/ground.h"
#include "pictures/shading.h"

namespace pictures {

using icon_sheet::Picture;

void DrawIconPicture(Canvas& canvas, Picture picture, const Rect& portrait) {
  switch (picture) {
    case Picture::kEmpty:
      DrawStonePlate(canvas, portrait, 11);
      return;
    case Picture::kWorker:
    case Picture::kArcher:
    case Picture::kSoldier:
    case Picture::kMonk:
    case Picture::kOrcWorker:
    case Picture::kOrcArcher:
    case Picture::kOrcSoldier:
      DrawUnitPortrait(canvas, picture, portrait);
      return;
    case Picture::kFarm:
    case Picture::kHall:
    case Picture::kBarracks:
    case Picture::kWorkshop:
    case Picture::kChurch:
    case Picture::kInventor:
    case Picture::kMageTower:
      DrawHumanBuildingPortrait(canvas, picture, portrait);
      return;
    case Picture::kOrcFarm:
    case Picture::kOrcHall:
    case Picture::kOrcBarracks:
    case Picture::kTower:
      DrawOrcBuildingPortrait(canvas, picture, portrait);
      return;
    case Picture::kGoldMine:
    case Picture::kTempleOfNature:
    case Picture::kTempleOfAir:
    case Picture::kTempleOfFire:
      DrawPlacePortrait(canvas, picture, portrait);
      return;
    case Picture::kFlee:
    case Picture::kAggressive:
    case Picture::kReactive:
      DrawModeEmblem(canvas, picture, portrait);
      return;
  }
}

void DrawLandscape(Canvas& canvas, const Rect& portrait, int horizon) {
  for (int y = portrait.y; y < horizon; ++y) {
    const double t = double(y - portrait.y) / std::max(1, horizon - portrait.y);
    for (int x = portrait.x; x < portrait.Right(); ++x) {
      canvas.Set(x, y, Dither(palette::kHaze, 0.95 - 0.3 * t, x, y));
    }
  }
  FillGrass(canvas, {portrait.x, horizon, portrait.w, portrait.Bottom() - horizon}, portrait.x,
            horizon);
}

void DrawStonePlate(Canvas& canvas, const Rect& portrait, std::uint32_t seed) {
  DrawStoneWall(canvas, portrait, LightFrom::kLeft, seed, {6, 11, -0.12});
  canvas.Bevel(portrait, palette::kStone[6], palette::kStone[1]);
}

}  // namespace pictures
