// The building sheets: every picture standing on the same grass as the
// terrain tiles, and nothing spilling onto the grid between them.
#include <gtest/gtest.h>

#include "pictures/building_layout.h"
#include "pictures/ground.h"
#include "pictures/terrain_layout.h"
#include "tools/drawn_sheets.h"

namespace {

namespace layout = pictures::building_layout;
using pictures::Rect;

const platform::Image& SheetOf(const layout::BuildingPicture& picture) {
  for (const layout::SheetSize& size : layout::kSheets) {
    if (size.sheet == picture.sheet) return test::DrawnSheet(size.file_name);
  }
  return test::DrawnSheet("none");
}

// The ground the game shows around a building is the picture's own, so its
// outer pixels are mostly the grass tile's, laid from the picture's corner.
TEST(PictureBuildings, PicturesStandOnTheGrassOfTheTiles) {
  const platform::Image& tiles = test::DrawnSheet("unit.bmp");
  const Rect grass = pictures::terrain_layout::TileRect(0, 0);
  for (const layout::BuildingPicture& picture : layout::kPictures) {
    const Rect area = picture.Area();
    const platform::Image& sheet = SheetOf(picture);
    int border = 0;
    int matching = 0;
    int building = 0;
    for (int y = 0; y < area.h; ++y) {
      for (int x = 0; x < area.w; ++x) {
        const bool same = sheet.at(area.x + x, area.y + y) ==
                          tiles.at(grass.x + x % grass.w, grass.y + y % grass.h);
        const bool edge = x == 0 || y == 0 || x == area.w - 1 || y == area.h - 1;
        border += edge;
        matching += edge && same;
        building += !same;
      }
    }
    EXPECT_GT(matching, border * 3 / 5) << picture.label << " " << picture.column;
    EXPECT_GT(building, area.w * area.h / 3) << picture.label << " fills its footprint";
  }
}

// Between the places lies the sheet's own grass: no picture spills over.
TEST(PictureBuildings, NothingSpillsOntoTheGridLines) {
  for (const layout::SheetSize& size : layout::kSheets) {
    const platform::Image& sheet = test::DrawnSheet(size.file_name);
    for (int line = 0; line <= size.columns; ++line) {
      const int x = std::min(line * layout::kPitch, sheet.width - 1);
      for (int y = 0; y < sheet.height; ++y) {
        ASSERT_EQ(sheet.at(x, y), pictures::GrassAt(x - 1, y - 1)) << size.file_name << " " << x;
      }
    }
    for (int line = 0; line <= size.rows; ++line) {
      const int y = std::min(line * layout::kPitch, sheet.height - 1);
      for (int x = 0; x < sheet.width; ++x) {
        ASSERT_EQ(sheet.at(x, y), pictures::GrassAt(x - 1, y - 1)) << size.file_name << " " << y;
      }
    }
  }
}

}  // namespace
