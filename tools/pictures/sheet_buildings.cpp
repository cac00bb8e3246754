// batis_humains.bmp, batis_orcs.bmp and batis_neutres.bmp: each building
// picture at its place on the 129-pixel grid. The game draws them opaque, so
// every picture carries its own grass; the rest of a sheet is never read and
// is left plain grass too.
#include "pictures/building_drawers.h"
#include "pictures/ground.h"
#include "pictures/sheet_drawers.h"

namespace pictures {

namespace layout = building_layout;

Canvas DrawBuildingPicture(const layout::BuildingPicture& picture) {
  switch (picture.kind) {
    case layout::Kind::kFarm:
      return DrawFarm();
    case layout::Kind::kHall1:
      return DrawHall(1);
    case layout::Kind::kHall2:
      return DrawHall(2);
    case layout::Kind::kHall3:
      return DrawHall(3);
    case layout::Kind::kBarracks:
      return DrawBarracks();
    case layout::Kind::kSawmill:
      return DrawSawmill();
    case layout::Kind::kSmithy:
      return DrawSmithy();
    case layout::Kind::kStable:
      return DrawStable();
    case layout::Kind::kChurch:
      return DrawChurch();
    case layout::Kind::kWorkshop:
      return DrawWorkshop();
    case layout::Kind::kMageTower:
      return DrawMageTower();
    case layout::Kind::kOrcFarm:
      return DrawOrcFarm();
    case layout::Kind::kOrcBarracks:
      return DrawOrcBarracks();
    case layout::Kind::kOrcHall:
      return DrawOrcHall();
    case layout::Kind::kTower:
      return DrawWarTower();
    case layout::Kind::kGoldMine:
      return DrawGoldMine();
    case layout::Kind::kTempleAir:
    case layout::Kind::kTempleNature:
    case layout::Kind::kTempleFire:
      return DrawTemple(picture.kind, picture.owner);
  }
  return Canvas(picture.Area().w, picture.Area().h);
}

platform::Image DrawBuildingSheet(layout::Sheet which) {
  for (const layout::SheetSize& size : layout::kSheets) {
    if (size.sheet != which) continue;
    Canvas sheet(layout::SheetWidth(size), layout::SheetHeight(size));
    FillGrass(sheet, {0, 0, sheet.width(), sheet.height()}, 1, 1);
    for (const layout::BuildingPicture& picture : layout::kPictures) {
      if (picture.sheet != which) continue;
      const Canvas drawn = DrawBuildingPicture(picture);
      const Rect area = picture.Area();
      sheet.Paste(drawn, {0, 0, area.w, area.h}, area.x, area.y);
    }
    return sheet.image();
  }
  return {};
}

}  // namespace pictures
