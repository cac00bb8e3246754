// select.bmp .. select4.bmp: bright corner brackets around a selected object,
// transparent between them. The brackets are two pixels thick with a dark
// line inside, so they read on grass and on buildings alike, and keep at
// least one pixel of each line when the game stretches the sheet to another
// height.
#include <algorithm>

#include "pictures/canvas.h"
#include "pictures/marks_layout.h"
#include "pictures/sheet_drawers.h"

namespace pictures {
namespace {

constexpr int kThickness = 2;

// The four L-shaped brackets, `inset` pixels in from the edge.
void DrawBrackets(Canvas& canvas, int inset, int arm, Colour colour) {
  const int last = canvas.width() - 1 - inset;
  for (int corner = 0; corner < 4; ++corner) {
    const bool right = corner % 2 == 1;
    const bool bottom = corner / 2 == 1;
    const int x = right ? last : inset;
    const int y = bottom ? last : inset;
    const int along_x = right ? -1 : 1;
    const int along_y = bottom ? -1 : 1;
    canvas.HLine(x, x + along_x * (arm - 1), y, colour);
    canvas.VLine(x, y, y + along_y * (arm - 1), colour);
  }
}

}  // namespace

platform::Image DrawSelectionSheet(int cells) {
  const int side = marks_layout::MarkSide(cells);
  const int arm = std::max(8, side / 4);
  Canvas mark(side, side, palette::kKey);
  for (int i = 0; i < kThickness; ++i) DrawBrackets(mark, i, arm - i, palette::kVerdant[5]);
  DrawBrackets(mark, kThickness, arm - kThickness, palette::kVerdant[1]);
  // The outer corners stay clear: the game takes the top-left pixel's colour
  // for the key, and the other three match it.
  for (int x : {0, side - 1}) {
    for (int y : {0, side - 1}) mark.Set(x, y, palette::kKey);
  }
  return mark.image();
}

}  // namespace pictures
