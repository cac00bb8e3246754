// Screenshots of the real window.
#include "platform/screenshot.h"

#include <filesystem>
#include <system_error>

#include "platform/backend.h"
#include "platform/bitmap_file.h"
#include "platform/png_file.h"

namespace platform {
namespace {

bool IsSet(const char* value) {
  return value && *value;
}

// A name of this second not yet taken in dir.
std::filesystem::path FreePath(const std::filesystem::path& dir, const std::tm& when) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &when);
  for (int n = 1;; ++n) {
    std::filesystem::path path =
        dir / ("quorvelnn-" + std::string(stamp) + "-" + std::to_string(n) + ".png");
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) return path;
    if (error) return {};
  }
}

}  // namespace

std::string DefaultScreenshotDir(const char* xdg_data_home, const char* home) {
  std::filesystem::path data;
  // Relative values are to be ignored, as the base directory rules say.
  if (IsSet(xdg_data_home) && xdg_data_home[0] == '/') {
    data = xdg_data_home;
  } else if (IsSet(home)) {
    data = std::filesystem::path(home) / ".local" / "share";
  }
  return (data / "quorvelnn" / "screenshots").string();
}

std::string SaveScreenshot(const std::string& dir, const std::uint16_t* pixels, int pitch_bytes,
                           const std::tm& when) {
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) return {};
  const std::filesystem::path path = FreePath(dir, when);
  if (path.empty()) return {};
  const Image frame = ImageFromRgb565(pixels, kScreenWidth, kScreenHeight, pitch_bytes / 2);
  return SavePngFile(path.string(), frame) ? path.string() : std::string();
}

}  // namespace platform
