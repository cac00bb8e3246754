// Entry point, window, start-up order, main loop and shutdown order.
#include "frame/main.h"

#include "debug/Ddebug_Sprites.h"
#include "frame/ddraw_text.h"
#include "frame/dix.h"
#include "frame/dix8.h"
#include "frame/logs.h"
#include "ui/Std_Boxes.h"
#include "ui/Zone_Interactive.h"
#include "ui/Zone_scenario.h"
#include "ui/edit.h"
#include "ui/menu.h"
#include "ui/selection.h"
#include "ui/zone_game.h"
#include "units/combat.h"
#include "units/weapons.h"
#include "world/Saveload.h"
#include "world/decors.h"
#include "world/sprites.h"
#include "world/sprites_defs.h"

HWND main_window = nullptr;
Zone_Interactive* current_zone = nullptr;
Zone_Interactive* main_menu_zone = nullptr;
bool game_running = false;

namespace {

constexpr char kClassName[] = "Quorvelnn";
constexpr char kWindowTitle[] = "Quorvelnnnnnn";

void StartModules() {
  LoadIntro();
  AfficherIntro();
  ScanSlotNames();
  ChargerEditGame();
  ChargerDecors();
  InitWeapons();
  InitFont();
  InitDefUnits();
  InitEdit();
  InitTableDecors();
  InitBoxes();
  InitZoneGame();
  InitMenu();
  ClearOccupancy();
  ClearCombatGrids();
  ClearSelection();
  InitZoneScenario();
}

void Shutdown() {
  LibererDecors();
  ReleaseDisplay();
  FreeDefUnits();
  FreeEdit();
  PurgeSprites();
  // The window is going away while some zone's loop may still be running (the
  // system closed it): that loop must stop before it draws again, and the main
  // loop must then end.
  if (current_zone) current_zone->Close();
  current_zone = nullptr;
}

}  // namespace

bool doInit(HINSTANCE hInstance, int nCmdShow) {
  WNDCLASS wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = WndProc;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = 0;
  wc.hInstance = hInstance;
  wc.hIcon = LoadIcon(hInstance, IDI_APPLICATION);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = nullptr;
  wc.lpszMenuName = kClassName;
  wc.lpszClassName = kClassName;
  RegisterClass(&wc);

  HWND hwnd = CreateWindowEx(WS_EX_TOPMOST, kClassName, kWindowTitle, WS_POPUP, 0, 0,
                             GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                             nullptr, hInstance, nullptr);
  if (!hwnd) return false;
  main_window = hwnd;
  ShowWindow(hwnd, nCmdShow);
  UpdateWindow(hwnd);

  InstallDirectXBack(hwnd, 640, 480, 16);
  InstallDirectInput8(hInstance, hwnd);
  SetCursor(nullptr);
  StartModules();
  game_running = false;
  return true;
}

int WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
  if (!doInit(hInstance, nCmdShow)) return 0;
  current_zone = main_menu_zone;
  // The game reads no arguments; the port hands over a map file to try,
  // which opens in the game screen instead of the menu.
  if (lpCmdLine && *lpCmdLine) PlayMapFile(lpCmdLine);
  MSG msg{};
  for (;;) {
    if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) break;
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
    if (!current_zone) {
      RequestClose();
    } else {
      current_zone->Run();
    }
  }
  return static_cast<int>(msg.wParam);
}

LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      Shutdown();
      PostQuitMessage(0);
      break;
    case WM_SETCURSOR:
      SetCursor(nullptr);
      return TRUE;
    case WM_KEYDOWN:
      if (wParam == VK_F1) {
        if (cSprite* selected = GetSelectedSprite()) DumpSpriteFull(selected, log_output_F1);
      } else if (wParam == VK_F2) {
        PrintOrcSprites();
      }
      break;
    default:
      break;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

void RequestClose() {
  PostMessage(main_window, WM_CLOSE, 0, 0);
}
