// The game screen: edge scrolling, the selection rectangle and the cancel.
#include "ui/zone_game.h"

#include <gtest/gtest.h>

#include <tuple>

#include "frame/poll_IO.h"
#include "support/world.h"
#include "ui/selection.h"

namespace {

class GameScreen : public test::WorldTest {
 protected:
  void Band(int x0, int y0, int x1, int y1) {
    zone.SignalMouseLeftButtonDrag(x0, y0, x1, y1);
    zone.SignalMouseLeftButtonReleased(x1, y1);
  }
  int Selected() const {
    int n = 0;
    for (cSprite* s : SelectedSprites) n += s != nullptr;
    return n;
  }
  Zone_Game zone;
};

TEST_F(GameScreen, TheViewScrollsInTensAndStopsAtTheMapsLastPixels) {
  mouse_x = 636, mouse_y = 200;
  std::vector<int> seen;
  for (int pass = 0; pass < 400; ++pass) {
    ScrollViewport();
    seen.push_back(scroll_x);
  }
  EXPECT_EQ(std::tuple(seen[356], seen[357], seen.back()), std::tuple(3570, 3576, 3576));
  mouse_x = 2;  // towards the left while the origin is at least 10
  for (int from : {10, 9}) {
    scroll_x = from;
    ScrollViewport();
    EXPECT_EQ(scroll_x, from == 10 ? 0 : 9);
  }
  mouse_x = 320, mouse_y = 476;
  scroll_y = 0, ty_map = 20;  // 640 pixels high: 15 steps of 10, then the last 10
  for (int pass = 0; pass < 15; ++pass) ScrollViewport();
  EXPECT_EQ(scroll_y, 150);
  ScrollViewport();
  EXPECT_EQ(scroll_y, 160);
}

TEST_F(GameScreen, TheRectangleSelectsTheFirstTenHumansColumnByColumn) {
  std::vector<cSprite*> units;
  for (int i = 0; i < 11; ++i) units.push_back(Add(HUMAN, GUERR, 1 + i % 4, 1 + i / 4));
  Add(ORC, OGUER, 2, 4);
  Band(33, 33, 200, 200);
  // Column 1 holds units 0, 4, 8; column 2: 1, 5, 9; column 3: 2, 6, 10; column 4: 3, 7.
  std::vector<cSprite*> expected;
  for (int i : {0, 4, 8, 1, 5, 9, 2, 6, 10, 3}) expected.push_back(units[i]);
  EXPECT_EQ(std::vector<cSprite*>(SelectedSprites.begin(), SelectedSprites.end()), expected);
  EXPECT_FALSE(zone.Drag_Active());
}

TEST_F(GameScreen, SmallRectanglesOrcsAndASingleSelectionSelectNothingNew) {
  cSprite* soldier = Add(HUMAN, GUERR, 1, 1);
  cSprite* archer = Add(HUMAN, ARCHE, 2, 1);
  Add(ORC, OGUER, 10, 10);
  Band(30, 30, 49, 100);  // 19 pixels wide
  EXPECT_EQ(Selected(), 0);
  AddToSelection(archer);
  AddToSelection(Add(HUMAN, GUERR, 20, 1));
  Band(300, 300, 400, 400);  // orcs only: the selection stays
  EXPECT_EQ(Selected(), 2);
  ClearSelection();
  AddToSelection(soldier);
  Band(0, 0, 200, 200);
  EXPECT_EQ(Selected(), 1);
  zone.SignalMouseLeftButtonDrag(200, 10, 100, 50);
  EXPECT_EQ(std::tuple(zone.Drag_Rect().x0, zone.Drag_Rect().y1), std::tuple(100, 50));
}

TEST_F(GameScreen, TheRightButtonCancelsSelectionAndPlacement) {
  AddToSelection(Add(HUMAN, GUERR, 1, 1));
  pDefToPlace = GetDefUnit(FERME);
  zone.SignalMouseRightButtonPressed(600, 400);
  EXPECT_EQ(std::tuple(Selected(), pDefToPlace), std::tuple(0, GetDefUnit(VIDE)));
}

}  // namespace
