// The walking units' sheets: every frame the game cuts out holds a figure
// standing in its cell on the key colour, and the frames of a walk differ
// from direction to direction and from pose to pose.
#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "pictures/palette.h"
#include "pictures/unit_sheet_layout.h"
#include "tools/drawn_sheets.h"
#include "world/sprites_defs.h"

namespace {

namespace layout = pictures::unit_sheet;
using pictures::Rect;

constexpr std::uint32_t kKey = pictures::palette::kKey;

struct UnitSheet {
  std::string file_name;
  int columns;
  std::span<const layout::Block> blocks;
};

const std::vector<UnitSheet>& UnitSheets() {
  static const std::vector<UnitSheet> sheets = {
      {"humains_new.bmp", layout::kHumanColumns, layout::kHumanBlocks},
      {"orcs_new.bmp", layout::kOrcColumns, layout::kOrcBlocks},
  };
  return sheets;
}

std::vector<std::uint32_t> Pixels(const platform::Image& image, const Rect& r) {
  std::vector<std::uint32_t> pixels;
  for (int y = r.y; y < r.Bottom(); ++y) {
    for (int x = r.x; x < r.Right(); ++x) pixels.push_back(image.at(x, y));
  }
  return pixels;
}

int FigurePixels(const platform::Image& image, const Rect& r) {
  int count = 0;
  for (std::uint32_t c : Pixels(image, r)) count += c != kKey;
  return count;
}

// Calls `check` with every frame of every block: the sheet, the frame, and
// the frame's direction and pose.
template <typename Check>
void ForEveryFrame(Check check) {
  for (const UnitSheet& sheet : UnitSheets()) {
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

TEST(PictureUnits, SheetsHoldEveryBlockAndTheKeyAtTheTopLeft) {
  for (const UnitSheet& sheet : UnitSheets()) {
    const platform::Image& image = test::DrawnSheet(sheet.file_name);
    EXPECT_EQ(image.width, layout::SheetWidth(sheet.columns)) << sheet.file_name;
    EXPECT_EQ(image.height, layout::kSheetHeight) << sheet.file_name;
    ASSERT_GT(image.width, 0);
    EXPECT_EQ(image.at(0, 0), kKey) << sheet.file_name;
  }
}

TEST(PictureUnits, TheGameCutsFramesOnAFiftyOnePixelGridColumnByColumn) {
  const layout::Block worker{pictures::UnitKind::kWorker, 3, 0};
  EXPECT_EQ(layout::BlockFrameRect(worker, 1, 0).x, 154);  // NE standing: the block's corner
  const Rect north_stride = layout::BlockFrameRect(worker, 8, 2);  // frame 23
  EXPECT_EQ(north_stride.x, 51 * 5 + 1);
  EXPECT_EQ(north_stride.y, 51 * 7 + 1);
  const Rect south_standing = layout::BlockFrameRect(worker, 4, 0);  // frame 9
  EXPECT_EQ(south_standing.x, 51 * 4 + 1);
  EXPECT_EQ(south_standing.y, 51 * 1 + 1);
}

TEST(PictureUnits, EveryFrameLiesInItsSheetAndHoldsAFigure) {
  ForEveryFrame([](const platform::Image& image, const layout::Block& block, int direction,
                   int pose, const Rect& frame) {
    ASSERT_LE(frame.Right(), image.width) << Name(block, direction, pose);
    ASSERT_LE(frame.Bottom(), image.height) << Name(block, direction, pose);
    EXPECT_GT(FigurePixels(image, frame), 150) << Name(block, direction, pose);
  });
}

TEST(PictureUnits, KeyColourAroundEveryFrameAndAlongItsEdges) {
  for (const UnitSheet& sheet : UnitSheets()) {
    const platform::Image& image = test::DrawnSheet(sheet.file_name);
    std::vector<bool> inside(image.pixels.size(), false);
    for (const layout::Block& block : sheet.blocks) {
      for (int direction = 1; direction <= 8; ++direction) {
        for (int pose = 0; pose < layout::kPoses; ++pose) {
          // A figure touching its frame's edge would be cut off by the game.
          const Rect inner = layout::BlockFrameRect(block, direction, pose).Inset(1);
          for (int y = inner.y; y < inner.Bottom(); ++y) {
            for (int x = inner.x; x < inner.Right(); ++x) inside[y * image.width + x] = true;
          }
        }
      }
    }
    int stray = 0;
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
      stray += !inside[i] && image.pixels[i] != kKey;
    EXPECT_EQ(stray, 0) << sheet.file_name;
  }
}

TEST(PictureUnits, FiguresMeetTheKeyWithABlackOutline) {
  ForEveryFrame([](const platform::Image& image, const layout::Block& block, int direction,
                   int pose, const Rect& frame) {
    int bare = 0;
    for (int y = frame.y + 1; y < frame.Bottom() - 1; ++y) {
      for (int x = frame.x + 1; x < frame.Right() - 1; ++x) {
        if (image.at(x, y) == kKey || image.at(x, y) == pictures::palette::kBlack) continue;
        bare += image.at(x - 1, y) == kKey || image.at(x + 1, y) == kKey ||
                image.at(x, y - 1) == kKey || image.at(x, y + 1) == kKey;
      }
    }
    EXPECT_EQ(bare, 0) << Name(block, direction, pose);
  });
}

// A figure may rise above its cell (a head, a raised weapon) but stands in
// it: its feet near the cell's foot and never below, its body between the
// cell's sides.
TEST(PictureUnits, FiguresStandInTheirCellWithTheirFeetNearItsFoot) {
  const Rect cell = layout::kCellInFrame;
  ForEveryFrame([&](const platform::Image& image, const layout::Block& block, int direction,
                    int pose, const Rect& frame) {
    int body = 0;
    int between_sides = 0;
    int lowest = -1;
    for (int y = cell.y; y < frame.h; ++y) {
      for (int x = 0; x < frame.w; ++x) {
        if (image.at(frame.x + x, frame.y + y) == kKey) continue;
        ++body;
        between_sides += x >= cell.x && x < cell.Right();
        lowest = std::max(lowest, y);
      }
    }
    EXPECT_GT(between_sides, body * 9 / 10) << Name(block, direction, pose);
    EXPECT_GE(lowest, cell.Bottom() - 6) << Name(block, direction, pose);
    EXPECT_LT(lowest, cell.Bottom()) << Name(block, direction, pose);
  });
}

TEST(PictureUnits, EachDirectionDiffersFromTheNextInTheSamePose) {
  ForEveryFrame([](const platform::Image& image, const layout::Block& block, int direction,
                   int pose, const Rect& frame) {
    const int next = direction % 8 + 1;
    EXPECT_NE(Pixels(image, frame), Pixels(image, layout::BlockFrameRect(block, next, pose)))
        << Name(block, direction, pose);
  });
}

TEST(PictureUnits, BothStridesDifferFromStandingAndFromEachOther) {
  ForEveryFrame([](const platform::Image& image, const layout::Block& block, int direction,
                   int pose, const Rect& frame) {
    if (pose != 0) return;
    const auto standing = Pixels(image, frame);
    const auto stride = Pixels(image, layout::BlockFrameRect(block, direction, 1));
    const auto other = Pixels(image, layout::BlockFrameRect(block, direction, 2));
    EXPECT_NE(standing, stride) << Name(block, direction, pose);
    EXPECT_NE(standing, other) << Name(block, direction, pose);
    EXPECT_NE(stride, other) << Name(block, direction, pose);
  });
}

// West, south-west and north-west are drawn from east, south-east and
// north-east seen in a mirror held at the cell's middle; only the light
// stays where it was, so the outlines match and the colours need not.
TEST(PictureUnits, WestwardFiguresAreTheEastwardOnesMirrored) {
  ForEveryFrame([](const platform::Image& image, const layout::Block& block, int direction,
                   int pose, const Rect& frame) {
    if (direction < 5 || direction > 7) return;
    const Rect twin = layout::BlockFrameRect(block, 8 - direction, pose);
    const int axis = 2 * int(layout::kFeetX) - 1;  // column x mirrors to axis - x
    int differ = 0;
    for (int y = 0; y < frame.h; ++y) {
      for (int x = 0; x < frame.w; ++x) {
        const int mirrored = axis - x;
        const bool here = image.at(frame.x + x, frame.y + y) != kKey;
        const bool there =
            mirrored >= 0 && mirrored < frame.w && image.at(twin.x + mirrored, twin.y + y) != kKey;
        differ += here != there;
      }
    }
    EXPECT_LT(differ, 12) << Name(block, direction, pose);
  });
}

int OnRamp(const platform::Image& image, const Rect& r, pictures::RampView ramp) {
  int count = 0;
  for (std::uint32_t c : Pixels(image, r)) {
    count += std::find(ramp.begin(), ramp.end(), c) != ramp.end();
  }
  return count;
}

// Whichever way it turns, a unit shows its side's colour: blue for the
// humans, red for the orcs; and an orc its green skin.
TEST(PictureUnits, EveryFrameShowsItsSidesColour) {
  ForEveryFrame([](const platform::Image& image, const layout::Block& block, int direction,
                   int pose, const Rect& frame) {
    const bool orc = block.kind == pictures::UnitKind::kOrcArcher ||
                     block.kind == pictures::UnitKind::kOrcWorker ||
                     block.kind == pictures::UnitKind::kOrcSoldier;
    const int blue = OnRamp(image, frame, pictures::palette::kBanner);
    const int red = OnRamp(image, frame, pictures::palette::kCrimson);
    EXPECT_GT(orc ? red : blue, 12) << Name(block, direction, pose);
    EXPECT_EQ(orc ? blue : red, 0) << Name(block, direction, pose);
    if (orc) {
      EXPECT_GT(OnRamp(image, frame, pictures::palette::kOrcSkin), 20)
          << Name(block, direction, pose);
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
    const auto& blocks = UnitSheets()[def->Race == HUMAN ? 0 : 1].blocks;
    int found = 0;
    for (const layout::Block& block : blocks) {
      if (block.column == def->XImage && block.row == def->YImage) {
        EXPECT_EQ(block.kind, kind) << decor;
        ++found;
      }
    }
    EXPECT_EQ(found, 1) << decor;
  }
}

}  // namespace
