// PNG files, through the system's PNG library: the screenshots of the real
// window, and reading them back.
#pragma once

#include <optional>
#include <string>

#include "platform/bitmap_file.h"

namespace platform {

// Writes a 24-bit PNG; false when the file cannot be written.
bool SavePngFile(const std::string& path, const Image& image);
// Nothing when the file is missing, damaged or larger than kMaxBitmapSide.
std::optional<Image> LoadPngFile(const std::string& path);

}  // namespace platform
