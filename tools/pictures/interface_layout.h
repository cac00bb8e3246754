// Where the game draws into or reads from the interface picture, in its
// pixels (the picture covers the whole 640x480 screen).
#pragma once

#include "pictures/canvas.h"

namespace pictures::interface_layout {

inline constexpr int kWidth = 640;
inline constexpr int kHeight = 480;

// The game view covers the left 520 columns during play.
inline constexpr Rect kGameView{0, 0, 520, 480};
inline constexpr Rect kPanel{520, 0, 120, 480};
// The minimap is drawn over this square every frame.
inline constexpr Rect kMinimap{525, 5, 64, 64};
// A click here returns to the main menu; the picture shows the button.
inline constexpr Rect kMenuButton{590, 40, 46, 43};
// The selected object's portrait.
inline constexpr Rect kPortrait{530, 90, 46, 38};
// Its hit points and their maximum, written at (585, 92) and (585, 112).
inline constexpr Rect kHitPoints{583, 90, 54, 38};
// Four text lines from (530, 135) 15 rows apart, and the training bar at
// (528, 135)-(633, 157).
inline constexpr Rect kTextArea{528, 134, 108, 63};
// The strip restored under "MONEY :" and "WOOD :", written at row 463.
inline constexpr Rect kResourceLine{0, 461, 520, 19};
inline constexpr Rect kResourceText{2, 463, 518, 15};

// The command panel's 2 x 5 cells, each 48 x 40.
constexpr Rect CommandCell(int column, int row) {
  return {528 + 52 * column, 246 + 46 * row, 48, 40};
}
inline constexpr int kCommandColumns = 2;
inline constexpr int kCommandRows = 5;

// The training bar's two pieces, read from the game view's corner: its empty
// frame, and the fill shown for as many columns as the training has
// progressed (1 to 100), 3 pixels inside the frame.
inline constexpr Rect kBarFrame{0, 0, 106, 22};
inline constexpr Rect kBarTrough{3, 3, 100, 16};
inline constexpr Rect kBarFill{0, 22, 100, 16};

}  // namespace pictures::interface_layout
