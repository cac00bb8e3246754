// The generator's output as a whole: the files the game loads, their sizes,
// their colours, the same bytes at every run; every place the game reads,
// inside its sheet and holding a picture; the grid of grass between the
// buildings, the terrain tiles and the minimap's colours.
#include <gtest/gtest.h>

#include "support/files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "pictures/building_layout.h"
#include "pictures/ground.h"
#include "pictures/palette.h"
#include "pictures/sheet_places.h"
#include "pictures/sheets.h"
#include "pictures/terrain_layout.h"
#include "platform/bitmap_file.h"
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

// A 16-bit pixel widened back to 24 bits by repeating each channel's high bits.
pictures::Colour Widened(std::uint16_t pixel) {
  const unsigned r = pixel >> 11;
  const unsigned g = (pixel >> 5) & 0x3F;
  const unsigned b = pixel & 0x1F;
  return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

TEST(PicturePalette, EveryColourSurvivesTheSixteenBitDisplayAndStaysDistinct) {
  const std::vector<pictures::Colour> colours = pictures::AllPaletteColours();
  std::set<std::uint16_t> on_screen;
  for (pictures::Colour c : colours) {
    const std::uint16_t shown = platform::XrgbToRgb565(c);
    EXPECT_EQ(Widened(shown), c) << std::hex << c;
    EXPECT_TRUE(on_screen.insert(shown).second) << "merges with another colour: " << std::hex << c;
  }
  EXPECT_GT(colours.size(), 60u);
  // Colours are snapped to the nearest that survives.
  EXPECT_EQ(pictures::Exact565(0x7F7F7F), 0x7B7D7Bu);
  EXPECT_EQ(pictures::Exact565(0x050302), 0x080400u) << "rounds rather than truncates";
}

// Between the places lies the sheet's own grass: no picture spills over.
TEST(PictureBuildings, NothingSpillsOntoTheGridLines) {
  for (const pictures::building_layout::SheetSize& size : pictures::building_layout::kSheets) {
    const platform::Image& sheet = test::DrawnSheet(size.file_name);
    for (int line = 0; line <= size.columns; ++line) {
      const int x = std::min(line * pictures::building_layout::kPitch, sheet.width - 1);
      for (int y = 0; y < sheet.height; ++y) {
        ASSERT_EQ(sheet.at(x, y), pictures::GrassAt(x - 1, y - 1)) << size.file_name << " " << x;
      }
    }
    for (int line = 0; line <= size.rows; ++line) {
      const int y = std::min(line * pictures::building_layout::kPitch, sheet.height - 1);
      for (int x = 0; x < sheet.width; ++x) {
        ASSERT_EQ(sheet.at(x, y), pictures::GrassAt(x - 1, y - 1)) << size.file_name << " " << y;
      }
    }
  }
}

// A key pixel in a tile would show a hole in the ground.
TEST(PictureTerrain, TilesAreOpaque) {
  const platform::Image& sheet = test::DrawnSheet("unit.bmp");
  for (const pictures::Place& tile : pictures::PlacesIn("unit.bmp").places) {
    EXPECT_EQ(test::CountOther(sheet, tile.rect, pictures::palette::kKey),
              tile.rect.w * tile.rect.h)
        << tile.label;
  }
}

// A field repeats the grass tile every 32 pixels: a brighter band of
// 4-pixel columns or rows would show as stripes over every meadow.
TEST(PictureTerrain, GrassIsEvenlyBrightAcrossAndDownTheTile) {
  namespace layout = pictures::terrain_layout;
  const platform::Image& sheet = test::DrawnSheet("unit.bmp");
  const pictures::Rect tile = layout::TileRect(layout::kGrass.column, layout::kGrass.row);
  auto brightness = [&](int x, int y) {
    const std::uint32_t c = sheet.at(tile.x + x, tile.y + y);
    return int(c >> 16 & 0xFF) + int(c >> 8 & 0xFF) + int(c & 0xFF);
  };
  for (const bool across : {true, false}) {
    std::vector<double> strips;
    for (int strip = 0; strip < layout::kTile; strip += 4) {
      double sum = 0;
      for (int i = 0; i < layout::kTile; ++i) {
        for (int j = strip; j < strip + 4; ++j) sum += across ? brightness(j, i) : brightness(i, j);
      }
      strips.push_back(sum / (4 * layout::kTile));
    }
    const auto [low, high] = std::minmax_element(strips.begin(), strips.end());
    EXPECT_LE(*high - *low, 12.0) << (across ? "columns" : "rows");
  }
}

TEST(PictureMinimap, SixColoursAlongTheTopRow) {
  const platform::Image& strip = test::DrawnSheet("mini.bmp");
  EXPECT_EQ(strip.at(0, 0), pictures::palette::kBlack) << "unexplored";
  std::set<std::uint32_t> colours;
  for (int x = 0; x < 6; ++x) colours.insert(strip.at(x, 0));
  EXPECT_EQ(colours.size(), 6u);
  EXPECT_TRUE(test::OnRamp(pictures::palette::kFoliage, strip.at(2, 0)))
      << "forest looks like the forest tiles";
  auto red = [](std::uint32_t c) { return int(c >> 16) - int(c & 0xFF); };
  EXPECT_GT(int(strip.at(3, 0) & 0xFF), int(strip.at(3, 0) >> 16)) << "human blue";
  EXPECT_GT(red(strip.at(5, 0)), 80) << "orc red";
  EXPECT_GT(int((strip.at(4, 0) >> 8) & 0xFF), int(strip.at(4, 0) & 0xFF) + 60) << "neutral gold";
}

}  // namespace
