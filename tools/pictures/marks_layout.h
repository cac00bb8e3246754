// The selection marks: select.bmp to select4.bmp, one per footprint width of
// 1 to 4 cells. The game stretches the whole sheet onto the footprint plus
// one pixel on every side, so each is drawn at the size of that rectangle.
#pragma once

#include <array>

namespace pictures::marks_layout {

struct MarkSheet {
  const char* file_name;
  int cells;
};

inline constexpr std::array<MarkSheet, 4> kMarkSheets = {
    {{"select.bmp", 1}, {"select2.bmp", 2}, {"select3.bmp", 3}, {"select4.bmp", 4}}};

constexpr int MarkSide(int cells) {
  return 32 * cells + 2;
}

}  // namespace pictures::marks_layout
