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
  std::map<std::string, std::string> drawn;
  for (const pictures::Sheet& sheet : test::DrawnSheets()) {
    drawn[sheet.file_name] =
        std::to_string(sheet.image.width) + "x" + std::to_string(sheet.image.height);
  }
  std::string sizes;
  for (const auto& [name, size] : drawn) sizes += name + " " + size + " ";
  EXPECT_EQ(sizes,
            "batis_humains.bmp 517x388 batis_neutres.bmp 517x388 batis_orcs.bmp 646x259 "
            "cursor001.bmp 12x15 edit_game.bmp 640x480 font1.bmp 640x48 humains_new.bmp 613x409 "
            "icones.bmp 612x157 intro.bmp 640x480 little_sprites.bmp 128x16 menu.bmp 640x480 "
            "mini.bmp 6x1 orcs_new.bmp 460x409 select.bmp 34x34 select2.bmp 66x66 "
            "select3.bmp 98x98 select4.bmp 130x130 unit.bmp 199x133 ");
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

// Every place the game reads lies inside its sheet and holds a picture; no
// two share more than their edges (icons share their frame lines); a keyed
// sheet shows only the key outside them.
TEST(PicturePlaces, EveryPlaceLiesInsideItsSheetAloneAndHoldsAPicture) {
  int sheets_with_places = 0;
  for (const pictures::Sheet& sheet : test::DrawnSheets()) {
    const std::vector<pictures::Place> places = pictures::PlacesIn(sheet.file_name).places;
    sheets_with_places += !places.empty();
    platform::Image inside(sheet.image.width, sheet.image.height, 0), outside = sheet.image;
    for (const pictures::Place& place : places) {
      const pictures::Rect r = place.rect;
      ASSERT_TRUE(r.x >= 0 && r.y >= 0 && r.Right() <= sheet.image.width &&
                  r.Bottom() <= sheet.image.height)
          << sheet.file_name << " " << place.label;
      EXPECT_GT(test::CountOther(sheet.image, r, pictures::palette::kKey), 0)
          << sheet.file_name << " " << place.label;
      for (int y = r.y; y < r.Bottom(); ++y) {
        for (int x = r.x; x < r.Right(); ++x) {
          inside.at(x, y) += r.Inset(1).Contains(x, y);
          outside.at(x, y) = pictures::palette::kKey;
        }
      }
    }
    const pictures::Rect all{0, 0, sheet.image.width, sheet.image.height};
    EXPECT_EQ(test::CountIn(inside, all, [](std::uint32_t n) { return n > 1; }), 0)
        << sheet.file_name;
    if (kKeyedSheets.count(sheet.file_name) && !places.empty()) {
      EXPECT_EQ(test::CountOther(outside, all, pictures::palette::kKey), 0) << sheet.file_name;
    }
  }
  EXPECT_GE(sheets_with_places, 10);
}

}  // namespace
