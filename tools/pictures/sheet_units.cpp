// humains_new.bmp and orcs_new.bmp: every walking kind of a side in eight
// directions and three poses, on the key colour.
#include <span>

#include "pictures/sheet_drawers.h"
#include "pictures/unit_figures.h"
#include "pictures/unit_sheet_layout.h"

namespace pictures {
namespace {

namespace layout = unit_sheet;

void DrawBlock(Canvas& canvas, const layout::Block& block) {
  for (int direction = 1; direction <= 8; ++direction) {
    for (int pose = 0; pose < layout::kPoses; ++pose) {
      const Rect frame = layout::BlockFrameRect(block, direction, pose);
      const PointF feet{frame.x + layout::kFeetX, frame.y + layout::kFeetY};
      // A row of key colour stays round the figure inside its frame.
      DrawUnitFigure(canvas, block.kind, direction, Pose(pose), feet, layout::kFigureScale,
                     frame.Inset(1));
    }
  }
}

platform::Image DrawUnitsSheet(int columns, std::span<const layout::Block> blocks) {
  Canvas sheet(layout::SheetWidth(columns), layout::kSheetHeight, palette::kKey);
  for (const layout::Block& block : blocks) DrawBlock(sheet, block);
  return sheet.image();
}

}  // namespace

platform::Image DrawHumanUnitsSheet() {
  return DrawUnitsSheet(layout::kHumanColumns, layout::kHumanBlocks);
}

platform::Image DrawOrcUnitsSheet() {
  return DrawUnitsSheet(layout::kOrcColumns, layout::kOrcBlocks);
}

}  // namespace pictures
