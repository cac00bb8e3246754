// Our surface blits beside SDL's doing the same work on RGB565 surfaces:
// terrain tiles, colour-keyed sprite frames, the game view, a colour fill.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "blit_check.h"
#include "frame/ddutil.h"
#include "platform/ddraw.h"

namespace bench {
namespace {

constexpr std::uint16_t kKey = 0xF81F;  // the sheets' transparent colour
constexpr int kMapSide = 1000;
constexpr int kTileSide = 32;
constexpr int kTileSheetSide = 320;  // 10 by 10 tiles
constexpr int kFrameSide = 50;
constexpr int kFrameColumns = 8;  // walking steps
constexpr int kFrameRows = 4;     // directions
constexpr int kBlitsPerIteration = 256;

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint16_t> pixels;
  std::uint16_t& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
};

// Busy pixels, so that no blit can get away with copying one colour.
std::uint16_t Texture(int x, int y) {
  auto colour = std::uint16_t((x * 2654435761U) ^ (y * 40503U) ^ (x * y));
  return colour == kKey ? std::uint16_t(colour ^ 1) : colour;
}

Picture Textured(int width, int height) {
  Picture picture{width, height, std::vector<std::uint16_t>(std::size_t(width) * height)};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.At(x, y) = Texture(x, y);
  }
  return picture;
}

bool InBox(int x, int y, int left, int top, int right, int bottom) {
  return x >= left && x <= right && y >= top && y <= bottom;
}

// A walking soldier in a 50 by 50 frame: head, body, arms held off the body,
// legs apart that swing with the step, a spear: 28% opaque, in 2 to 4 runs a row.
bool SoldierCovers(int x, int y, int step) {
  const int swing = step % 4 - 2;
  const int head_dx = x - 25, head_dy = y - 9;
  if (head_dx * head_dx + head_dy * head_dy <= 36) return true;
  if (InBox(x, y, 18, 16, 32, 33)) return true;
  if (InBox(x, y, 13, 17, 16, 31 + swing) || InBox(x, y, 35, 17, 38, 31 - swing)) return true;
  if (InBox(x, y, 19 + swing, 34, 23 + swing, 46) || InBox(x, y, 27 - swing, 34, 31 - swing, 46)) {
    return true;
  }
  const int spear = 40 + (y - 3) / 5;
  return y >= 3 && y <= 45 && (x == spear || x == spear + 1);
}

Picture SpriteSheet() {
  Picture sheet = Textured(kFrameSide * kFrameColumns, kFrameSide * kFrameRows);
  for (int y = 0; y < sheet.height; ++y) {
    for (int x = 0; x < sheet.width; ++x) {
      const int step = x / kFrameSide + y / kFrameSide;
      if (!SoldierCovers(x % kFrameSide, y % kFrameSide, step)) sheet.At(x, y) = kKey;
    }
  }
  return sheet;
}

// The DirectDraw object, released with its owner.
struct DirectDraw {
  DirectDraw() { DirectDrawCreate(nullptr, &dd, nullptr); }
  ~DirectDraw() { dd->Release(); }
  DirectDraw(const DirectDraw&) = delete;
  DirectDraw& operator=(const DirectDraw&) = delete;
  IDirectDraw* dd = nullptr;
};

