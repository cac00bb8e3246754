// The colours every picture is drawn with. The game shows its pictures on a
// 16-bit RGB565 display, so each colour here is one that survives that
// conversion unchanged: no two of them merge on screen, and none equals the
// transparent key by accident.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pictures {

using Colour = std::uint32_t;  // 0x00RRGGBB

// The nearest colour that a 16-bit display shows unchanged: each channel keeps
// 5 (red, blue) or 6 (green) bits and is widened again by repeating its high bits.
constexpr Colour Exact565(Colour c) {
  auto keep = [](unsigned v, int bits) {
    const unsigned levels = (1u << bits) - 1;
    const unsigned q = (v * levels + 127) / 255;
    return (q << (8 - bits)) | (q >> (2 * bits - 8));
  };
  return (keep((c >> 16) & 0xFF, 5) << 16) | (keep((c >> 8) & 0xFF, 6) << 8) | keep(c & 0xFF, 5);
}

// A ramp of N colours through the given stops, dark to light, evenly spread.
template <std::size_t N, std::size_t S>
constexpr std::array<Colour, N> Ramp(const Colour (&stops)[S]) {
  static_assert(N >= S && S >= 2);
  std::array<Colour, N> ramp{};
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t scaled = i * (S - 1) * 1000 / (N - 1);
    const std::size_t stop = scaled / 1000 < S - 1 ? scaled / 1000 : S - 2;
    const std::size_t t = scaled - stop * 1000;
    Colour c = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
      const std::size_t a = (stops[stop] >> shift) & 0xFF;
      const std::size_t b = (stops[stop + 1] >> shift) & 0xFF;
      c |= Colour((a * (1000 - t) + b * t + 500) / 1000) << shift;
    }
    ramp[i] = Exact565(c);
  }
  return ramp;
}

using RampView = std::span<const Colour>;

namespace palette {

// The transparent colour of keyed pictures; never used for anything else.
inline constexpr Colour kKey = 0xFF00FF;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

// Warm grey stone: walls, the interface, mountains' rock.
inline constexpr auto kStone = Ramp<10>({0x1E1A16, 0x6C645A, 0xDCD4C4});
// Oak: beams, palisades, the menu button.
inline constexpr auto kWood = Ramp<8>({0x241206, 0x6E4020, 0xD4A468});
// Gold to cream: letters, ornaments, lit windows.
inline constexpr auto kGold = Ramp<8>({0x3C2004, 0xB07820, 0xF0D070, 0xFFF8E0});
// Dusk sky, from night blue over violet and rose to the glow at the horizon.
inline constexpr auto kSky = Ramp<16>({0x060A22, 0x241C4C, 0x643064, 0xC05858, 0xF8A048, 0xFFE498});
// Blue-grey of distant mountains.
inline constexpr auto kHaze = Ramp<8>({0x161A32, 0x4C5270, 0xA8ACC4});
// Grass and leaves.
inline constexpr auto kGrass = Ramp<8>({0x081406, 0x2C4818, 0x8CB04C});
// Blood, fire and the orcs' banners.
inline constexpr auto kFire = Ramp<8>({0x1C0402, 0x8C1808, 0xF06020, 0xFFD060});
// The humans' banners.
inline constexpr auto kBanner = Ramp<6>({0x0A0E3A, 0x2848A8, 0x90B8FF});
// Progress of training: a green that reads as "growing".
inline constexpr auto kVerdant = Ramp<6>({0x0C2A10, 0x2C8C30, 0xB8F090});
// The map's grass: the ground of every tile and of every building's picture.
inline constexpr auto kMeadow = Ramp<8>({0x122A0A, 0x3A6A1E, 0x76A63C, 0xC4E088});
// Forest canopies, a deeper and bluer green than the grass they stand on.
inline constexpr auto kFoliage = Ramp<8>({0x030C06, 0x123A1E, 0x3A7236, 0x9CCA64});

// Skin: the humans' and, greener, the orcs'.
inline constexpr auto kSkin = Ramp<6>({0x3A1A0C, 0xB06C48, 0xFFDCB4});
inline constexpr auto kOrcSkin = Ramp<6>({0x182C08, 0x4E8A22, 0xC8EC78});
// Blades, helmets and mail.
inline constexpr auto kSteel = Ramp<6>({0x14181E, 0x687888, 0xF0F8FF});
// Undyed cloth: sacks, robes, fletchings.
inline constexpr auto kLinen = Ramp<6>({0x2A2016, 0x8C7A5C, 0xF4EAD0});
// The orcs' team colour on their clothes and shields.
inline constexpr auto kCrimson = Ramp<6>({0x280408, 0xA81C20, 0xFF8C78});

}  // namespace palette

// Every colour of the palette, the key included, each once.
std::vector<Colour> AllPaletteColours();

// The same kind of colour a number of steps darker (negative: lighter) on its
// own ramp; black, white and the key stay as they are.
Colour Darker(Colour c, int steps);

}  // namespace pictures
