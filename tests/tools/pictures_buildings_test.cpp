// The building sheets: nothing spills onto the grid of grass between the
// pictures, where the game cuts them.
#include <gtest/gtest.h>

#include "pictures/building_layout.h"
#include "pictures/ground.h"
#include "tools/drawn_sheets.h"

namespace {

namespace layout = pictures::building_layout;
using pictures::Rect;

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
