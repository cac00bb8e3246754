// Mouse and keyboard polling and the click logic.
#include "frame/poll_IO.h"

#include <array>

#include "frame/dix8.h"
#include "frame/main.h"
#include "frame/ticks.h"
#include "ui/Zone_Interactive.h"

int mouse_x = 320;
int mouse_y = 200;
bool left_down = false;
bool right_down = false;
int press_x = 0;
int press_y = 0;
bool first_click_pending = false;
DWORD last_press_time = 0;
int last_key = -1;
DWORD last_key_scan = 0;

void PollMouse() {
  if (!lpDIMouse) return;  // a device that could not be created is not read
  if (FAILED(lpDIMouse->Acquire())) OutputDebugStringA("refus d'acquerir ici\n");
  lpDIMouse->Poll();
  std::array<DIDEVICEOBJECTDATA, kMouseRecordsPerPoll> records{};
  DWORD count = kMouseRecordsPerPoll;
  lpDIMouse->GetDeviceData(sizeof(DIDEVICEOBJECTDATA), records.data(), &count, 0);

  if (count == 0 && left_down) CallbackLeftButtonHeld();
  if (first_click_pending && TicksBetween(last_press_time, GetTickCount()) > kDoubleClickMs) {
    first_click_pending = false;
  }
  for (DWORD i = 0; i < count && i < kMouseRecordsPerPoll; ++i) {
    const DIDEVICEOBJECTDATA& record = records[i];
    const bool pressed = record.dwData & 0x80;
    switch (record.dwOfs) {
      case DIMOFS_BUTTON0:
        pressed ? CallbackButtonLeftPressed() : CallbackButtonLeftReleased();
        break;
      case DIMOFS_BUTTON1:
        pressed ? CallbackButtonRightPressed() : CallbackButtonRightReleased();
        break;
      case DIMOFS_X:
        DeplacerSouris(static_cast<int>(record.dwData), 0);
        break;
      case DIMOFS_Y:
        DeplacerSouris(0, static_cast<int>(record.dwData));
        break;
      default:
        break;  // wheel and further buttons
    }
  }
}

void PollKeyboard() {
  if (!lpDIKeyboard) return;
  std::array<BYTE, 256> keys{};
  lpDIKeyboard->Acquire();
  lpDIKeyboard->GetDeviceState(DWORD(keys.size()), keys.data());
  if (last_key >= 0 && last_key <= 255 && !(keys[last_key] & 0x80)) last_key = -1;

  const DWORD now = GetTickCount();
  if (TicksBetween(last_key_scan, now) <= kKeyScanMs) return;
  last_key_scan = now;
  for (int k = 0; k < 256; ++k) {
    if ((keys[k] & 0x80) && current_zone && k != last_key) {
      current_zone->SignalKeyToActiveZone(static_cast<unsigned char>(k));
      last_key = k;
    }
  }
}

void CallbackButtonLeftPressed() {
  left_down = true;
  press_x = mouse_x;
  press_y = mouse_y;
  const bool double_click =
      first_click_pending && TicksBetween(last_press_time, GetTickCount()) <= kDoubleClickMs;
  first_click_pending = true;  // a double click keeps it pending
  if (current_zone) {
    if (double_click) {
      current_zone->SignalMouseLeftButtonDoubleClick(mouse_x, mouse_y);
    } else {
      current_zone->SignalMouseLeftButtonPressed(mouse_x, mouse_y);
    }
  }
  last_press_time = GetTickCount();
}

void CallbackButtonLeftReleased() {
  left_down = false;
  if (current_zone) current_zone->SignalMouseLeftButtonReleased(mouse_x, mouse_y);
}

void CallbackButtonRightPressed() {
  right_down = true;
  if (current_zone) current_zone->SignalMouseRightButtonPressed(mouse_x, mouse_y);
}

void CallbackButtonRightReleased() {
  right_down = false;
}

void CallbackLeftButtonHeld() {
  if (current_zone) current_zone->SignalMouseLeftButtonDrag(press_x, press_y, mouse_x, mouse_y);
}

void DeplacerSouris(int dx, int dy) {
  // Wide arithmetic: the counts come from the device and are not bounded.
  const long long nx = mouse_x + 2LL * dx;
  const long long ny = mouse_y + 2LL * dy;
  if (nx < 0) {
    mouse_x = 0;
  } else if (nx >= 637) {
    mouse_x = 636;
  } else if (ny < 0) {
    mouse_y = 0;
  } else if (ny >= 477) {
    mouse_y = 476;
  } else {
    mouse_x = int(nx);
    mouse_y = int(ny);
  }
}
