// quorvelnn-png IN.bmp OUT.png: a screenshot of the game as a PNG file.
#include <stb/stb_image_write.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "platform/bitmap_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quorvelnn-png IN.bmp OUT.png\n");
    return 2;
  }
  const std::optional<platform::Image> image = platform::LoadBitmapFile(argv[1]);
  if (!image) {
    std::fprintf(stderr, "quorvelnn-png: cannot read %s\n", argv[1]);
    return 1;
  }
  std::vector<unsigned char> rgb;
  rgb.reserve(image->pixels.size() * 3);
  for (std::uint32_t pixel : image->pixels) {
    rgb.push_back(static_cast<unsigned char>(pixel >> 16));
    rgb.push_back(static_cast<unsigned char>(pixel >> 8));
    rgb.push_back(static_cast<unsigned char>(pixel));
  }
  if (!stbi_write_png(argv[2], image->width, image->height, 3, rgb.data(), image->width * 3)) {
    std::fprintf(stderr, "quorvelnn-png: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
