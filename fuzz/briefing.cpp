// Fuzz target: the briefing file, read as each mission's start reads it.
#include "targets.h"
#include "ui/Zone_scenario.h"
#include "world/Init_Env.h"

namespace fuzz {

void Briefing(const std::uint8_t* data, std::size_t size) {
  StartGame();
  WriteInput("../common_bin/scenario.sc", data, size);
  for (int k = 1; k <= 3; ++k) {
    scenario_zone->Set_Text(LireTexteScenario(k).get());
    scenario_zone->Display();
  }
}

}  // namespace fuzz
