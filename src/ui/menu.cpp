// The intro and the main menu. Until the campaign exists the menu offers
// the two maps made to look at the world (TEST MAP, DEMO MAP), NAME, which
// asks for a text in the input box and shows it, and QUIT, with its
// confirmation.
#include "ui/menu.h"

#include <string>

#include "frame/ddraw_text.h"
#include "frame/ddutil.h"
#include "frame/dix.h"
#include "frame/logfile.h"
#include "frame/main.h"
#include "frame/ticks.h"
#include "ui/Std_Boxes.h"
#include "ui/Zone_Interactive.h"
#include "ui/icone.h"
#include "ui/zone_game.h"
#include "world/Init_Env.h"
#include "world/Saveload.h"
#include "world/decors.h"
#include "world/map.h"

LPDIRECTDRAWSURFACE intro_surface = nullptr;

namespace {

constexpr DWORD kIntroMs = 200;

void Menu_Name();
void Menu_TestMap();
void Menu_DemoMap();

class Main_Menu : public Zone_Interactive {
 public:
  Main_Menu()
      : Zone_Interactive(0, 0, 640, 480, nullptr, menu_surface),
        test_map_button("TEST MAP", Menu_TestMap, 320, 200, 200),
        demo_map_button("DEMO MAP", Menu_DemoMap, 320, 250, 200),
        quit_button("QUIT", Menu_Quit, 380, 400, 80),
        name_button("NAME", Menu_Name, 380, 300, 80) {
    AddIcone(&test_map_button);
    AddIcone(&demo_map_button);
    AddIcone(&quit_button);
    AddIcone(&name_button);
  }

  void Display() override {
    Zone_Interactive::Display();
    if (!box_input || box_input->Last_Text().empty()) return;
    std::string line = "NAME : " + box_input->Last_Text();
    AfficherTexte(line.data(), 320, 340);
  }

 private:
  Icone_Texte test_map_button;
  Icone_Texte demo_map_button;
  Icone_Texte quit_button;
  Icone_Texte name_button;
};

// The input box keeps the validated text; the menu shows it from there.
void KeepName(char*) {}

void Menu_Name() {
  box_input->Show("YOUR NAME", main_menu_zone, KeepName);
}

// A fresh world from a mission file, shown in the game screen, running.
void PlayMap(const char* path) {
  ResetWorld();
  LoadGame(path);
  InitMiniMap();
  game_running = true;
  main_menu_zone->Close();
  current_zone = game_zone;
}

void Menu_TestMap() {
  PlayMap("../missions/test.bin");
}
void Menu_DemoMap() {
  PlayMap("../missions/demo.bin");
}

}  // namespace

void LoadIntro() {
  intro_surface = DDLoadBitmap(lpDD, "../graphics/intro.bmp", 0, 0);
  if (!intro_surface) Fatal_Errors << " impossible to find the file ../graphics/intro.bmp ";
}

void AfficherIntro() {
  ReportDXError("menu void AfficherIntro()",
                lpDDSBack->Blt(nullptr, intro_surface, nullptr, DDBLT_WAIT, nullptr));
  FlipScreen();
  const DWORD start = GetTickCount();
  while (TicksBetween(start, GetTickCount()) <= kIntroMs) {
  }
}

void InitMenu() {
  delete main_menu_zone;
  main_menu_zone = new Main_Menu();
}

void Menu_Quit() {
  box_confirm->Show("DO YOU REALLY WANT TO QUIT THE GAME ?", main_menu_zone, Menu_QuitConfirmed);
}

void Menu_QuitConfirmed() {
  RequestClose();
  main_menu_zone->Close();
  current_zone = nullptr;
}
