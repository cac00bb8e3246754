// The mission briefing screen.
#include "ui/Zone_scenario.h"

#include "frame/ddraw_text.h"
#include "frame/ddutil.h"
#include "frame/dix.h"
#include "frame/logfile.h"
#include "frame/main.h"
#include "frame/ticks.h"
#include "ui/zone_game.h"
#include "world/Init_Env.h"
#include "world/map.h"

Zone_Scenario* scenario_zone = nullptr;

namespace {

constexpr int kTextTop = 400;  // rows above stay black: the text rises from below
constexpr int kFirstScroll = 200;
constexpr int kWindowX = 10, kWindowY = 10, kWindowSize = 400;
constexpr DWORD kScrollMs = 50;
constexpr int kWrapMargin = 450;  // past the text's bottom the scroll starts again

}  // namespace

Zone_Scenario::Zone_Scenario()
    : Zone_Interactive(0, 0, 640, 480, nullptr, nullptr),
      play_button("PLAY", Scenario_Play, 500, 420, 100) {
  AddIcone(&play_button);
  ReportDXError("Zone_scenario constructeur de zone_game",
                CreateOffscreenSurface(lpDD, kSurfaceWidth, kSurfaceHeight, &text_surface));
}

Zone_Scenario::~Zone_Scenario() {
  ReleaseSurface(text_surface);
}

void Zone_Scenario::Set_Text(const char* new_text) {
  DDBLTFX fx{};
  fx.dwSize = sizeof(fx);
  fx.dwFillColor = 0;
  ReportDXError("Zone_scenario void Zone_Scenario::Set_Text(char * new_text)",
                text_surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx));
  if (!new_text) {
    text.reset();
    return;
  }
  text = new_text;
  text_height = AfficherTexteMultiLignes(text_surface, text->data(), 0, kTextTop, kSurfaceWidth);
  scroll_pos = kFirstScroll;
}

void Zone_Scenario::Display() {
  Zone_Interactive::Display();
  if (TicksSince(last_scroll_tick) > kScrollMs) {
    ++scroll_pos;
    last_scroll_tick = GetTickCount();
  }
  if (scroll_pos >= text_height + kWrapMargin) scroll_pos = 0;
  // Near the end of a text taller than the surface can show, the source
  // leaves the surface: the blit fails, is reported, and the window stays
  // empty for those passes.
  RECT source{0, scroll_pos, kSurfaceWidth, scroll_pos + kWindowSize};
  RECT dest{kWindowX, kWindowY, kWindowX + kWindowSize, kWindowY + kWindowSize};
  ReportDXError("Zone_scenario void Zone_Scenario::Display()",
                lpDDSBack->Blt(&dest, text_surface, &source, DDBLT_WAIT, nullptr));
}

void InitZoneScenario() {
  delete scenario_zone;
  scenario_zone = new Zone_Scenario();
}

void Scenario_Play() {
  if (current_mission != 3) {
    InitMiniMap();
    scenario_zone->Close();
    current_zone = game_zone;
  } else {
    scenario_zone->Close();
    current_zone = main_menu_zone;
  }
}
