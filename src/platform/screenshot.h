// The real window's screenshots: where they go and what they are called.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace platform {

// screenshots/ under the per-user data directory: $XDG_DATA_HOME/quorvelnn,
// else ~/.local/share/quorvelnn (arguments as the environment gives them, or
// null); with neither, under the working directory.
std::string DefaultScreenshotDir(const char* xdg_data_home, const char* home);

// Writes a kScreenWidth x kScreenHeight RGB565 frame into dir, made if
// needed, as quorvelnn-YYYYMMDD-HHMMSS-N.png with the first N from 1 not yet
// taken. Returns the path written, or nothing when it cannot be written.
std::string SaveScreenshot(const std::string& dir, const std::uint16_t* pixels, int pitch_bytes,
                           const std::tm& when);

}  // namespace platform
