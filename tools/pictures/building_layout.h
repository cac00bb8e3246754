// Where the game cuts each building picture out of its sheet: pictures lie
// on a 129-pixel grid, the one at column c, row r starting at (129c + 1,
// 129r + 1), as wide and high as the kind's footprint. A temple's column
// grows by its owner: neutral, human, orc.
#pragma once

#include <array>

#include "pictures/canvas.h"

namespace pictures::building_layout {

inline constexpr int kPitch = 129;
inline constexpr int kCell = 32;

enum class Sheet { kHuman, kOrc, kNeutral };

// The file each sheet is loaded from, and its size in grid places.
struct SheetSize {
  Sheet sheet;
  const char* file_name;
  int columns;
  int rows;
};

inline constexpr std::array<SheetSize, 3> kSheets = {{
    {Sheet::kHuman, "batis_humains.bmp", 4, 3},
    {Sheet::kOrc, "batis_orcs.bmp", 5, 2},
    {Sheet::kNeutral, "batis_neutres.bmp", 4, 3},
}};

constexpr int SheetWidth(const SheetSize& s) {
  return s.columns * kPitch + 1;
}
constexpr int SheetHeight(const SheetSize& s) {
  return s.rows * kPitch + 1;
}

enum class Kind {
  kFarm,
  kHall1,
  kHall2,
  kHall3,
  kBarracks,
  kSawmill,
  kSmithy,
  kStable,
  kChurch,
  kWorkshop,
  kMageTower,
  kOrcFarm,
  kOrcBarracks,
  kOrcHall,
  kTower,
  kGoldMine,
  kTempleAir,
  kTempleNature,
  kTempleFire,
};

enum class Owner { kNeutral, kHuman, kOrc };

struct BuildingPicture {
  Sheet sheet;
  Kind kind;
  const char* label;  // the kind's name in the game, for the contact sheet
  int column;
  int row;
  int cells_wide;
  int cells_high;
  Owner owner;  // the temples' owner; the side of any other building

  constexpr Rect Area() const {
    return {column * kPitch + 1, row * kPitch + 1, cells_wide * kCell, cells_high * kCell};
  }
};

inline constexpr std::array<BuildingPicture, 25> kPictures = {{
    {Sheet::kHuman, Kind::kFarm, "FERME", 0, 0, 2, 2, Owner::kHuman},
    {Sheet::kHuman, Kind::kHall1, "HALL1", 2, 0, 4, 4, Owner::kHuman},
    {Sheet::kHuman, Kind::kHall2, "HALL2", 3, 0, 4, 4, Owner::kHuman},
    {Sheet::kHuman, Kind::kHall3, "HALL3", 0, 1, 4, 4, Owner::kHuman},
    {Sheet::kHuman, Kind::kBarracks, "BARRA", 1, 1, 3, 3, Owner::kHuman},
    {Sheet::kHuman, Kind::kSawmill, "SCIER", 2, 1, 3, 3, Owner::kHuman},
    {Sheet::kHuman, Kind::kSmithy, "FORGE", 3, 1, 3, 3, Owner::kHuman},
    {Sheet::kHuman, Kind::kStable, "ETABL", 0, 2, 3, 3, Owner::kHuman},
    {Sheet::kHuman, Kind::kChurch, "EGLIS", 1, 2, 3, 3, Owner::kHuman},
    {Sheet::kHuman, Kind::kWorkshop, "INVEN", 2, 2, 3, 3, Owner::kHuman},
    {Sheet::kHuman, Kind::kMageTower, "MAGEH", 3, 2, 3, 3, Owner::kHuman},
    {Sheet::kOrc, Kind::kOrcFarm, "OFARM", 0, 0, 2, 2, Owner::kOrc},
    {Sheet::kOrc, Kind::kOrcBarracks, "OBARR", 1, 1, 3, 3, Owner::kOrc},
    {Sheet::kOrc, Kind::kOrcHall, "OHALL", 2, 0, 4, 4, Owner::kOrc},
    {Sheet::kOrc, Kind::kTower, "WATOW", 4, 0, 2, 2, Owner::kOrc},
    {Sheet::kNeutral, Kind::kGoldMine, "MINEO", 3, 0, 3, 3, Owner::kNeutral},
    {Sheet::kNeutral, Kind::kTempleAir, "T AIR", 0, 0, 3, 3, Owner::kNeutral},
    {Sheet::kNeutral, Kind::kTempleAir, "T AIR", 1, 0, 3, 3, Owner::kHuman},
    {Sheet::kNeutral, Kind::kTempleAir, "T AIR", 2, 0, 3, 3, Owner::kOrc},
    {Sheet::kNeutral, Kind::kTempleNature, "T NAT", 0, 1, 3, 3, Owner::kNeutral},
    {Sheet::kNeutral, Kind::kTempleNature, "T NAT", 1, 1, 3, 3, Owner::kHuman},
    {Sheet::kNeutral, Kind::kTempleNature, "T NAT", 2, 1, 3, 3, Owner::kOrc},
    {Sheet::kNeutral, Kind::kTempleFire, "T FIR", 0, 2, 3, 3, Owner::kNeutral},
    {Sheet::kNeutral, Kind::kTempleFire, "T FIR", 1, 2, 3, 3, Owner::kHuman},
    {Sheet::kNeutral, Kind::kTempleFire, "T FIR", 2, 2, 3, 3, Owner::kOrc},
}};

}  // namespace pictures::building_layout
