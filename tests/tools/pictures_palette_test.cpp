// The palette: colours that a 16-bit display shows unchanged and apart.
#include "pictures/palette.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/bitmap_file.h"

namespace {

using pictures::Colour;

// A 16-bit pixel widened back to 24 bits by repeating each channel's high bits.
Colour Widened(std::uint16_t pixel) {
  const unsigned r = pixel >> 11;
  const unsigned g = (pixel >> 5) & 0x3F;
  const unsigned b = pixel & 0x1F;
  return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

TEST(PicturePalette, EveryColourSurvivesTheSixteenBitDisplayAndStaysDistinct) {
  const std::vector<Colour> colours = pictures::AllPaletteColours();
  std::set<std::uint16_t> on_screen;
  for (Colour c : colours) {
    const std::uint16_t shown = platform::XrgbToRgb565(c);
    EXPECT_EQ(Widened(shown), c) << std::hex << c;
    EXPECT_TRUE(on_screen.insert(shown).second) << "merges with another colour: " << std::hex << c;
  }
  EXPECT_GT(colours.size(), 60u);
  // Colours are snapped to the nearest that survives.
  EXPECT_EQ(pictures::Exact565(0x7F7F7F), 0x7B7D7Bu);
  EXPECT_EQ(pictures::Exact565(0x050302), 0x080400u) << "rounds rather than truncates";
}

}  // namespace
