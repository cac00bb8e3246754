// The minimap's colour strip: the game copies single pixels of its top row.
#pragma once

#include <array>

#include "pictures/canvas.h"
#include "pictures/palette.h"

namespace pictures::minimap_layout {

struct MinimapColour {
  int x;
  Colour colour;
  const char* label;  // for the contact sheet
};

// Grass and forest are the mean colours of their tiles, so that the minimap
// reads like the map; the sides are the colours of their banners.
inline constexpr std::array<MinimapColour, 6> kColours = {{
    {0, palette::kBlack, "UNSEEN"},
    {1, palette::kMeadow[3], "GRASS"},
    {2, palette::kFoliage[2], "FOREST"},
    {3, palette::kBanner[4], "HUMAN"},
    {4, palette::kGold[5], "NEUTRAL"},
    {5, palette::kCrimson[3], "ORC"},
}};

}  // namespace pictures::minimap_layout
