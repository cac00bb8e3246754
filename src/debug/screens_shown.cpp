// The screens shown, counted.
#include "debug/screens_shown.h"

#include <fstream>

#include "frame/main.h"
#include "ui/Menu_Save_Load.h"
#include "ui/Std_Boxes.h"
#include "ui/Zone_Interactive.h"
#include "ui/Zone_scenario.h"
#include "ui/selection.h"
#include "ui/zone_game.h"

const char* ShownScreen() {
  if (!current_zone) return "none";
  const Zone_Interactive* zone = current_zone;
  while (zone->Get_Child()) zone = zone->Get_Child();
  if (zone == box_confirm) return "quit box";
  if (zone == box_message) return "victory box";
  if (zone == box_info) return "information box";
  if (zone == box_input) return "name box";
  if (zone == save_zone) return "save screen";
  if (zone == load_zone) return "load screen";
  if (zone == scenario_zone) return "briefing";
  if (zone == game_zone) return GetSelectedSprite() ? "game with a panel" : "game";
  if (zone == main_menu_zone) return "main menu";
  return "other";
}

void ScreenTally::Present(const std::uint16_t* pixels, int pitch_bytes) {
  ++frames_[ShownScreen()];
  BackendFilter::Present(pixels, pitch_bytes);
}

bool ScreenTally::Write(const std::string& path) const {
  std::ofstream out(path);
  for (const auto& [screen, frames] : frames_) out << screen << ": " << frames << "\n";
  return bool(out);
}
