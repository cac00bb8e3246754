// The generator's output as a whole: the files the game loads, their sizes,
// their colours, and the same bytes at every run.
#include <gtest/gtest.h>

#include "support/files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "pictures/palette.h"
#include "pictures/sheets.h"
#include "tools/drawn_sheets.h"

namespace {

using test::ReadBytes;

namespace fs = std::filesystem;

class PictureSheetFiles : public ::testing::Test {
 protected:
  fs::path Directory(const std::string& name) const { return scratch_.path() / name; }

 private:
  test::TempDirectory scratch_;
};

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
    EXPECT_EQ(sheet.image.pixels.size(), std::size_t(sheet.image.width) * sheet.image.height);
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

TEST_F(PictureSheetFiles, TwoRunsWriteTheSameBytesThatLoadBackAsDrawn) {
  ASSERT_TRUE(pictures::WriteAllSheets(Directory("first").string()));
  ASSERT_TRUE(pictures::WriteAllSheets(Directory("second").string()));
  for (const pictures::Sheet& sheet : test::DrawnSheets()) {
    const std::string first = ReadBytes(Directory("first") / sheet.file_name);
    EXPECT_FALSE(first.empty()) << sheet.file_name;
    EXPECT_TRUE(first == ReadBytes(Directory("second") / sheet.file_name)) << sheet.file_name;
    const auto loaded = platform::LoadBitmapFile((Directory("first") / sheet.file_name).string());
    ASSERT_TRUE(loaded) << sheet.file_name;
    EXPECT_TRUE(loaded->pixels == sheet.image.pixels) << sheet.file_name;
  }
}

TEST_F(PictureSheetFiles, WritingFailsWhereNoDirectoryCanBeMade) {
  const fs::path blocker = Directory("blocker");
  fs::create_directories(blocker.parent_path());
  std::ofstream(blocker) << "a file, not a directory";
  EXPECT_FALSE(pictures::WriteAllSheets((blocker / "graphics").string()));
}

}  // namespace
