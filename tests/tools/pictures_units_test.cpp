// The walking units' sheets: every frame the game cuts out holds a figure
// standing in its cell on the key colour, found through its kind.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "pictures/palette.h"
#include "pictures/unit_sheet_layout.h"
#include "tools/drawn_sheets.h"
#include "world/sprites_defs.h"

namespace {

namespace layout = pictures::unit_sheet;
namespace palette = pictures::palette;
using palette::kKey;
using pictures::Rect;

struct UnitSheet {
  std::string file_name;
  std::span<const layout::Block> blocks;
};

const UnitSheet kUnitSheets[] = {{"humains_new.bmp", layout::kHumanBlocks},
                                 {"orcs_new.bmp", layout::kOrcBlocks}};

// Calls `check` with every frame of every block: the sheet, the block, the
// frame's direction and pose, and the frame.
template <typename Check>
void ForEveryFrame(Check check) {
  for (const UnitSheet& sheet : kUnitSheets) {
    const platform::Image& image = test::DrawnSheet(sheet.file_name);
    for (const layout::Block& block : sheet.blocks) {
      for (int direction = 1; direction <= 8; ++direction) {
        for (int pose = 0; pose < layout::kPoses; ++pose) {
          check(image, block, direction, pose, layout::BlockFrameRect(block, direction, pose));
        }
      }
    }
  }
}

std::string Name(const layout::Block& block, int direction, int pose) {
  return "block at column " + std::to_string(block.column) + ", direction " +
         std::to_string(direction) + ", pose " + std::to_string(pose);
}

// Each frame holds a figure outlined in black against the key, in its
// side's colour (blue for the humans, red and green skin for the orcs),
// clear of the frame's edges, where the game would cut it off. It may rise
// above its cell (a head, a raised weapon) but stands in it: its feet near
// the cell's foot and never below, its body between the sides.
TEST(PictureUnits, EveryFrameHoldsAnOutlinedFigureInItsSidesColourStandingInItsCell) {
  const Rect cell = layout::kCellInFrame;
  ForEveryFrame([&](const platform::Image& image, const layout::Block& block, int direction,
                    int pose, const Rect& frame) {
    const std::string name = Name(block, direction, pose);
    EXPECT_GT(test::CountOther(image, frame, kKey), 150) << name;
    EXPECT_EQ(test::CountOther(image, frame, kKey), test::CountOther(image, frame.Inset(1), kKey))
        << name << " touches its edge";
    int bare = 0, body = 0, between_sides = 0, lowest = -1;
    for (int y = 1; y < frame.h - 1; ++y) {
      for (int x = 1; x < frame.w - 1; ++x) {
        const int sx = frame.x + x, sy = frame.y + y;
        if (image.at(sx, sy) == kKey) continue;
        if (image.at(sx, sy) != palette::kBlack) {
          bare += image.at(sx - 1, sy) == kKey || image.at(sx + 1, sy) == kKey ||
                  image.at(sx, sy - 1) == kKey || image.at(sx, sy + 1) == kKey;
        }
        if (y < cell.y) continue;
        ++body;
        between_sides += x >= cell.x && x < cell.Right();
        lowest = std::max(lowest, y);
      }
    }
    EXPECT_EQ(bare, 0) << name;
    EXPECT_GT(between_sides, body * 9 / 10) << name;
    EXPECT_GE(lowest, cell.Bottom() - 6) << name;
    EXPECT_LT(lowest, cell.Bottom()) << name;

    const bool orc = block.kind == pictures::UnitKind::kOrcArcher ||
                     block.kind == pictures::UnitKind::kOrcWorker ||
                     block.kind == pictures::UnitKind::kOrcSoldier;
    const int blue = test::CountOnRamp(image, frame, palette::kBanner);
    const int red = test::CountOnRamp(image, frame, palette::kCrimson);
    EXPECT_GT(orc ? red : blue, 12) << name;
    EXPECT_EQ(orc ? blue : red, 0) << name;
    if (orc) {
      EXPECT_GT(test::CountOnRamp(image, frame, palette::kOrcSkin), 20) << name;
    }
  });
}

// The game finds each walking kind's frames through its definition.
TEST(PictureUnits, EveryWalkingKindsDefinitionPointsAtItsBlock) {
  if (!GetDefUnit(PAYSA)) InitDefUnits();
  const std::pair<DECOR, pictures::UnitKind> kinds[] = {
      {ARCHE, pictures::UnitKind::kArcher},     {PAYSA, pictures::UnitKind::kWorker},
      {GUERR, pictures::UnitKind::kSoldier},    {MONK, pictures::UnitKind::kMonk},
      {OARCH, pictures::UnitKind::kOrcArcher},  {OPAYS, pictures::UnitKind::kOrcWorker},
      {OGUER, pictures::UnitKind::kOrcSoldier},
  };
  for (const auto& [decor, kind] : kinds) {
    const cDefUnit* def = GetDefUnit(decor);
    ASSERT_NE(def, nullptr) << decor;
    int found = 0;
    for (const layout::Block& block : kUnitSheets[def->Race == HUMAN ? 0 : 1].blocks) {
      if (block.column == def->XImage && block.row == def->YImage) {
        EXPECT_EQ(block.kind, kind) << decor;
        ++found;
      }
    }
    EXPECT_EQ(found, 1) << decor;
  }
}

}  // namespace
