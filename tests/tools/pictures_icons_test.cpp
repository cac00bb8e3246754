// The icon sheet: a picture at every place a kind or a command names, the
// portrait within it drawn to its edges.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <utility>

#include "pictures/icon_layout.h"
#include "pictures/palette.h"
#include "tools/drawn_sheets.h"
#include "world/sprites_defs.h"

namespace {

namespace layout = pictures::icon_sheet;
using layout::Picture;
using pictures::Rect;

const platform::Image& Icons() {
  return test::DrawnSheet("icones.bmp");
}

Picture PictureAt(int column, int row) {
  for (const layout::Place& place : layout::kPlaces) {
    if (place.column == column && place.row == row) return place.picture;
  }
  return Picture::kEmpty;
}

int Colours(const platform::Image& image, const Rect& r) {
  std::set<std::uint32_t> colours;
  for (int y = r.y; y < r.Bottom(); ++y) {
    for (int x = r.x; x < r.Right(); ++x) colours.insert(image.at(x, y));
  }
  return int(colours.size());
}

// The four one-pixel edges of a rectangle.
std::array<Rect, 4> Edges(const Rect& r) {
  return {Rect{r.x, r.y, r.w, 1}, Rect{r.x, r.Bottom() - 1, r.w, 1}, Rect{r.x, r.y, 1, r.h},
          Rect{r.Right() - 1, r.y, 1, r.h}};
}

bool IsBlack(std::uint32_t c) {
  return c == pictures::palette::kBlack;
}

// Each place holds a portrait that covers its whole rectangle: none of its
// edges is left black, as a picture drawn off its place or too small would
// leave it.
TEST(PictureIcons, EveryPlaceHoldsAPortraitReachingItsEdges) {
  const platform::Image& icons = Icons();
  for (const layout::Place& place : layout::kPlaces) {
    const Rect portrait = layout::PortraitRect(place.column, place.row);
    EXPECT_GT(Colours(icons, portrait), 4) << place.column << "," << place.row;
    for (const Rect& edge : Edges(portrait)) {
      EXPECT_LT(test::CountIn(icons, edge, IsBlack), (edge.w + edge.h) / 2)
          << place.column << "," << place.row;
    }
  }
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
