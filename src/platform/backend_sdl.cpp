// The SDL2 backend.
#include "platform/backend_sdl.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <utility>

#include "platform/dinput.h"
#include "platform/screenshot.h"

namespace platform {

struct SdlBackend::Devices {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  bool video_started = false;
};

namespace {

struct KeyPair {
  SDL_Scancode scancode;
  int code;
};

constexpr KeyPair kKeys[] = {
    {SDL_SCANCODE_ESCAPE, DIK_ESCAPE},
    {SDL_SCANCODE_1, DIK_1},
    {SDL_SCANCODE_2, DIK_2},
    {SDL_SCANCODE_3, DIK_3},
    {SDL_SCANCODE_4, DIK_4},
    {SDL_SCANCODE_5, DIK_5},
    {SDL_SCANCODE_6, DIK_6},
    {SDL_SCANCODE_7, DIK_7},
    {SDL_SCANCODE_8, DIK_8},
    {SDL_SCANCODE_9, DIK_9},
    {SDL_SCANCODE_0, DIK_0},
    {SDL_SCANCODE_MINUS, DIK_MINUS},
    {SDL_SCANCODE_EQUALS, DIK_EQUALS},
    {SDL_SCANCODE_BACKSPACE, DIK_BACK},
    {SDL_SCANCODE_TAB, DIK_TAB},
    {SDL_SCANCODE_Q, DIK_Q},
    {SDL_SCANCODE_W, DIK_W},
    {SDL_SCANCODE_E, DIK_E},
    {SDL_SCANCODE_R, DIK_R},
    {SDL_SCANCODE_T, DIK_T},
    {SDL_SCANCODE_Y, DIK_Y},
    {SDL_SCANCODE_U, DIK_U},
    {SDL_SCANCODE_I, DIK_I},
    {SDL_SCANCODE_O, DIK_O},
    {SDL_SCANCODE_P, DIK_P},
    {SDL_SCANCODE_LEFTBRACKET, DIK_LBRACKET},
    {SDL_SCANCODE_RIGHTBRACKET, DIK_RBRACKET},
    {SDL_SCANCODE_RETURN, DIK_RETURN},
    {SDL_SCANCODE_LCTRL, DIK_LCONTROL},
    {SDL_SCANCODE_A, DIK_A},
    {SDL_SCANCODE_S, DIK_S},
    {SDL_SCANCODE_D, DIK_D},
    {SDL_SCANCODE_F, DIK_F},
    {SDL_SCANCODE_G, DIK_G},
    {SDL_SCANCODE_H, DIK_H},
    {SDL_SCANCODE_J, DIK_J},
    {SDL_SCANCODE_K, DIK_K},
    {SDL_SCANCODE_L, DIK_L},
    {SDL_SCANCODE_SEMICOLON, DIK_SEMICOLON},
    {SDL_SCANCODE_APOSTROPHE, DIK_APOSTROPHE},
    {SDL_SCANCODE_GRAVE, DIK_GRAVE},
    {SDL_SCANCODE_LSHIFT, DIK_LSHIFT},
    {SDL_SCANCODE_BACKSLASH, DIK_BACKSLASH},
    {SDL_SCANCODE_Z, DIK_Z},
    {SDL_SCANCODE_X, DIK_X},
    {SDL_SCANCODE_C, DIK_C},
    {SDL_SCANCODE_V, DIK_V},
    {SDL_SCANCODE_B, DIK_B},
    {SDL_SCANCODE_N, DIK_N},
    {SDL_SCANCODE_M, DIK_M},
    {SDL_SCANCODE_COMMA, DIK_COMMA},
    {SDL_SCANCODE_PERIOD, DIK_PERIOD},
    {SDL_SCANCODE_SLASH, DIK_SLASH},
    {SDL_SCANCODE_RSHIFT, DIK_RSHIFT},
    {SDL_SCANCODE_KP_MULTIPLY, DIK_MULTIPLY},
    {SDL_SCANCODE_LALT, DIK_LMENU},
    {SDL_SCANCODE_SPACE, DIK_SPACE},
    {SDL_SCANCODE_CAPSLOCK, DIK_CAPITAL},
    {SDL_SCANCODE_F1, DIK_F1},
    {SDL_SCANCODE_F2, DIK_F2},
    {SDL_SCANCODE_F3, DIK_F3},
    {SDL_SCANCODE_F4, DIK_F4},
    {SDL_SCANCODE_F5, DIK_F5},
    {SDL_SCANCODE_F6, DIK_F6},
    {SDL_SCANCODE_F7, DIK_F7},
    {SDL_SCANCODE_F8, DIK_F8},
    {SDL_SCANCODE_F9, DIK_F9},
    {SDL_SCANCODE_F10, DIK_F10},
    {SDL_SCANCODE_NUMLOCKCLEAR, DIK_NUMLOCK},
    {SDL_SCANCODE_SCROLLLOCK, DIK_SCROLL},
    {SDL_SCANCODE_KP_7, DIK_NUMPAD7},
    {SDL_SCANCODE_KP_8, DIK_NUMPAD8},
    {SDL_SCANCODE_KP_9, DIK_NUMPAD9},
    {SDL_SCANCODE_KP_MINUS, DIK_SUBTRACT},
    {SDL_SCANCODE_KP_4, DIK_NUMPAD4},
    {SDL_SCANCODE_KP_5, DIK_NUMPAD5},
    {SDL_SCANCODE_KP_6, DIK_NUMPAD6},
    {SDL_SCANCODE_KP_PLUS, DIK_ADD},
    {SDL_SCANCODE_KP_1, DIK_NUMPAD1},
    {SDL_SCANCODE_KP_2, DIK_NUMPAD2},
    {SDL_SCANCODE_KP_3, DIK_NUMPAD3},
    {SDL_SCANCODE_KP_0, DIK_NUMPAD0},
    {SDL_SCANCODE_KP_PERIOD, DIK_DECIMAL},
    {SDL_SCANCODE_F11, DIK_F11},
    {SDL_SCANCODE_F12, DIK_F12},
    {SDL_SCANCODE_KP_ENTER, DIK_NUMPADENTER},
    {SDL_SCANCODE_RCTRL, DIK_RCONTROL},
    {SDL_SCANCODE_KP_DIVIDE, DIK_DIVIDE},
    {SDL_SCANCODE_RALT, DIK_RMENU},
    {SDL_SCANCODE_HOME, DIK_HOME},
    {SDL_SCANCODE_UP, DIK_UP},
    {SDL_SCANCODE_PAGEUP, DIK_PRIOR},
    {SDL_SCANCODE_LEFT, DIK_LEFT},
    {SDL_SCANCODE_RIGHT, DIK_RIGHT},
    {SDL_SCANCODE_END, DIK_END},
    {SDL_SCANCODE_DOWN, DIK_DOWN},
    {SDL_SCANCODE_PAGEDOWN, DIK_NEXT},
    {SDL_SCANCODE_INSERT, DIK_INSERT},
    {SDL_SCANCODE_DELETE, DIK_DELETE},
};

bool IsAltEnter(const SDL_KeyboardEvent& key) {
  return (key.keysym.scancode == SDL_SCANCODE_RETURN ||
          key.keysym.scancode == SDL_SCANCODE_KP_ENTER) &&
         (key.keysym.mod & KMOD_ALT);
}

// What a key event is for: the game, or the port itself.
enum class KeyUse { kGame, kFullScreen, kScreenshot, kNone };

KeyUse UseOfKey(const SDL_KeyboardEvent& key) {
  const bool down = key.type == SDL_KEYDOWN;
  // Neither the press nor the release of PrintScreen reaches the game.
  if (key.keysym.scancode == SDL_SCANCODE_PRINTSCREEN) {
    return down && !key.repeat ? KeyUse::kScreenshot : KeyUse::kNone;
  }
  if (down && IsAltEnter(key)) return key.repeat ? KeyUse::kNone : KeyUse::kFullScreen;
  // The system's repeats of a held key go on as repeated downs.
  return KeyUse::kGame;
}

}  // namespace

int DirectInputCodeOfScancode(int scancode) {
  for (const KeyPair& k : kKeys) {
    if (k.scancode == scancode) return k.code;
  }
  return 0;
}

SdlBackend::SdlBackend(SdlOptions options)
    : options_(std::move(options)),
      sdl_(std::make_unique<Devices>()),
      start_ms_(SDL_GetTicks64()),
      counts_x_(options_.mouse_speed),
      counts_y_(options_.mouse_speed) {}

SdlBackend::~SdlBackend() {
  Close();
}

bool SdlBackend::Open(std::string_view title) {
  // Relative motion as the desktop's pointer would make it (with the system's
  // speed and acceleration wherever SDL knows them) and untouched by the
  // renderer: MoveMouse turns it into counts, carrying the remainders.
  SDL_SetHint(SDL_HINT_MOUSE_RELATIVE_SYSTEM_SCALE, "1");
  SDL_SetHint(SDL_HINT_MOUSE_RELATIVE_SCALING, "0");
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "quorvelnn: no display: %s\n", SDL_GetError());
    open_failed_ = true;
    return false;
  }
  sdl_->video_started = true;
  const Uint32 flags = options_.windowed ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_FULLSCREEN_DESKTOP;
  // Full screen starts at the desktop's size, so that the picture is placed
  // right even where nothing honours the full-screen request (an X server
  // without a window manager).
  int width = 2 * kScreenWidth, height = 2 * kScreenHeight;
  SDL_DisplayMode desktop;
  if (!options_.windowed && SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
    width = desktop.w;
    height = desktop.h;
  }
  const std::string name(title);
  sdl_->window = SDL_CreateWindow(name.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  width, height, flags);
  if (sdl_->window) {
    sdl_->renderer = SDL_CreateRenderer(sdl_->window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!sdl_->renderer) sdl_->renderer = SDL_CreateRenderer(sdl_->window, -1, 0);
  }
  if (sdl_->renderer) {
    SDL_RenderSetLogicalSize(sdl_->renderer, kScreenWidth, kScreenHeight);
    SDL_RenderSetIntegerScale(sdl_->renderer, SDL_TRUE);
    sdl_->texture = SDL_CreateTexture(sdl_->renderer, SDL_PIXELFORMAT_RGB565,
                                      SDL_TEXTUREACCESS_STREAMING, kScreenWidth, kScreenHeight);
  }
  if (!sdl_->texture) {
    std::fprintf(stderr, "quorvelnn: cannot open the game's window: %s\n", SDL_GetError());
    open_failed_ = true;
    Close();
    return false;
  }
  SDL_DisplayMode mode;
  if (SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(sdl_->window), &mode) == 0 &&
      mode.refresh_rate > 0) {
    refresh_hz_ = mode.refresh_rate;
  }
  SDL_ShowCursor(SDL_DISABLE);
  SDL_RaiseWindow(sdl_->window);
  SetGrab(HasFocus());
  return true;
}

