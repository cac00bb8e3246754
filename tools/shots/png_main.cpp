// quorvelnn-png IN.bmp OUT.png: a screenshot of the game as a PNG file.
#include <cstdio>
#include <optional>

#include "platform/bitmap_file.h"
#include "platform/png_file.h"

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
  if (!platform::SavePngFile(argv[2], *image)) {
    std::fprintf(stderr, "quorvelnn-png: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
