// Set-up of the mouse and keyboard devices.
#include "frame/dix8.h"

#include <string>

#include "frame/logfile.h"

LPDIRECTINPUT8 lpDI8 = nullptr;
LPDIRECTINPUTDEVICE8 lpDIMouse = nullptr;
LPDIRECTINPUTDEVICE8 lpDIKeyboard = nullptr;
HANDLE mouse_event = nullptr;

namespace {

constexpr DWORD kMouseBufferSize = 16;

void Report(const char* step, HRESULT hr) {
  const std::string context =
      std::string("dix8 void InstallDirectInput8(HINSTANCE hinst,HWND hwnd) ") + step;
  ReportDXError(context.c_str(), hr);
}

// A step on an object that could not be made (the DirectInput object, a
// device) fails like any other call, and the next step runs.
template <typename Object, typename Call>
HRESULT OnObject(Object* object, Call call) {
  return object ? call(*object) : DIERR_INVALIDPARAM;
}

}  // namespace

void InstallDirectInput8(HINSTANCE hinst, HWND hwnd) {
  LPVOID created = nullptr;
  Report("DirectInput8Create",
         DirectInput8Create(hinst, DIRECTINPUT_VERSION, IID_IDirectInput8A, &created, nullptr));
  lpDI8 = static_cast<LPDIRECTINPUT8>(created);
  Report("CreateDevice mouse", OnObject(lpDI8, [](auto& di) {
           return di.CreateDevice(GUID_SysMouse, &lpDIMouse, nullptr);
         }));
  Report("CreateDevice keyboard", OnObject(lpDI8, [](auto& di) {
           return di.CreateDevice(GUID_SysKeyboard, &lpDIKeyboard, nullptr);
         }));
  Report("SetDataFormat mouse",
         OnObject(lpDIMouse, [](auto& d) { return d.SetDataFormat(&c_dfDIMouse); }));
  Report("SetDataFormat keyboard",
         OnObject(lpDIKeyboard, [](auto& d) { return d.SetDataFormat(&c_dfDIKeyboard); }));
  Report("SetCooperativeLevel", OnObject(lpDIKeyboard, [hwnd](auto& d) {
           return d.SetCooperativeLevel(hwnd, DISCL_NONEXCLUSIVE | DISCL_FOREGROUND);
         }));
  Report("SetCooperativeLevel", OnObject(lpDIMouse, [hwnd](auto& d) {
           return d.SetCooperativeLevel(hwnd, DISCL_EXCLUSIVE | DISCL_FOREGROUND);
         }));

  mouse_event = CreateEvent(nullptr, FALSE, FALSE, nullptr);
  if (!mouse_event) {
    ReportDXMessage(
        "dix8 void InstallDirectInput8(HINSTANCE hinst,HWND hwnd) : impossible to create the event "
        "associated to the mouse");
  }
  Report("SetEventNotification mouse",
         OnObject(lpDIMouse, [](auto& d) { return d.SetEventNotification(mouse_event); }));

  DIPROPDWORD property{};
  property.diph.dwSize = 20;
  property.diph.dwHeaderSize = 16;
  property.diph.dwObj = 0;
  property.diph.dwHow = DIPH_DEVICE;
  property.dwData = kMouseBufferSize;
  Report("SetProperty mouse", OnObject(lpDIMouse, [&property](auto& d) {
           return d.SetProperty(DIPROP_BUFFERSIZE, &property.diph);
         }));
}