// The same picture as our surface and as an SDL surface.
struct SurfacePair {
  SurfacePair(IDirectDraw& dd, const Picture& picture, bool keyed) {
    CreateOffscreenSurface(&dd, picture.width, picture.height, &ours);
    DDSURFACEDESC desc{};
    sdl = SDL_CreateRGBSurfaceWithFormat(0, picture.width, picture.height, 16,
                                         SDL_PIXELFORMAT_RGB565);
    ours->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr);
    for (int y = 0; y < picture.height; ++y) {
      const std::uint16_t* row = &picture.pixels[std::size_t(y) * picture.width];
      std::memcpy(static_cast<char*>(desc.lpSurface) + y * desc.lPitch, row, picture.width * 2);
      std::memcpy(static_cast<char*>(sdl->pixels) + y * sdl->pitch, row, picture.width * 2);
    }
    ours->Unlock(nullptr);
    if (keyed) {
      DDCOLORKEY key{kKey, kKey};
      ours->SetColorKey(DDCKEY_SRCBLT, &key);
      // RLE, SDL's fastest keyed blit for a whole picture. A frame cut from a
      // sheet also pays for walking the encoded rows above and beside it.
      SDL_SetColorKey(sdl, SDL_TRUE | SDL_RLEACCEL, kKey);
    }
  }
  ~SurfacePair() {
    ours->Release();
    SDL_FreeSurface(sdl);
  }
  SurfacePair(const SurfacePair&) = delete;
  SurfacePair& operator=(const SurfacePair&) = delete;

  bool SamePixels() const {
    for (int y = 0; y < sdl->h; ++y) {
      const auto* theirs = static_cast<const char*>(sdl->pixels) + y * sdl->pitch;
      const std::uint16_t* mine = ours->Pixels() + std::size_t(y) * ours->PitchPixels();
      if (std::memcmp(mine, theirs, std::size_t(sdl->w) * 2) != 0) return false;
    }
    return true;
  }

  LPDIRECTDRAWSURFACE ours;
  SDL_Surface* sdl = nullptr;
};

struct Placement {
  int source_x, source_y, dest_x, dest_y;
};

// Copies of `width` by `height` pictures from one surface to another.
class Scene {
 public:
  Scene(const Picture& source, bool keyed, int dest_width, int dest_height, int width, int height,
        std::vector<Placement> placements)
      : source_(*direct_draw_.dd, source, keyed),
        dest_(*direct_draw_.dd, Textured(dest_width, dest_height), false),
        keyed_(keyed),
        width_(width),
        height_(height),
        placements_(std::move(placements)) {}

  int Blits() const { return int(placements_.size()); }

  void DrawOurs() {
    const DWORD flags = DDBLT_WAIT | (keyed_ ? DDBLT_KEYSRC : 0);
    for (const Placement& p : placements_) {
      RECT from{p.source_x, p.source_y, p.source_x + width_, p.source_y + height_};
      RECT to{p.dest_x, p.dest_y, p.dest_x + width_, p.dest_y + height_};
      benchmark::DoNotOptimize(dest_.ours->Blt(&to, source_.ours, &from, flags, nullptr));
    }
    benchmark::ClobberMemory();
  }

  void DrawSdl() {
    for (const Placement& p : placements_) {
      SDL_Rect from{p.source_x, p.source_y, width_, height_};
      SDL_Rect to{p.dest_x, p.dest_y, width_, height_};
      benchmark::DoNotOptimize(SDL_BlitSurface(source_.sdl, &from, dest_.sdl, &to));
    }
    benchmark::ClobberMemory();
  }

  bool SidesAgree() {
    DrawOurs();
    DrawSdl();
    return dest_.SamePixels();
  }

 private:
  DirectDraw direct_draw_;
  SurfacePair source_;
  SurfacePair dest_;
  bool keyed_;
  int width_, height_;
  std::vector<Placement> placements_;
};

// Fixed pseudo-random placements, the same on every run.
class Placements {
 public:
  int Next(int bound) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return int((state_ >> 33) % std::uint64_t(bound));
  }

 private:
  std::uint64_t state_ = 12345;
};

std::vector<Placement> Scatter(int cells_across, int cells_down, int side) {
  Placements random;
  std::vector<Placement> placements(kBlitsPerIteration);
  for (Placement& p : placements) {
    p.source_x = random.Next(cells_across) * side;
    p.source_y = random.Next(cells_down) * side;
    p.dest_x = random.Next(kMapSide - side + 1);
    p.dest_y = random.Next(kMapSide - side + 1);
  }
  return placements;
}

Scene TileScene() {
  const int tiles = kTileSheetSide / kTileSide;
  return Scene(Textured(kTileSheetSide, kTileSheetSide), false, kMapSide, kMapSide, kTileSide,
               kTileSide, Scatter(tiles, tiles, kTileSide));
}

