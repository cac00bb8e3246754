// Where the game cuts pictures out of icones.bmp: 48x40 pictures on a 47 by
// 39 pitch, so neighbours share their border line. The command panel shows
// a whole picture; the portrait of the selected object is the picture
// without its border line, 46x38.
#pragma once

#include <array>

#include "pictures/canvas.h"

namespace pictures::icon_sheet {

inline constexpr int kPitchX = 47;
inline constexpr int kPitchY = 39;
inline constexpr int kIconWidth = 48;
inline constexpr int kIconHeight = 40;
inline constexpr int kColumns = 13;
inline constexpr int kRows = 4;
inline constexpr int kSheetWidth = kPitchX * (kColumns - 1) + kIconWidth;
inline constexpr int kSheetHeight = kPitchY * (kRows - 1) + kIconHeight;

constexpr Rect IconRect(int column, int row) {
  return {kPitchX * column, kPitchY * row, kIconWidth, kIconHeight};
}

constexpr Rect PortraitRect(int column, int row) {
  return {kPitchX * column + 1, kPitchY * row + 1, kIconWidth - 2, kIconHeight - 2};
}

enum class Picture {
  kEmpty,
  // walking units
  kWorker,
  kArcher,
  kSoldier,
  kMonk,
  kOrcWorker,
  kOrcArcher,
  kOrcSoldier,
  // human buildings
  kFarm,
  kHall,
  kBarracks,
  kWorkshop,
  kChurch,
  kInventor,
  kMageTower,
  // orc buildings
  kOrcFarm,
  kOrcHall,
  kOrcBarracks,
  kTower,
  // neutral places
  kGoldMine,
  kTempleOfNature,
  kTempleOfAir,
  kTempleOfFire,
  // the units' behaviour when attacked
  kFlee,
  kAggressive,
  kReactive,
};

struct Place {
  Picture picture;
  int column;  // the kinds' XIcone, YIcone
  int row;
};

// Every picture the game shows. HALL3 shares the human worker's place, and
// the sawmill, smithy and stable share the workshop's.
inline constexpr std::array<Place, 26> kPlaces = {{
    {Picture::kFarm, 0, 0},        {Picture::kEmpty, 1, 0},        {Picture::kGoldMine, 2, 0},
    {Picture::kHall, 3, 0},        {Picture::kBarracks, 6, 0},     {Picture::kWorkshop, 7, 0},
    {Picture::kChurch, 10, 0},     {Picture::kInventor, 11, 0},    {Picture::kWorker, 0, 1},
    {Picture::kArcher, 1, 1},      {Picture::kOrcSoldier, 2, 1},   {Picture::kTempleOfNature, 3, 1},
    {Picture::kTempleOfAir, 4, 1}, {Picture::kTempleOfFire, 5, 1}, {Picture::kMonk, 7, 1},
    {Picture::kMageTower, 10, 1},  {Picture::kSoldier, 0, 2},      {Picture::kOrcArcher, 1, 2},
    {Picture::kFlee, 2, 2},        {Picture::kAggressive, 3, 2},   {Picture::kReactive, 5, 2},
    {Picture::kOrcBarracks, 9, 2}, {Picture::kOrcHall, 10, 2},     {Picture::kOrcFarm, 11, 2},
    {Picture::kTower, 12, 2},      {Picture::kOrcWorker, 0, 3},
}};

}  // namespace pictures::icon_sheet
