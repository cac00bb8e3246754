// The generator's output as a whole: the files the game loads, their sizes,
// their colours, the same bytes at every run; every place the game reads,
// inside its sheet and holding a picture; and the contact sheets that label
// those places.
#include <gtest/gtest.h>

#include "support/files.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "pictures/contact_sheet.h"
#include "pictures/palette.h"
#include "pictures/sheet_places.h"
#include "pictures/sheets.h"
#include "tools/drawn_sheets.h"

namespace {

using test::ReadBytes;

namespace fs = std::filesystem;

TEST(PictureSheets, EverySheetTheGameLoadsAtItsSize) {
  const std::map<std::string, std::pair<int, int>> expected = {
      {"intro.bmp", {640, 480}},
      {"menu.bmp", {640, 480}},
      {"edit_game.bmp", {640, 480}},
      {"font1.bmp", {640, 48}},
      {"cursor001.bmp", {12, 15}},
      {"unit.bmp", {199, 133}},
      {"mini.bmp", {6, 1}},
      {"select.bmp", {34, 34}},
      {"select2.bmp", {66, 66}},
      {"select3.bmp", {98, 98}},
      {"select4.bmp", {130, 130}},
      {"little_sprites.bmp", {128, 16}},
      {"batis_humains.bmp", {517, 388}},
      {"batis_orcs.bmp", {646, 259}},
      {"batis_neutres.bmp", {517, 388}},
      {"humains_new.bmp", {613, 409}},
      {"orcs_new.bmp", {460, 409}},
      {"icones.bmp", {612, 157}},
  };
  std::map<std::string, std::pair<int, int>> drawn;
  for (const pictures::Sheet& sheet : test::DrawnSheets()) {
    drawn[sheet.file_name] = {sheet.image.width, sheet.image.height};
  }
  EXPECT_EQ(drawn, expected);
}

// The game gives a colour key to these sheets only, taken from the top-left
// pixel; the others are drawn opaque and never show the key colour.
const std::set<std::string> kKeyedSheets = {
    "cursor001.bmp", "unit.bmp",           "select.bmp",      "select2.bmp", "select3.bmp",
    "select4.bmp",   "little_sprites.bmp", "humains_new.bmp", "orcs_new.bmp"};

TEST(PictureSheets, EveryPixelIsAPaletteColourAndTheKeyOnlyInKeyedSheets) {
  const std::vector<std::uint32_t> colours = pictures::AllPaletteColours();
  const std::set<std::uint32_t> palette(colours.begin(), colours.end());
  for (const pictures::Sheet& sheet : test::DrawnSheets()) {
    const std::set<std::uint32_t> used(sheet.image.pixels.begin(), sheet.image.pixels.end());
    for (std::uint32_t c : used) {
      EXPECT_TRUE(palette.count(c)) << sheet.file_name << " uses " << std::hex << c;
    }
    if (kKeyedSheets.count(sheet.file_name)) {
      EXPECT_EQ(sheet.image.at(0, 0), pictures::palette::kKey) << sheet.file_name;
    } else {
      EXPECT_FALSE(used.count(pictures::palette::kKey)) << sheet.file_name;
    }
  }
}

// A second drawing writes the bytes of the first; writing fails where no
// directory can be made.
TEST(PictureSheetFiles, TwoRunsWriteTheSameBytesThatLoadBackAsDrawn) {
  const test::TempDirectory scratch;
  const fs::path first = scratch.path() / "first", second = scratch.path() / "second";
  ASSERT_TRUE(pictures::WriteAllSheets(first.string()));
  fs::create_directories(second);
  for (const pictures::Sheet& sheet : test::DrawnSheets()) {
    ASSERT_TRUE(platform::SaveBitmapFile((second / sheet.file_name).string(), sheet.image));
    const std::string bytes = ReadBytes(first / sheet.file_name);
    EXPECT_FALSE(bytes.empty()) << sheet.file_name;
    EXPECT_TRUE(bytes == ReadBytes(second / sheet.file_name)) << sheet.file_name;
    const auto loaded = platform::LoadBitmapFile((first / sheet.file_name).string());
    ASSERT_TRUE(loaded) << sheet.file_name;
    EXPECT_TRUE(loaded->pixels == sheet.image.pixels) << sheet.file_name;
  }
  std::ofstream(scratch.path() / "blocker") << "a file, not a directory";
  EXPECT_FALSE(pictures::WriteAllSheets((scratch.path() / "blocker" / "graphics").string()));
}

TEST(PicturePlaces, EveryPlaceLiesInsideItsSheetAndHoldsAPicture) {
  int sheets_with_places = 0;
  for (const pictures::Sheet& sheet : test::DrawnSheets()) {
    const pictures::SheetPlaces places = pictures::PlacesIn(sheet.file_name);
    sheets_with_places += !places.places.empty();
    for (const pictures::Place& place : places.places) {
      const pictures::Rect r = place.rect;
      ASSERT_TRUE(r.x >= 0 && r.y >= 0 && r.Right() <= sheet.image.width &&
                  r.Bottom() <= sheet.image.height)
          << sheet.file_name << " " << place.label;
      EXPECT_GT(test::CountOther(sheet.image, r, pictures::palette::kKey), 0)
          << sheet.file_name << " " << place.label;
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
  const platform::Image& sprites = test::DrawnSheet("little_sprites.bmp");
  const platform::Image contact = pictures::ContactSheet({"little_sprites.bmp", sprites});
  ASSERT_EQ(contact.width, sprites.width * 3);
  ASSERT_EQ(contact.height, sprites.height * 3);
  // The outline of the ball's place, one pixel outside its enlarged square.
  EXPECT_EQ(contact.at(2, 2), 0xFFFF00u);
  EXPECT_EQ(contact.at(15, 15), 0xFFFF00u);
  const platform::Image narrow = pictures::ContactSheet({"mini.bmp", test::DrawnSheet("mini.bmp")});
  EXPECT_GE(narrow.width, 300) << "narrow sheets are enlarged enough for their labels";
}

TEST(PictureContactSheet, WritesOneEnlargedCopyPerSheet) {
  const test::TempDirectory scratch;
  const fs::path directory = scratch.path() / "contact";
  ASSERT_TRUE(pictures::WriteContactSheets(directory.string(), test::DrawnSheets()));
  for (const pictures::Sheet& sheet : test::DrawnSheets()) {
    const fs::path file = directory / (fs::path(sheet.file_name).stem().string() + "_contact.bmp");
    const auto written = platform::LoadBitmapFile(file.string());
    ASSERT_TRUE(written) << file;
    EXPECT_GE(written->width, sheet.image.width * 3) << file;
    EXPECT_EQ(written->width % sheet.image.width, 0) << "whole pixels: " << file;
  }
}

}  // namespace
