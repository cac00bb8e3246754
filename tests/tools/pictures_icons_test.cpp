// The panel's pictures: a picture at every place of the icon sheet that a
// kind or a command names; the interface's training bar, which the game
// cuts out of its corner at every width.
#include <gtest/gtest.h>

#include <utility>

#include "pictures/icon_layout.h"
#include "pictures/interface_layout.h"
#include "pictures/palette.h"
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

TEST(PictureInterface, TrainingBarFillShowsAtEveryWidthOverItsTrough) {
  const platform::Image& ui = test::DrawnSheet("edit_game.bmp");
  const pictures::Rect fill = pictures::interface_layout::kBarFill;
  const pictures::Rect trough = pictures::interface_layout::kBarTrough;
  EXPECT_EQ(trough.w, fill.w);
  EXPECT_EQ(trough.h, fill.h);
  for (int row = 0; row < fill.h; ++row) {
    const std::uint32_t colour = ui.at(fill.x, fill.y + row);
    EXPECT_NE(colour, pictures::palette::kBlack);
    for (int x = fill.x; x < fill.Right(); ++x) {
      ASSERT_EQ(ui.at(x, fill.y + row), colour) << "the fill is cut at any column";
      EXPECT_NE(ui.at(trough.x + x, trough.y + row), colour) << "filled and empty look alike";
    }
  }
  const pictures::Rect frame = pictures::interface_layout::kBarFrame;
  EXPECT_GT(
      test::CountOther(ui, {frame.x + 1, frame.y + 1, frame.w - 2, 1}, pictures::palette::kBlack),
      frame.w - 4);
}

}  // namespace
