// Orders on the map: the release of pursuers, and the founding of the
// building being placed.
#include "ui/event.h"

#include <gtest/gtest.h>

#include <tuple>

#include "frame/poll_IO.h"
#include "support/world.h"
#include "ui/money.h"
#include "ui/selection.h"
#include "ui/zone_game.h"
#include "units/cPaysan.h"
#include "units/combat.h"

namespace {

class MapOrders : public test::WorldTest {
 protected:
  // A press on the middle of a cell; one off the map is reached through a
  // view that starts left of it.
  static void ClickAt(int x, int y) {
    mouse_x = kCellSize * x + kCellSize / 2 - scroll_x;
    mouse_y = kCellSize * y + kCellSize / 2 - scroll_y;
    SignalClickMap();
  }
  cHumanoide* Selected(DECOR kind, int x, int y) {
    auto* s = static_cast<cHumanoide*>(Add(HUMAN, kind, x, y));
    AddToSelection(s);
    return s;
  }
};

// Those chasing a unit sent away give up unless aggressive; a click on its
// own cell (free while it glides off it) or for a worker on a site moves
// nobody.
TEST_F(MapOrders, OnlyAggressivePursuersKeepChasingAUnitSentAway) {
  cHumanoide* soldier = Selected(GUERR, 5, 5);
  cHumanoide* builder = Selected(PAYSA, 9, 9);
  builder->Tache = RE_CONSTUCTION;
  soldier->AssignerTache(ATTACK, Add(ORC, OPAYS, 6, 6));
  const MODE_AGGRESSIVITY modes[] = {REACTIVE, AGGRESSIVE, FUITE, PASSIVE};
  std::vector<cHumanoide*> pursuers;
  for (MODE_AGGRESSIVITY mode : modes) {
    pursuers.push_back(static_cast<cHumanoide*>(Add(ORC, OGUER, 4 + int(pursuers.size()), 4)));
    pursuers.back()->ModeAggressivity = mode;
    pursuers.back()->AssignerTache(ATTACK, soldier);
  }
  occupancy_grid[CellIndex(5, 5)] = nullptr;
  ClickAt(5, 5);
  EXPECT_EQ(std::tie(soldier->Ordre, pursuers[0]->ActualTarget), std::make_tuple(WAIT, soldier));
  ClickAt(10, 10);
  for (std::size_t i = 0; i < pursuers.size(); ++i) {
    EXPECT_EQ(pursuers[i]->ActualTarget, modes[i] == AGGRESSIVE ? soldier : nullptr) << i;
  }
  ASSERT_NE(soldier->ListOfPeopleWhoAttackMe, nullptr);
  EXPECT_EQ(soldier->ListOfPeopleWhoAttackMe->pNextAttacker, nullptr);
  EXPECT_EQ(std::tie(soldier->Ordre, soldier->ActualTarget), std::make_tuple(GOTO, nullptr));
  EXPECT_EQ(builder->Ordre, WAIT);
}

// Refused (occupied, short of gold or wood, off the map), nothing is paid
// and the placement goes on; founded, it is paid to the last coin.
TEST_F(MapOrders, AFarmIsFoundedOnlyOnFreeCellsOfTheMapAndPaidForExactly) {
  test::ResetWorldTo(20, 10);
  auto* worker = static_cast<cPaysan*>(Selected(PAYSA, 5, 6));
  cDefUnit* farm = GetDefUnit(FERME);
  worker->Construction(farm);
  scroll_x = -100;
  const struct {
    int x, y, gold_short, wood_short;
  } kClicks[] = {{4, 5, 0, 0},  {5, 4, 1, 0},  {5, 4, 0, 1},
                 {19, 2, 0, 0}, {-2, 2, 0, 0}, {5, 4, 0, 0}};
  for (const auto& click : kClicks) {
    Money = farm->CoutOr - click.gold_short;
    Wood = farm->CoutBois - click.wood_short;
    ClickAt(click.x, click.y);
  }
  EXPECT_EQ(std::make_tuple(Money, Wood, pDefToPlace), std::make_tuple(0, 0, nullptr));
  EXPECT_EQ(std::tie(worker->Tache, worker->XBuild, worker->pBatimentEnConstruction),
            std::make_tuple(CONSTUCTION, 5, occupancy_grid[CellIndex(6, 5)]));
  pDefToPlace = farm;  // chosen by a worker no longer the only one selected
  cSprite* soldier = Selected(GUERR, 1, 1);
  Money = Wood = 1000;
  ClickAt(8, 2);
  EXPECT_EQ(std::make_tuple(Money, pDefToPlace, worker->XBuild), std::make_tuple(800, nullptr, 5));
  ClickAt(-3, 2);  // orders off the map: nobody moves
  EXPECT_EQ(soldier->Ordre, WAIT);
}

}  // namespace
