// The few Win32 types, messages and calls the game is written against:
// window class and window, the message queue, the tick count, debugger output.
#pragma once

#include <cstdint>

using BYTE = unsigned char;
using WORD = unsigned short;
using DWORD = unsigned long;  // distinct from unsigned int: the logs print them differently
using LONG = long;
using UINT = unsigned int;
using BOOL = int;
using ATOM = WORD;
using HRESULT = long;  // distinct from int: the logs print it by its symbolic name
using ULONG = unsigned long;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = DWORD;
using LPVOID = void*;
using LPCSTR = const char*;
using LPSTR = char*;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

struct HWND__;
struct HINSTANCE__;
struct HICON__;
struct HCURSOR__;
struct HBRUSH__;
struct HMENU__;
using HWND = HWND__*;
using HINSTANCE = HINSTANCE__*;
using HICON = HICON__*;
using HCURSOR = HCURSOR__*;
using HBRUSH = HBRUSH__*;
using HMENU = HMENU__*;
using HANDLE = void*;  // as without STRICT: any handle converts with static_cast
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
using LPRECT = RECT*;

struct POINT {
  LONG x;
  LONG y;
};

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASS {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCSTR lpszMenuName;
  LPCSTR lpszClassName;
};

// Messages.
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_KEYDOWN = 0x0100;

// Virtual keys that arrive as messages.
constexpr WPARAM VK_RETURN = 0x0D;
constexpr WPARAM VK_F1 = 0x70;
constexpr WPARAM VK_F2 = 0x71;

// Styles and flags.
constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr DWORD WS_POPUP = 0x80000000UL;
constexpr DWORD WS_EX_TOPMOST = 0x00000008UL;
constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SW_SHOW = 5;
inline const LPCSTR IDI_APPLICATION = reinterpret_cast<LPCSTR>(32512);
inline const LPCSTR IDC_ARROW = reinterpret_cast<LPCSTR>(32512);

// Generic result codes.
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(static_cast<std::int32_t>(0x80004005U));
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(static_cast<std::int32_t>(0x80070057U));
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(static_cast<std::int32_t>(0x8007000EU));
constexpr bool SUCCEEDED(HRESULT hr) {
  return hr >= 0;
}
constexpr bool FAILED(HRESULT hr) {
  return hr < 0;
}

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
         (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
  return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
  return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
  return static_cast<BYTE>((c >> 16) & 0xFF);
}

// Window class and window.
ATOM RegisterClass(const WNDCLASS* wc);
HWND CreateWindowEx(DWORD ex_style, LPCSTR class_name, LPCSTR title, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                    LPVOID param);
BOOL ShowWindow(HWND hwnd, int cmd_show);
BOOL UpdateWindow(HWND hwnd);
BOOL DestroyWindow(HWND hwnd);
int GetSystemMetrics(int index);
HICON LoadIcon(HINSTANCE instance, LPCSTR name);
HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name);
HCURSOR SetCursor(HCURSOR cursor);

// The message queue.
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filter_min, UINT filter_max, UINT remove);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
BOOL PostMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
void PostQuitMessage(int exit_code);
LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Kernel.
DWORD GetTickCount();
void OutputDebugStringA(LPCSTR text);
HANDLE CreateEvent(LPSECURITY_ATTRIBUTES attributes, BOOL manual_reset, BOOL initial_state,
                   LPCSTR name);
