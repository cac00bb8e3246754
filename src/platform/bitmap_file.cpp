// BMP files and colour conversion through SDL.
#include "platform/bitmap_file.h"

#include <SDL.h>

#include <cstdlib>
#include <memory>
#include <new>

namespace platform {
namespace {

struct SurfaceDeleter {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

std::uint32_t ReadLittle(const unsigned char* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

// Refuses a file whose header claims an absurd size before the decoder
// allocates for it; everything else about the format is the decoder's.
bool HeaderSizeIsSane(SDL_RWops* rw) {
  unsigned char header[26];
  if (SDL_RWread(rw, header, 1, sizeof header) != sizeof header) return false;
  SDL_RWseek(rw, 0, RW_SEEK_SET);
  if (header[0] != 'B' || header[1] != 'M') return false;
  const std::uint32_t info_size = ReadLittle(header + 14, 4);
  long width;
  long height;
  if (info_size == 12) {  // the oldest header keeps 16-bit sizes
    width = static_cast<std::int16_t>(ReadLittle(header + 18, 2));
    height = static_cast<std::int16_t>(ReadLittle(header + 20, 2));
  } else {
    width = static_cast<std::int32_t>(ReadLittle(header + 18, 4));
    height = static_cast<std::int32_t>(ReadLittle(header + 22, 4));
  }
  return width > 0 && width <= kMaxBitmapSide && height != 0 && std::labs(height) <= kMaxBitmapSide;
}

void Convert(const void* in, Uint32 in_format, int in_pitch, void* out, Uint32 out_format,
             int out_pitch, int width, int height) {
  SDL_ConvertPixels(width, height, in_format, in, in_pitch, out_format, out, out_pitch);
}

}  // namespace

std::optional<Image> LoadBitmapFile(const std::string& path) {
  SDL_RWops* rw = SDL_RWFromFile(path.c_str(), "rb");
  if (!rw) return std::nullopt;
  if (!HeaderSizeIsSane(rw)) {
    SDL_RWclose(rw);
    return std::nullopt;
  }
  SurfacePtr loaded(SDL_LoadBMP_RW(rw, 1));
  if (!loaded) return std::nullopt;
  SurfacePtr xrgb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
  if (!xrgb) return std::nullopt;
  try {
    Image image(xrgb->w, xrgb->h);
    SDL_LockSurface(xrgb.get());
    for (int y = 0; y < image.height; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(
          static_cast<const unsigned char*>(xrgb->pixels) + std::size_t(y) * xrgb->pitch);
      for (int x = 0; x < image.width; ++x) image.at(x, y) = row[x] & 0x00FFFFFF;
    }
    SDL_UnlockSurface(xrgb.get());
    return image;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

bool SaveBitmapFile(const std::string& path, const Image& image) {
  if (image.width <= 0 || image.height <= 0) return false;
  SurfacePtr surface(SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint32_t*>(image.pixels.data()), image.width, image.height, 32,
      image.width * 4, SDL_PIXELFORMAT_RGB888));
  if (!surface) return false;
  SDL_RWops* rw = SDL_RWFromFile(path.c_str(), "wb");
  if (!rw) return false;
  return SDL_SaveBMP_RW(surface.get(), rw, 1) == 0;
}

void XrgbToRgb565(const std::uint32_t* in, std::uint16_t* out, int count) {
  Convert(in, SDL_PIXELFORMAT_RGB888, count * 4, out, SDL_PIXELFORMAT_RGB565, count * 2, count, 1);
}

void Rgb565ToXrgb(const std::uint16_t* in, std::uint32_t* out, int count) {
  Convert(in, SDL_PIXELFORMAT_RGB565, count * 2, out, SDL_PIXELFORMAT_RGB888, count * 4, count, 1);
  for (int i = 0; i < count; ++i) out[i] &= 0x00FFFFFF;
}

std::uint16_t XrgbToRgb565(std::uint32_t xrgb) {
  std::uint16_t out;
  XrgbToRgb565(&xrgb, &out, 1);
  return out;
}

std::uint32_t Rgb565ToXrgb(std::uint16_t pixel) {
  std::uint32_t out;
  Rgb565ToXrgb(&pixel, &out, 1);
  return out;
}

Image ImageFromRgb565(const std::uint16_t* pixels, int width, int height, int pitch_pixels) {
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    Rgb565ToXrgb(pixels + std::size_t(y) * pitch_pixels, &image.at(0, y), width);
  }
  return image;
}

}  // namespace platform
