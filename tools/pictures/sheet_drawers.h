// One drawing function per picture sheet of the game.
#pragma once

#include "pictures/building_layout.h"
#include "platform/bitmap_file.h"

namespace pictures {

platform::Image DrawFontSheet();                            // font1.bmp
platform::Image DrawCursorSheet();                          // cursor001.bmp
platform::Image DrawIntroSheet();                           // intro.bmp
platform::Image DrawMenuSheet();                            // menu.bmp
platform::Image DrawInterfaceSheet();                       // edit_game.bmp
platform::Image DrawTerrainSheet();                         // unit.bmp
platform::Image DrawMinimapSheet();                         // mini.bmp
platform::Image DrawSelectionSheet(int cells);              // select.bmp .. select4.bmp
platform::Image DrawProjectileSheet();                      // little_sprites.bmp
platform::Image DrawBuildingSheet(building_layout::Sheet);  // batis_*.bmp

platform::Image DrawHumanUnitsSheet();  // humains_new.bmp
platform::Image DrawOrcUnitsSheet();    // orcs_new.bmp
platform::Image DrawIconSheet();        // icones.bmp

}  // namespace pictures
