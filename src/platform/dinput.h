// The DirectInput 8 calls the game uses: a system mouse read as buffered
// relative motion and button records, a keyboard read as 256 key states.
#pragma once

#include <cstdint>

#include "platform/win32.h"

struct GUID {
  std::uint32_t data1;
  std::uint16_t data2;
  std::uint16_t data3;
  std::uint8_t data4[8];
};
using REFGUID = const GUID&;
using REFIID = const GUID&;

extern const GUID GUID_SysMouse;
extern const GUID GUID_SysKeyboard;
extern const GUID IID_IDirectInput8A;
extern const GUID DIPROP_BUFFERSIZE;

constexpr DWORD DIRECTINPUT_VERSION = 0x0800;

constexpr HRESULT DI_OK = S_OK;
constexpr HRESULT DI_NOEFFECT = S_FALSE;
constexpr HRESULT DI_BUFFEROVERFLOW = S_FALSE;
constexpr HRESULT DIERR_OTHERAPPHASPRIO =
    static_cast<HRESULT>(static_cast<std::int32_t>(0x80070005U));
constexpr HRESULT DIERR_NOTACQUIRED = static_cast<HRESULT>(static_cast<std::int32_t>(0x8007000CU));
constexpr HRESULT DIERR_INPUTLOST = static_cast<HRESULT>(static_cast<std::int32_t>(0x8007001EU));
constexpr HRESULT DIERR_INVALIDPARAM = E_INVALIDARG;
constexpr HRESULT DIERR_NOINTERFACE = static_cast<HRESULT>(static_cast<std::int32_t>(0x80004002U));
constexpr HRESULT DIERR_DEVICENOTREG = static_cast<HRESULT>(static_cast<std::int32_t>(0x80040154U));

constexpr DWORD DISCL_EXCLUSIVE = 0x00000001;
constexpr DWORD DISCL_NONEXCLUSIVE = 0x00000002;
constexpr DWORD DISCL_FOREGROUND = 0x00000004;
constexpr DWORD DISCL_BACKGROUND = 0x00000008;
constexpr DWORD DIPH_DEVICE = 0;

// Mouse record offsets (the fields of the mouse state).
constexpr DWORD DIMOFS_X = 0;
constexpr DWORD DIMOFS_Y = 4;
constexpr DWORD DIMOFS_Z = 8;
constexpr DWORD DIMOFS_BUTTON0 = 12;
constexpr DWORD DIMOFS_BUTTON1 = 13;

struct DIDEVICEOBJECTDATA {
  DWORD dwOfs;
  DWORD dwData;
  DWORD dwTimeStamp;
  DWORD dwSequence;
  std::uintptr_t uAppData;
};

struct DIPROPHEADER {
  DWORD dwSize;
  DWORD dwHeaderSize;
  DWORD dwObj;
  DWORD dwHow;
};
using LPCDIPROPHEADER = const DIPROPHEADER*;

struct DIPROPDWORD {
  DIPROPHEADER diph;
  DWORD dwData;
};

// Data formats: which device layout a device is read with.
struct DIDATAFORMAT {
  DWORD dwDataSize;
};
using LPCDIDATAFORMAT = const DIDATAFORMAT*;
extern const DIDATAFORMAT c_dfDIMouse;
extern const DIDATAFORMAT c_dfDIKeyboard;

class IDirectInputDevice8 {
 public:
  HRESULT SetDataFormat(LPCDIDATAFORMAT format);
  HRESULT SetCooperativeLevel(HWND hwnd, DWORD flags);
  HRESULT SetEventNotification(HANDLE event);
  HRESULT SetProperty(REFGUID property, LPCDIPROPHEADER header);
  HRESULT Acquire();
  HRESULT Unacquire();
  HRESULT Poll();
  // Takes up to *in_out buffered records (mouse); *in_out becomes the number taken.
  HRESULT GetDeviceData(DWORD record_size, DIDEVICEOBJECTDATA* records, DWORD* in_out, DWORD flags);
  // Fills the immediate state of the device (keyboard: 256 bytes).
  HRESULT GetDeviceState(DWORD size, LPVOID state);
  ULONG Release();

 private:
  friend class IDirectInput8;
  enum class Kind { kMouse, kKeyboard };
  explicit IDirectInputDevice8(Kind kind) : kind_(kind) {}
  bool IsAcquired() const;
  Kind kind_;
  const DIDATAFORMAT* format_ = nullptr;
  bool acquired_ = false;
  unsigned acquired_epoch_ = 0;  // the focus period in which it was acquired
};
using LPDIRECTINPUTDEVICE8 = IDirectInputDevice8*;

