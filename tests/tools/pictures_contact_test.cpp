// Every place the game reads, as the contact sheets label it: inside its
// sheet and holding a picture; and the contact sheet itself.
#include <gtest/gtest.h>

#include "support/files.h"

#include <filesystem>

#include "pictures/contact_sheet.h"
#include "pictures/palette.h"
#include "pictures/sheet_places.h"
#include "tools/drawn_sheets.h"

namespace {

using pictures::palette::kKey;

TEST(PicturePlaces, EveryPlaceLiesInsideItsSheetAndHoldsAPicture) {
  int sheets_with_places = 0;
  for (const pictures::Sheet& sheet : test::DrawnSheets()) {
    const pictures::SheetPlaces places = pictures::PlacesIn(sheet.file_name);
    sheets_with_places += !places.places.empty();
    for (const pictures::Place& place : places.places) {
      const pictures::Rect r = place.rect;
      ASSERT_GE(r.x, 0) << sheet.file_name << " " << place.label;
      ASSERT_GE(r.y, 0) << sheet.file_name << " " << place.label;
      ASSERT_LE(r.Right(), sheet.image.width) << sheet.file_name << " " << place.label;
      ASSERT_LE(r.Bottom(), sheet.image.height) << sheet.file_name << " " << place.label;
      int drawn = 0;
      for (int y = r.y; y < r.Bottom(); ++y) {
        for (int x = r.x; x < r.Right(); ++x) drawn += sheet.image.at(x, y) != kKey;
      }
      EXPECT_GT(drawn, 0) << sheet.file_name << " " << place.label;
    }
  }
  EXPECT_GE(sheets_with_places, 10);
}

TEST(PicturePlaces, TheTerrainSheetNamesEveryTileValue) {
  const pictures::SheetPlaces places = pictures::PlacesIn("unit.bmp");
  std::string labels;
  for (const pictures::Place& place : places.places) labels += place.label + "\n";
  for (int value : {0, 1, 2, 3, 7, 11, 12, 15, 44}) {
    EXPECT_NE(labels.find(std::to_string(value)), std::string::npos) << value;
  }
  EXPECT_EQ(places.places.size(), 15u);
}

TEST(PictureContactSheet, EnlargesAndOutlinesEachPlace) {
  for (const pictures::Sheet& each : test::DrawnSheets()) {
    if (each.file_name != "little_sprites.bmp") continue;
    const platform::Image contact = pictures::ContactSheet(each);
    ASSERT_EQ(contact.width, each.image.width * 3);
    ASSERT_EQ(contact.height, each.image.height * 3);
    // The outline of the ball's place, one pixel outside its enlarged square.
    EXPECT_EQ(contact.at(2, 2), 0xFFFF00u);
    EXPECT_EQ(contact.at(15, 15), 0xFFFF00u);
  }
  const platform::Image narrow = pictures::ContactSheet({"mini.bmp", test::DrawnSheet("mini.bmp")});
  EXPECT_GE(narrow.width, 300) << "narrow sheets are enlarged enough for their labels";
}

TEST(PictureContactSheet, WritesOneEnlargedCopyPerSheet) {
  namespace fs = std::filesystem;
  const test::TempDirectory scratch;
  const fs::path directory = scratch.path() / "contact";
  ASSERT_TRUE(pictures::WriteContactSheets(directory.string()));
  for (const pictures::Sheet& sheet : test::DrawnSheets()) {
    const fs::path file = directory / (fs::path(sheet.file_name).stem().string() + "_contact.bmp");
    const auto written = platform::LoadBitmapFile(file.string());
    ASSERT_TRUE(written) << file;
    EXPECT_GE(written->width, sheet.image.width * 3) << file;
    EXPECT_EQ(written->width % sheet.image.width, 0) << "whole pixels: " << file;
  }
}

}  // namespace
