// Enlarging, gridding and labelling a sheet.
#include "pictures/contact_sheet.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "pictures/canvas.h"
#include "pictures/sheet_places.h"
#include "pictures/small_letters.h"

namespace pictures {
namespace {

constexpr Colour kGridColour = 0x404040;
constexpr Colour kPlaceColour = 0xFFFF00;
constexpr Colour kInk = 0xFFFFFF;
constexpr Colour kPlate = 0x000000;
constexpr int kMinimumScale = 3;
constexpr int kNarrowSheet = 320;  // narrower sheets are enlarged to this width

int ScaleFor(const platform::Image& image) {
  return std::max(kMinimumScale, kNarrowSheet / std::max(1, image.width));
}

Canvas Enlarged(const platform::Image& image, int scale) {
  Canvas big(image.width * scale, image.height * scale);
  for (int y = 0; y < big.height(); ++y) {
    for (int x = 0; x < big.width(); ++x) big.Set(x, y, image.at(x / scale, y / scale));
  }
  return big;
}

void DrawGrid(Canvas& big, int pitch, int scale) {
  if (pitch <= 0) return;
  for (int x = 0; x < big.width(); x += pitch * scale)
    big.VLine(x, 0, big.height() - 1, kGridColour);
  for (int y = 0; y < big.height(); y += pitch * scale)
    big.HLine(0, big.width() - 1, y, kGridColour);
}

// Each line of the label on a black plate in the place's top-left corner.
void DrawLabel(Canvas& big, const std::string& label, int x, int y) {
  std::size_t start = 0;
  while (start <= label.size()) {
    const std::size_t end = std::min(label.find('\n', start), label.size());
    const std::string line = label.substr(start, end - start);
    big.FillRect({x, y, SmallTextWidth(line) + 3, kSmallLetterHeight + 3}, kPlate);
    DrawSmallText(big, line, x + 1, y + 1, kInk, kPlate);
    y += kSmallLetterHeight + 3;
    start = end + 1;
  }
}

}  // namespace

platform::Image ContactSheet(const Sheet& sheet) {
  const int scale = ScaleFor(sheet.image);
  Canvas big = Enlarged(sheet.image, scale);
  const SheetPlaces places = PlacesIn(sheet.file_name);
  DrawGrid(big, places.pitch, scale);
  for (const Place& place : places.places) {
    const Rect r{place.rect.x * scale, place.rect.y * scale, place.rect.w * scale,
                 place.rect.h * scale};
    big.FrameRect(r.Inset(-1), kPlaceColour);
  }
  for (const Place& place : places.places) {
    DrawLabel(big, place.label, place.rect.x * scale + 1, place.rect.y * scale + 1);
  }
  return big.image();
}

bool WriteContactSheets(const std::string& directory) {
  return WriteContactSheets(directory, AllSheets());
}

bool WriteContactSheets(const std::string& directory, const std::vector<Sheet>& sheets) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) return false;
  for (const Sheet& sheet : sheets) {
    const std::string stem = std::filesystem::path(sheet.file_name).stem().string();
    if (!platform::SaveBitmapFile(directory + "/" + stem + "_contact.bmp", ContactSheet(sheet))) {
      return false;
    }
  }
  return true;
}

}  // namespace pictures
