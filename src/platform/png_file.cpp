// PNG files through libpng's simplified interface.
#include "platform/png_file.h"

#include <png.h>

#include <cstdint>
#include <vector>

namespace platform {
namespace {

constexpr int kBytesPerPixel = 3;  // red, green, blue

// Frees what the library holds for the picture, on every path out.
struct PngImage {
  png_image image{};
  PngImage() { image.version = PNG_IMAGE_VERSION; }
  ~PngImage() { png_image_free(&image); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
};

}  // namespace

bool SavePngFile(const std::string& path, const Image& image) {
  if (image.width <= 0 || image.height <= 0) return false;
  std::vector<png_byte> rgb;
  rgb.reserve(image.pixels.size() * kBytesPerPixel);
  for (std::uint32_t pixel : image.pixels) {
    rgb.insert(rgb.end(), {png_byte(pixel >> 16), png_byte(pixel >> 8), png_byte(pixel)});
  }
  PngImage png;
  png.image.width = png_uint_32(image.width);
  png.image.height = png_uint_32(image.height);
  png.image.format = PNG_FORMAT_RGB;
  return png_image_write_to_file(&png.image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

std::optional<Image> LoadPngFile(const std::string& path) {
  PngImage png;
  if (!png_image_begin_read_from_file(&png.image, path.c_str())) return std::nullopt;
  if (png.image.width > kMaxBitmapSide || png.image.height > kMaxBitmapSide) return std::nullopt;
  png.image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(png.image));
  if (!png_image_finish_read(&png.image, nullptr, rgb.data(), 0, nullptr)) return std::nullopt;
  Image image(int(png.image.width), int(png.image.height));
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    const png_byte* p = &rgb[i * kBytesPerPixel];
    image.pixels[i] = std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
  }
  return image;
}

}  // namespace platform
