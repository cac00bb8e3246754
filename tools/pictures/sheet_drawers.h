// One drawing function per picture sheet of the game.
#pragma once

#include "platform/bitmap_file.h"

namespace pictures {

platform::Image DrawFontSheet();       // font1.bmp
platform::Image DrawCursorSheet();     // cursor001.bmp
platform::Image DrawIntroSheet();      // intro.bmp
platform::Image DrawMenuSheet();       // menu.bmp
platform::Image DrawInterfaceSheet();  // edit_game.bmp

}  // namespace pictures