void SdlBackend::SetGrab(bool grab) {
  if (sdl_->window) SDL_SetRelativeMouseMode(grab ? SDL_TRUE : SDL_FALSE);
}

void SdlBackend::MoveMouse(int dx, int dy) {
  const int scale = IntegerScale();
  FeedMouseMotion(counts_x_.Convert(dx, scale), counts_y_.Convert(dy, scale));
}

// The whole factor the renderer shows the picture at, in the window's pixels.
int SdlBackend::IntegerScale() const {
  float scale_x = 1;
  float scale_y = 1;
  if (sdl_->renderer) SDL_RenderGetScale(sdl_->renderer, &scale_x, &scale_y);
  return std::max(1, int(std::lround(scale_x)));
}

void SdlBackend::ToggleFullScreen() {
  const bool full = SDL_GetWindowFlags(sdl_->window) & SDL_WINDOW_FULLSCREEN_DESKTOP;
  SDL_SetWindowFullscreen(sdl_->window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  if (full) SDL_SetWindowSize(sdl_->window, 2 * kScreenWidth, 2 * kScreenHeight);
}

void SdlBackend::Present(const std::uint16_t* pixels, int pitch_bytes) {
  if (!sdl_->texture) return;
  if (screenshot_requested_) TakeScreenshot(pixels, pitch_bytes);
  SDL_UpdateTexture(sdl_->texture, nullptr, pixels, pitch_bytes);
  SDL_SetRenderDrawColor(sdl_->renderer, 0, 0, 0, 255);
  SDL_RenderClear(sdl_->renderer);
  SDL_RenderCopy(sdl_->renderer, sdl_->texture, nullptr, nullptr);
  SDL_RenderPresent(sdl_->renderer);
  WaitForRefresh();
  ++frames_;
  if (options_.max_frames >= 0 && frames_ == options_.max_frames) {
    timed_out_ = true;
    close_due_ = true;
  }
}

void SdlBackend::TakeScreenshot(const std::uint16_t* pixels, int pitch_bytes) {
  screenshot_requested_ = false;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const std::string path = SaveScreenshot(options_.screenshot_dir, pixels, pitch_bytes, local);
  if (path.empty()) {
    std::fprintf(stderr, "quorvelnn: cannot write a screenshot into %s\n",
                 options_.screenshot_dir.c_str());
  } else {
    std::printf("quorvelnn: screenshot %s\n", path.c_str());
    std::fflush(stdout);
    ScriptCommand shot;
    shot.kind = ScriptCommand::Kind::kShot;
    shot.name = std::filesystem::path(path).stem().string();
    CurrentBackend().Note(shot);
  }
}

// A flip waits for the display. Where the renderer cannot wait for the
// vertical blank (a software renderer, a virtual display) the wait is made
// here, so that the loops never spin faster than the screen refreshes.
void SdlBackend::WaitForRefresh() {
  const std::uint64_t period = 1000 / std::uint64_t(refresh_hz_);
  const std::uint64_t now = SDL_GetTicks64();
  if (now < last_present_ms_ + period) SDL_Delay(Uint32(last_present_ms_ + period - now));
  last_present_ms_ = SDL_GetTicks64();
}

void SdlBackend::Pump() {
  if (!sdl_->window) return;
  if (close_due_) {
    close_due_ = false;
    FeedCloseRequest();
  }
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    switch (event.type) {
      case SDL_QUIT:
        FeedCloseRequest();
        break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) FeedCloseRequest();
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) SetGrab(true);
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
          SetGrab(false);
          FeedFocusLost();
        }
        break;
      case SDL_MOUSEMOTION:
        if (SDL_GetRelativeMouseMode()) MoveMouse(event.motion.xrel, event.motion.yrel);
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT || event.button.button == SDL_BUTTON_RIGHT) {
          FeedMouseButton(
              event.button.button == SDL_BUTTON_LEFT ? MouseButton::kLeft : MouseButton::kRight,
              event.type == SDL_MOUSEBUTTONDOWN);
        }
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        const KeyUse use = UseOfKey(event.key);
        if (use == KeyUse::kGame) {
          FeedKey(DirectInputCodeOfScancode(event.key.keysym.scancode), event.type == SDL_KEYDOWN);
        }
        if (use == KeyUse::kFullScreen) ToggleFullScreen();
        if (use == KeyUse::kScreenshot) screenshot_requested_ = true;
        break;
      }
      default:
        break;
    }
  }
}

std::uint64_t SdlBackend::TicksMs() {
  return SDL_GetTicks64() - start_ms_;
}

bool SdlBackend::HasFocus() {
  return sdl_->window && (SDL_GetWindowFlags(sdl_->window) & SDL_WINDOW_INPUT_FOCUS);
}

void SdlBackend::Close() {
  if (sdl_->texture) SDL_DestroyTexture(sdl_->texture);
  if (sdl_->renderer) SDL_DestroyRenderer(sdl_->renderer);
  if (sdl_->window) SDL_DestroyWindow(sdl_->window);
  sdl_->texture = nullptr;
  sdl_->renderer = nullptr;
  sdl_->window = nullptr;
  if (sdl_->video_started) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  sdl_->video_started = false;
}

}  // namespace platform
