// The list of sheets and their writing.
#include "pictures/sheets.h"

namespace pictures {

std::vector<Sheet> AllSheets() {
  std::vector<Sheet> sheets;
  sheets.push_back({"intro.bmp", platform::Image(640, 480, 0x203040)});
  sheets.push_back({"menu.bmp", platform::Image(640, 480, 0x304050)});
  sheets.push_back({"edit_game.bmp", platform::Image(640, 480, 0x404040)});
  platform::Image font(640, 48, 0x000000);
  for (int y = 2; y < 14; ++y) {
    for (int x = 0; x < 640; ++x) {
      if (x % 16 > 1 && x % 16 < 10) font.at(x, y) = 0xFFFFFF;
    }
  }
  sheets.push_back({"font1.bmp", font});
  platform::Image cursor(12, 15, 0xFF00FF);
  for (int y = 1; y < 15; ++y) {
    for (int x = 1; x <= y && x < 12; ++x) cursor.at(x, y) = 0xFFFFFF;
  }
  sheets.push_back({"cursor001.bmp", cursor});
  return sheets;
}

bool WriteAllSheets(const std::string& directory) {
  for (const Sheet& sheet : AllSheets()) {
    if (!platform::SaveBitmapFile(directory + "/" + sheet.file_name, sheet.image)) return false;
  }
  return true;
}

}  // namespace pictures
