// The icon sheet: a picture at every place a kind or a command names.
#include <gtest/gtest.h>

#include <utility>

#include "pictures/icon_layout.h"
#include "tools/drawn_sheets.h"
#include "world/sprites_defs.h"

namespace {

namespace layout = pictures::icon_sheet;
using layout::Picture;
using pictures::Rect;

Picture PictureAt(int column, int row) {
  for (const layout::Place& place : layout::kPlaces) {
    if (place.column == column && place.row == row) return place.picture;
  }
  return Picture::kEmpty;
}

TEST(PictureIcons, EveryKindAndModeFindsItsOwnPicture) {
  if (!GetDefUnit(PAYSA)) InitDefUnits();
  const std::pair<DECOR, Picture> kinds[] = {
      {VIDE, Picture::kEmpty},         {MINEO, Picture::kGoldMine},
      {FERME, Picture::kFarm},         {HALL1, Picture::kHall},
      {HALL2, Picture::kHall},         {HALL3, Picture::kWorker},
      {BARRA, Picture::kBarracks},     {SCIER, Picture::kWorkshop},
      {FORGE, Picture::kWorkshop},     {ETABL, Picture::kWorkshop},
      {EGLIS, Picture::kChurch},       {INVEN, Picture::kInventor},
      {MAGEH, Picture::kMageTower},    {ARCHE, Picture::kArcher},
      {PAYSA, Picture::kWorker},       {GUERR, Picture::kSoldier},
      {WATOW, Picture::kTower},        {OGUER, Picture::kOrcSoldier},
      {OHALL, Picture::kOrcHall},      {OPAYS, Picture::kOrcWorker},
      {MONK, Picture::kMonk},          {OARCH, Picture::kOrcArcher},
      {OFARM, Picture::kOrcFarm},      {T_AIR, Picture::kTempleOfAir},
      {T_FIR, Picture::kTempleOfFire}, {T_NAT, Picture::kTempleOfNature},
      {OBARR, Picture::kOrcBarracks},
  };
  for (const auto& [decor, picture] : kinds) {
    const cDefUnit* def = GetDefUnit(decor);
    ASSERT_NE(def, nullptr) << decor;
    EXPECT_EQ(PictureAt(def->XIcone, def->YIcone), picture) << decor;
  }
  EXPECT_EQ(PictureAt(2, 2), Picture::kFlee);
  EXPECT_EQ(PictureAt(3, 2), Picture::kAggressive);
  EXPECT_EQ(PictureAt(5, 2), Picture::kReactive);
}

}  // namespace
