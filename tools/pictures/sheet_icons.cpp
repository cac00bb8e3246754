// icones.bmp: the command panel's pictures and every kind's portrait, each
// framed by a black line that it shares with its neighbours. Places no kind
// uses hold an empty plate.
#include "pictures/icon_layout.h"
#include "pictures/icon_portraits.h"
#include "pictures/sheet_drawers.h"

namespace pictures {
namespace {

namespace layout = icon_sheet;

layout::Picture PictureAt(int column, int row) {
  for (const layout::Place& place : layout::kPlaces) {
    if (place.column == column && place.row == row) return place.picture;
  }
  return layout::Picture::kEmpty;
}

}  // namespace

platform::Image DrawIconSheet() {
  Canvas sheet(layout::kSheetWidth, layout::kSheetHeight, palette::kBlack);
  for (int row = 0; row < layout::kRows; ++row) {
    for (int column = 0; column < layout::kColumns; ++column) {
      DrawIconPicture(sheet, PictureAt(column, row), layout::PortraitRect(column, row));
    }
  }
  for (int row = 0; row < layout::kRows; ++row) {
    for (int column = 0; column < layout::kColumns; ++column) {
      sheet.FrameRect(layout::IconRect(column, row), palette::kBlack);
    }
  }
  return sheet.image();
}

}  // namespace pictures
