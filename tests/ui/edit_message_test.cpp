// The panel's timed message, the table of panel descriptions and clicks on
// the panel's cells.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "frame/ddraw_text.h"
#include "frame/dix.h"
#include "support/scratch.h"
#include "support/surfaces.h"
#include "ui/edit.h"
#include "ui/money.h"
#include "ui/selection.h"
#include "units/cBatiment.h"
#include "world/sprites_defs.h"

namespace {

// Text drawn with a font whose every glyph is one colour, over a white back
// buffer, on the machine's virtual clock.
class PanelMessage : public ::testing::Test {
 protected:
  static constexpr std::uint16_t kInk = 0x1234, kWhite = 0xFFFF;

  PanelMessage() {
    InitFont();
    InitDefUnits();
    InitEdit();
    font_surface = surfaces.Make(640, 48);
    test::Fill(font_surface, kInk);
    test::Fill(lpDDSBack, kWhite);
  }
  ~PanelMessage() override {
    FreeEdit();
    FreeDefUnits();
    font_surface = nullptr;
  }
  // A pixel inside the first letter of a text drawn at (530, 150).
  static bool Shown() { return lpDDSBack.get()->PixelAt(535, 155) == kInk; }
  void Advance(int ms) { machine.backend().AdvanceClock(std::uint64_t(ms)); }

  test::ScratchTree tree;
  test::Machine machine;
  test::SurfaceFactory surfaces;
};

// A message never drawn outlives its time; one drawn shows until its time is
// over and goes at the first drawing after.
TEST_F(PanelMessage, ShowsUntilItsTimeIsOverAndGoesAtTheFirstDrawingAfter) {
  cEditMessage message;
  std::string posted = "no money";
  message.SetMessage(posted.c_str(), 530, 150, 2000);
  posted = "changed";  // the message keeps its own copy
  Advance(60000);
  ASSERT_TRUE(message.text);
  EXPECT_STREQ(message.text.get(), "no money");
  message.SetMessage("NO WOOD", 530, 150, 2000);  // a new message, a new start
  Advance(1999);
  message.Afficher(lpDDSBack);
  EXPECT_TRUE(Shown());
  test::Fill(lpDDSBack, kWhite);
  Advance(1);
  message.Afficher(lpDDSBack);
  EXPECT_EQ(std::tuple(Shown(), bool(message.text)), std::tuple(false, false));
}

TEST_F(PanelMessage, OnlyTheHallsPanelDrawsAndTimesOutItsMessage) {
  for (DECOR kind : {FERME, BARRA, PAYSA}) {
    DescEditOf(kind)->message.SetMessage("OIOIOI", 530, 150, 2000);
    Advance(5000);
    DescEditOf(kind)->Afficher();
    EXPECT_EQ(std::tuple(Shown(), bool(DescEditOf(kind)->message.text)), std::tuple(false, true))
        << GetStringFromDECOR(kind);
  }
  for (DECOR kind : {HALL1, OHALL}) {
    test::Fill(lpDDSBack, kWhite);
    DescEditOf(kind)->message.SetMessage("NO FOOD", 530, 150, 2000);
    DescEditOf(kind)->Afficher();
    EXPECT_TRUE(Shown()) << GetStringFromDECOR(kind);
  }
}

// A cell's four edges belong to it; the icon checks the treasury first, so
// a barrack short of gold says nothing.
TEST_F(PanelMessage, AClickTrainsWhatTheCellUnderItHoldsWhenTheTreasuryCoversIt) {
  auto* barrack = static_cast<cBatiment*>(AjouterSprite(HUMAN, BARRA, 2, 2));
  AddToSelection(barrack);
  cDefUnit *soldier = GetDefUnit(GUERR), *archer = GetDefUnit(ARCHE);
  const struct {
    int x, y, gold;
    cDefUnit* trained;
  } kClicks[] = {{576, 286, 27, soldier}, {577, 250, 999, nullptr}, {579, 286, 999, nullptr},
                 {580, 246, 999, archer}, {550, 287, 999, nullptr}, {528, 246, 26, nullptr}};
  for (const auto& click : kClicks) {
    Money = click.gold;
    Wood = 999;
    barrack->pDefEnConstruction = nullptr;
    ClickEdit(click.x, click.y);
    EXPECT_EQ(barrack->pDefEnConstruction, click.trained) << click.x << "," << click.y;
  }
  EXPECT_FALSE(barrack->pDesc->message.text);
  ClearSelection();
  PurgeSprites();
  ClearOccupancy();
}

}  // namespace
