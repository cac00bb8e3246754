// Test support: an empty world of a given size.
#include "support/empty_world.h"

#include "ui/money.h"
#include "ui/zone_game.h"
#include "world/Init_Env.h"
#include "world/decors.h"

namespace test {

void ResetWorldTo(int width, int height) {
  tx_map = ty_map = kMapCapacity;
  ResetWorld();
  tx_map = width;
  ty_map = height;
  Money = Wood = MoneyOrc = WoodOrc = 0;
  scroll_x = scroll_y = 0;
  current_mission = 0;
}

}  // namespace test
