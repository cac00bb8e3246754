// The zone framework.
#include "ui/Zone_Interactive.h"

#include <algorithm>

#include "frame/dix.h"
#include "frame/logs.h"
#include "frame/poll_IO.h"
#include "frame/souris.h"
#include "platform/dinput.h"
#include "ui/icone.h"

namespace {

constexpr const char kDisplayContext[] = "zone_interactive void Zone_Interactive::Display()";

}  // namespace

Zone_Interactive::Zone_Interactive(std::uint32_t x, std::uint32_t y, std::uint32_t width,
                                   std::uint32_t height, Zone_Interactive* parent_zone,
                                   LPDIRECTDRAWSURFACE background)
    : child_zone(nullptr),
      icon_map(std::size_t(width) * height, nullptr),
      icones{},
      parent_zone(parent_zone),
      background(background),
      end_requested(false),
      x(x),
      y(y),
      width(width),
      height(height) {}

bool Zone_Interactive::PumpOneMessage() {
  MSG msg;
  if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) return true;
  if (msg.message == WM_QUIT) {
    PostQuitMessage(static_cast<int>(msg.wParam));
    return false;
  }
  TranslateMessage(&msg);
  DispatchMessage(&msg);
  return !end_requested;
}

void Zone_Interactive::Run() {
  while (!end_requested) {
    if (!PumpOneMessage()) break;
    PollMouse();
    PollKeyboard();
    Display();
    DisplaySubZones();
    Afficher_Souris();
    FlipScreen();
  }
  end_requested = false;
}

void Zone_Interactive::DisplaySubZones() {
  for (Zone_Interactive* zone = child_zone; zone; zone = zone->child_zone) zone->Display();
}

void Zone_Interactive::SignalMouseLeftButtonPressed(int xmouse, int ymouse) {
  PressAt(xmouse, ymouse);
}

// The press goes to the deepest sub-zone, which tests its own rectangle.
void Zone_Interactive::PressAt(int px, int py) {
  if (child_zone) {
    child_zone->PressAt(px, py);
    return;
  }
  const auto ux = static_cast<std::uint32_t>(px);
  const auto uy = static_cast<std::uint32_t>(py);
  if (ux < x || ux >= x + width || uy < y || uy >= y + height) return;
  if (Icone* icone = icon_map[(ux - x) + std::size_t(uy - y) * width]) {
    icone->SignalClick(int(ux - x), int(uy - y));
  }
}

void Zone_Interactive::SignalMouseLeftButtonReleased(int, int) {}
void Zone_Interactive::SignalMouseLeftButtonDoubleClick(int, int) {}
void Zone_Interactive::SignalMouseRightButtonPressed(int, int) {}
void Zone_Interactive::SignalMouseLeftButtonDrag(int, int, int, int) {}

void Zone_Interactive::Display() {
  if (background) {
    ReportDXError(kDisplayContext,
                  lpDDSBack->Blt(nullptr, background, nullptr, DDBLT_WAIT, nullptr));
  } else {
    RECT rect{LONG(x), LONG(y), LONG(x + width), LONG(y + height)};
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwFillColor = 0;
    const HRESULT hr = lpDDSBack->Blt(&rect, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
    ReportDXError(kDisplayContext, hr);
    if (hr != 0) {
      log_Zone_Interactive << "rect : " << int(x) << "," << int(y) << "  " << int(x + width) << ","
                           << int(y + height) << "\n";
    }
  }
  DisplayIcones();
}

void Zone_Interactive::DisplayIcones() {
  for (Icone* icone : icones) {
    if (icone) icone->Afficher(lpDDSBack, int(x), int(y));
  }
}

void Zone_Interactive::SignalKey(unsigned char key) {
  if (key == DIK_ESCAPE) {
    log_Zone_Interactive << "Touche escape reconnue !!!! \n";
    Close();
  }
}

void Zone_Interactive::MapIcon(Icone* icone, bool report_outside) {
  const std::uint32_t ix = icone->Get_X(), iy = icone->Get_Y();
  const bool at_origin = ix == 0 && iy == 0;
  for (std::uint32_t py = iy; py < iy + icone->Get_Height(); ++py) {
    for (std::uint32_t px = ix; px < ix + icone->Get_Width(); ++px) {
      if (px < width && py < height) {
        icon_map[px + std::size_t(py) * width] = icone;
      } else if (report_outside && !at_origin) {
        Fatal_Errors << unsigned(ix) << "," << unsigned(iy) << " pas sur la zone ! \n";
      }
    }
  }
}

bool Zone_Interactive::AddIcone(Icone* new_icone) {
  auto slot = std::find(icones.begin(), icones.end(), nullptr);
  if (slot == icones.end()) {
    Fatal_Errors << "Zone_Interactive bool Zone_Interactive::AddIcone(Icone * new_icone)\n"
                 << "no free case for a new icone...\n";
    return false;
  }
  *slot = new_icone;
  if (new_icone) MapIcon(new_icone, true);
  return true;
}

void Zone_Interactive::RemoveIcone(Icone* icone) {
  auto slot = std::find(icones.begin(), icones.end(), icone);
  if (!icone || slot == icones.end()) return;
  *slot = nullptr;
  std::replace(icon_map.begin(), icon_map.end(), icone, static_cast<Icone*>(nullptr));
}

void Zone_Interactive::SetWidth(std::uint32_t new_width) {
  width = new_width;
  icon_map.assign(std::size_t(width) * height, nullptr);
  for (Icone* icone : icones) {
    if (icone) MapIcon(icone, false);
  }
}

void Zone_Interactive::OpenSubZone(Zone_Interactive* child) {
  child_zone = child;
  if (child) child->parent_zone = this;
}

void Zone_Interactive::Close() {
  end_requested = true;
  if (parent_zone) parent_zone->child_zone = nullptr;
}

void Zone_Interactive::SignalKeyToActiveZone(unsigned char key) {
  Zone_Interactive* zone = this;
  while (zone->child_zone) zone = zone->child_zone;
  zone->SignalKey(key);
}

Icone* Zone_Interactive::IconAt(std::uint32_t px, std::uint32_t py) const {
  if (px >= width || py >= height) return nullptr;
  return icon_map[px + std::size_t(py) * width];
}
