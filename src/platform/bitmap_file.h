// Reading and writing BMP files, and the colour conversions between 24-bit
// pictures and the 16-bit RGB565 display. SDL does the decoding, encoding and
// conversion; it needs no video for any of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A picture in 0x00RRGGBB pixels, rows from the top.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  Image() = default;
  Image(int w, int h, std::uint32_t fill = 0)
      : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), fill) {}
  std::uint32_t& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// The largest side a picture may have; larger claims are taken for damage.
// The game's largest picture is 646 pixels wide and the tools' enlarged
// review sheets stay under 2048, while a few damaged bytes can claim a
// picture of gigabytes.
constexpr int kMaxBitmapSide = 2048;

// Any BMP variant; nothing when the file is missing, damaged or absurdly large.
std::optional<Image> LoadBitmapFile(const std::string& path);
// Writes a 24-bit BMP; false when the file cannot be written.
bool SaveBitmapFile(const std::string& path, const Image& image);

// Colour conversions as a 16-bit display makes them: each channel keeps its
// high bits on the way down; on the way up SDL widens it back to 0..255.
void XrgbToRgb565(const std::uint32_t* in, std::uint16_t* out, int count);
void Rgb565ToXrgb(const std::uint16_t* in, std::uint32_t* out, int count);
std::uint16_t XrgbToRgb565(std::uint32_t xrgb);
std::uint32_t Rgb565ToXrgb(std::uint16_t pixel);

// A 16-bit frame as a picture, for screenshots.
Image ImageFromRgb565(const std::uint16_t* pixels, int width, int height, int pitch_pixels);

}  // namespace platform
