// The list of sheets and their writing.
#include "pictures/sheets.h"

#include <filesystem>
#include <system_error>

#include "pictures/marks_layout.h"
#include "pictures/sheet_drawers.h"

namespace pictures {

std::vector<Sheet> AllSheets() {
  std::vector<Sheet> sheets;
  sheets.push_back({"intro.bmp", DrawIntroSheet()});
  sheets.push_back({"menu.bmp", DrawMenuSheet()});
  sheets.push_back({"edit_game.bmp", DrawInterfaceSheet()});
  sheets.push_back({"font1.bmp", DrawFontSheet()});
  sheets.push_back({"cursor001.bmp", DrawCursorSheet()});
  sheets.push_back({"unit.bmp", DrawTerrainSheet()});
  sheets.push_back({"mini.bmp", DrawMinimapSheet()});
  for (const marks_layout::MarkSheet& mark : marks_layout::kMarkSheets) {
    sheets.push_back({mark.file_name, DrawSelectionSheet(mark.cells)});
  }
  sheets.push_back({"little_sprites.bmp", DrawProjectileSheet()});
  for (const building_layout::SheetSize& size : building_layout::kSheets) {
    sheets.push_back({size.file_name, DrawBuildingSheet(size.sheet)});
  }
  sheets.push_back({"humains_new.bmp", DrawHumanUnitsSheet()});
  sheets.push_back({"orcs_new.bmp", DrawOrcUnitsSheet()});
  sheets.push_back({"icones.bmp", DrawIconSheet()});
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
