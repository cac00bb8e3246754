// Where the game cuts the walking units' frames out of humains_new.bmp and
// orcs_new.bmp: 50x50 frames on a 51-pixel grid, one block of 3 columns by 8
// rows per kind. Inside a block frame f = 3 * (direction - 1) + pose runs
// down the columns: block column f / 8, block row f % 8.
#pragma once

#include <array>

#include "pictures/canvas.h"
#include "pictures/unit_figures.h"

namespace pictures::unit_sheet {

inline constexpr int kFrameSize = 50;
inline constexpr int kPitch = 51;
inline constexpr int kBlockColumns = 3;
inline constexpr int kBlockRows = 8;
inline constexpr int kPoses = 3;

constexpr Rect FrameRect(int column, int row) {
  return {kPitch * column + 1, kPitch * row + 1, kFrameSize, kFrameSize};
}

constexpr int FrameNumber(int direction, int pose) {
  return kPoses * (direction - 1) + pose;
}

// The game draws a frame 5 pixels left of and 14 above the unit's 32x32
// cell; the figure stands in that cell, its feet near the bottom.
inline constexpr Rect kCellInFrame{5, 14, 32, 32};
inline constexpr double kFeetX = 21.0;  // the cell's middle
inline constexpr double kFeetY = 40.0;
// The figures' size in the sheets, against the one they are described at.
inline constexpr double kFigureScale = 1.35;

struct Block {
  UnitKind kind;
  int column;  // the kind's XImage, YImage
  int row;
};

// The frame of one direction and pose inside a kind's block.
constexpr Rect BlockFrameRect(const Block& block, int direction, int pose) {
  const int frame = FrameNumber(direction, pose);
  return FrameRect(block.column + frame / kBlockRows, block.row + frame % kBlockRows);
}

inline constexpr std::array<Block, 4> kHumanBlocks = {{
    {UnitKind::kArcher, 0, 0},
    {UnitKind::kWorker, 3, 0},
    {UnitKind::kSoldier, 6, 0},
    {UnitKind::kMonk, 9, 0},
}};
inline constexpr std::array<Block, 3> kOrcBlocks = {{
    {UnitKind::kOrcArcher, 0, 0},
    {UnitKind::kOrcWorker, 3, 0},
    {UnitKind::kOrcSoldier, 6, 0},
}};

// A grid line of key colour runs round every frame.
constexpr int SheetWidth(int columns) {
  return kPitch * columns + 1;
}
inline constexpr int kSheetHeight = kPitch * kBlockRows + 1;
inline constexpr int kHumanColumns = 12;
inline constexpr int kOrcColumns = 9;

}  // namespace pictures::unit_sheet