Scene SpriteScene() {
  return Scene(SpriteSheet(), true, kMapSide, kMapSide, kFrameSide, kFrameSide,
               Scatter(kFrameColumns, kFrameRows, kFrameSide));
}

// The 520 by 480 game view at scroll (96, 96), copied to the screen.
Scene ViewScene() {
  return Scene(Textured(kMapSide, kMapSide), false, 640, 480, 520, 480, {{96, 96, 0, 0}});
}

// A whole 1000 by 1000 surface filled with one colour.
class FillScene {
 public:
  FillScene() : dest_(*direct_draw_.dd, Textured(kMapSide, kMapSide), false) {}

  void FillOurs(std::uint16_t colour) {
    DDBLTFX fx{sizeof(DDBLTFX), colour};
    benchmark::DoNotOptimize(
        dest_.ours->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx));
    // A fill of the whole surface is made once its pixels are looked at.
    benchmark::DoNotOptimize(dest_.ours.get()->PixelAt(0, 0));
    benchmark::ClobberMemory();
  }
  void FillSdl(std::uint16_t colour) {
    benchmark::DoNotOptimize(SDL_FillRect(dest_.sdl, nullptr, colour));
    benchmark::ClobberMemory();
  }
  bool SidesAgree() {
    FillOurs(0x1234);
    FillSdl(0x1234);
    return dest_.SamePixels();
  }

 private:
  DirectDraw direct_draw_;
  SurfacePair dest_;
};

template <bool kOurs>
void Draw(Scene& scene) {
  if constexpr (kOurs) {
    scene.DrawOurs();
  } else {
    scene.DrawSdl();
  }
}

template <bool kOurs>
void Run(benchmark::State& state, Scene scene) {
  // Warm up: the first keyed blit finds the sheet's runs (ours) or encodes it (SDL).
  Draw<kOurs>(scene);
  for (auto _ : state) Draw<kOurs>(scene);
  state.counters["ops"] = scene.Blits();
}

void blit_tile_ours(benchmark::State& state) {
  Run<true>(state, TileScene());
}
void blit_tile_sdl(benchmark::State& state) {
  Run<false>(state, TileScene());
}
void blit_sprite_ours(benchmark::State& state) {
  Run<true>(state, SpriteScene());
}
void blit_sprite_sdl(benchmark::State& state) {
  Run<false>(state, SpriteScene());
}
void blit_view_ours(benchmark::State& state) {
  Run<true>(state, ViewScene());
}
void blit_view_sdl(benchmark::State& state) {
  Run<false>(state, ViewScene());
}

template <bool kOurs>
void Fill(benchmark::State& state) {
  FillScene scene;
  std::uint16_t colour = 0;
  for (auto _ : state) {
    if constexpr (kOurs) {
      scene.FillOurs(++colour);
    } else {
      scene.FillSdl(++colour);
    }
  }
  state.counters["ops"] = 1;
}

void fill_ours(benchmark::State& state) {
  Fill<true>(state);
}
void fill_sdl(benchmark::State& state) {
  Fill<false>(state);
}

// Pairs side by side, so that both halves meet the same machine load.
BENCHMARK(blit_tile_ours);
BENCHMARK(blit_tile_sdl);
BENCHMARK(blit_sprite_ours);
BENCHMARK(blit_sprite_sdl);
BENCHMARK(blit_view_ours);
BENCHMARK(blit_view_sdl);
BENCHMARK(fill_ours);
BENCHMARK(fill_sdl);

}  // namespace

bool BlitsAgree() {
  struct Check {
    const char* name;
    bool agree;
  };
  const Check checks[] = {{"blit_tile", TileScene().SidesAgree()},
                          {"blit_sprite", SpriteScene().SidesAgree()},
                          {"blit_view", ViewScene().SidesAgree()},
                          {"fill", FillScene().SidesAgree()}};
  bool all = true;
  for (const Check& check : checks) {
    if (check.agree) continue;
    std::fprintf(stderr, "%s: our pixels differ from SDL's\n", check.name);
    all = false;
  }
  return all;
}

}  // namespace bench