class IDirectInput8 {
 public:
  HRESULT CreateDevice(REFGUID device, LPDIRECTINPUTDEVICE8* out, void* outer);
  ULONG Release();

 private:
  friend HRESULT DirectInput8Create(HINSTANCE, DWORD, REFIID, LPVOID*, void*);
  IDirectInput8() = default;
};
using LPDIRECTINPUT8 = IDirectInput8*;

HRESULT DirectInput8Create(HINSTANCE instance, DWORD version, REFIID iid, LPVOID* out, void* outer);

// DirectInput key codes (scan codes of the standard keyboard).
enum : int {
  DIK_ESCAPE = 0x01,
  DIK_1 = 0x02,
  DIK_2 = 0x03,
  DIK_3 = 0x04,
  DIK_4 = 0x05,
  DIK_5 = 0x06,
  DIK_6 = 0x07,
  DIK_7 = 0x08,
  DIK_8 = 0x09,
  DIK_9 = 0x0A,
  DIK_0 = 0x0B,
  DIK_MINUS = 0x0C,
  DIK_EQUALS = 0x0D,
  DIK_BACK = 0x0E,
  DIK_TAB = 0x0F,
  DIK_Q = 0x10,
  DIK_W = 0x11,
  DIK_E = 0x12,
  DIK_R = 0x13,
  DIK_T = 0x14,
  DIK_Y = 0x15,
  DIK_U = 0x16,
  DIK_I = 0x17,
  DIK_O = 0x18,
  DIK_P = 0x19,
  DIK_LBRACKET = 0x1A,
  DIK_RBRACKET = 0x1B,
  DIK_RETURN = 0x1C,
  DIK_LCONTROL = 0x1D,
  DIK_A = 0x1E,
  DIK_S = 0x1F,
  DIK_D = 0x20,
  DIK_F = 0x21,
  DIK_G = 0x22,
  DIK_H = 0x23,
  DIK_J = 0x24,
  DIK_K = 0x25,
  DIK_L = 0x26,
  DIK_SEMICOLON = 0x27,
  DIK_APOSTROPHE = 0x28,
  DIK_GRAVE = 0x29,
  DIK_LSHIFT = 0x2A,
  DIK_BACKSLASH = 0x2B,
  DIK_Z = 0x2C,
  DIK_X = 0x2D,
  DIK_C = 0x2E,
  DIK_V = 0x2F,
  DIK_B = 0x30,
  DIK_N = 0x31,
  DIK_M = 0x32,
  DIK_COMMA = 0x33,
  DIK_PERIOD = 0x34,
  DIK_SLASH = 0x35,
  DIK_RSHIFT = 0x36,
  DIK_MULTIPLY = 0x37,
  DIK_LMENU = 0x38,
  DIK_SPACE = 0x39,
  DIK_CAPITAL = 0x3A,
  DIK_F1 = 0x3B,
  DIK_F2 = 0x3C,
  DIK_F3 = 0x3D,
  DIK_F4 = 0x3E,
  DIK_F5 = 0x3F,
  DIK_F6 = 0x40,
  DIK_F7 = 0x41,
  DIK_F8 = 0x42,
  DIK_F9 = 0x43,
  DIK_F10 = 0x44,
  DIK_NUMLOCK = 0x45,
  DIK_SCROLL = 0x46,
  DIK_NUMPAD7 = 0x47,
  DIK_NUMPAD8 = 0x48,
  DIK_NUMPAD9 = 0x49,
  DIK_SUBTRACT = 0x4A,
  DIK_NUMPAD4 = 0x4B,
  DIK_NUMPAD5 = 0x4C,
  DIK_NUMPAD6 = 0x4D,
  DIK_ADD = 0x4E,
  DIK_NUMPAD1 = 0x4F,
  DIK_NUMPAD2 = 0x50,
  DIK_NUMPAD3 = 0x51,
  DIK_NUMPAD0 = 0x52,
  DIK_DECIMAL = 0x53,
  DIK_F11 = 0x57,
  DIK_F12 = 0x58,
  DIK_NUMPADENTER = 0x9C,
  DIK_RCONTROL = 0x9D,
  DIK_DIVIDE = 0xB5,
  DIK_RMENU = 0xB8,
  DIK_HOME = 0xC7,
  DIK_UP = 0xC8,
  DIK_PRIOR = 0xC9,
  DIK_LEFT = 0xCB,
  DIK_RIGHT = 0xCD,
  DIK_END = 0xCF,
  DIK_DOWN = 0xD0,
  DIK_NEXT = 0xD1,
  DIK_INSERT = 0xD2,
  DIK_DELETE = 0xD3,
};
