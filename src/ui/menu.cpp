// The intro and the main menu.
#include "ui/menu.h"

#include "frame/ddutil.h"
#include "frame/dix.h"
#include "frame/logfile.h"
#include "frame/main.h"
#include "frame/ticks.h"
#include "ui/Menu_Save_Load.h"
#include "ui/Std_Boxes.h"
#include "ui/Zone_Interactive.h"
#include "ui/Zone_scenario.h"
#include "ui/icone.h"
#include "ui/zone_game.h"
#include "world/Init_Env.h"
#include "world/Saveload.h"
#include "world/decors.h"
#include "world/map.h"

LPDIRECTDRAWSURFACE intro_surface = nullptr;
Icone_Texte* menu_play_button = nullptr;

namespace {

constexpr DWORD kIntroMs = 200;

// The menu holds its buttons; PLAY is added only once a game exists.
class Main_Menu : public Zone_Interactive {
 public:
  Main_Menu()
      : Zone_Interactive(0, 0, 640, 480, nullptr, menu_surface),
        new_campaign_button("NEW CAMPAIGN", Menu_NewCampaign, 320, 200, 200),
        play_button("PLAY", Menu_Play, 320, 250, 200),
        quit_button("QUIT", Menu_Quit, 380, 400, 80),
        load_button("LOAD", Menu_Load, 380, 300, 80),
        save_button("SAVE", Menu_Save, 380, 340, 80) {
    AddIcone(&new_campaign_button);
    AddIcone(&quit_button);
    AddIcone(&load_button);
    AddIcone(&save_button);
    menu_play_button = &play_button;
  }

 private:
  Icone_Texte new_campaign_button;
  Icone_Texte play_button;
  Icone_Texte quit_button;
  Icone_Texte load_button;
  Icone_Texte save_button;
};

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
  while (TicksBetween(start, GetTickCount()) < kIntroMs) {
  }
}

void InitMenu() {
  delete main_menu_zone;
  main_menu_zone = new Main_Menu();
  InitSaveLoadZones();
}

void Menu_NewCampaign() {
  CloseBoxOverGame();
  StartMission1();
  game_running = true;
  main_menu_zone->Close();
  current_zone = scenario_zone;
  main_menu_zone->AddIcone(menu_play_button);
}

void Menu_Play() {
  main_menu_zone->Close();
  current_zone = game_zone;
}

void Menu_Quit() {
  box_confirm->Show("DO YOU REALLY WANT TO QUIT THE GAME ?", main_menu_zone, Menu_QuitConfirmed);
}

void Menu_QuitConfirmed() {
  RequestClose();
  main_menu_zone->Close();
  current_zone = nullptr;
}

void Menu_Load() {
  main_menu_zone->OpenSubZone(load_zone);
}

void Menu_Save() {
  if (game_running) {
    main_menu_zone->OpenSubZone(save_zone);
  } else {
    box_info->Show("NO GAME TO SAVE", main_menu_zone);
  }
}

void CloseBoxOverGame() {
  if (Zone_Interactive* box = game_zone->Get_Child()) box->Close();
}

void StartGameFromFile(const std::string& path) {
  CloseBoxOverGame();
  ResetWorld();
  LoadGame(path);
  InitMiniMap();
  game_running = true;
  main_menu_zone->AddIcone(menu_play_button);
}

void PlayMapFile(const char* path) {
  StartGameFromFile(path);
  current_zone = game_zone;
}
