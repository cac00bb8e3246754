// The palette's registry of ramps.
#include "pictures/palette.h"

#include <algorithm>

namespace pictures {
namespace {

const std::array<RampView, 16>& AllRamps() {
  static const std::array<RampView, 16> ramps = {
      palette::kStone,   palette::kWood,   palette::kGold,    palette::kSky,
      palette::kHaze,    palette::kGrass,  palette::kFire,    palette::kBanner,
      palette::kVerdant, palette::kMeadow, palette::kFoliage, palette::kSkin,
      palette::kOrcSkin, palette::kSteel,  palette::kLinen,   palette::kCrimson,
  };
  return ramps;
}

}  // namespace

std::vector<Colour> AllPaletteColours() {
  std::vector<Colour> colours = {palette::kKey, palette::kBlack, palette::kWhite};
  for (RampView ramp : AllRamps()) colours.insert(colours.end(), ramp.begin(), ramp.end());
  return colours;
}

Colour Darker(Colour c, int steps) {
  for (RampView ramp : AllRamps()) {
    const auto found = std::find(ramp.begin(), ramp.end(), c);
    if (found == ramp.end()) continue;
    const int index = int(found - ramp.begin()) - steps;
    return ramp[std::clamp(index, 0, int(ramp.size()) - 1)];
  }
  return c;
}

}  // namespace pictures
