// The list of sheets and their writing.
#include "pictures/sheets.h"

#include <filesystem>
#include <system_error>

#include "pictures/sheet_drawers.h"

namespace pictures {

std::vector<Sheet> AllSheets() {
  std::vector<Sheet> sheets;
  sheets.push_back({"intro.bmp", DrawIntroSheet()});
  sheets.push_back({"menu.bmp", DrawMenuSheet()});
  sheets.push_back({"edit_game.bmp", DrawInterfaceSheet()});
  sheets.push_back({"font1.bmp", DrawFontSheet()});
  sheets.push_back({"cursor001.bmp", DrawCursorSheet()});
  return sheets;
}

bool WriteAllSheets(const std::string& directory) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) return false;
  for (const Sheet& sheet : AllSheets()) {
    if (!platform::SaveBitmapFile(directory + "/" + sheet.file_name, sheet.image)) return false;
  }
  return true;
}

}  // namespace pictures
