// The Win32 look-alike: one window class registry, one window, a message
// queue with WM_QUIT delivered once the queue is empty, the tick count.
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/system.h"

struct HWND__ {
  WNDPROC proc = nullptr;
  bool alive = false;
};

namespace {

struct RegisteredClass {
  std::string name;
  WNDPROC proc;
};

struct MessageSystem {
  std::vector<RegisteredClass> classes;
  HWND__ window;
  std::deque<MSG> queue;
  bool quit_pending = false;
  int quit_code = 0;
  HCURSOR cursor = nullptr;
};

MessageSystem& System() {
  static MessageSystem system;
  return system;
}

bool IsLive(HWND hwnd) {
  return hwnd == &System().window && hwnd->alive;
}

// Stand-ins for the stock icon and cursor handles.
HICON__* StockIcon() {
  static char icon;
  return reinterpret_cast<HICON__*>(&icon);
}
HCURSOR__* StockCursor() {
  static char cursor;
  return reinterpret_cast<HCURSOR__*>(&cursor);
}

}  // namespace

namespace platform {
HWND LiveWindow() {
  return IsLive(&System().window) ? &System().window : nullptr;
}
}  // namespace platform

ATOM RegisterClass(const WNDCLASS* wc) {
  if (!wc || !wc->lpszClassName || !wc->lpfnWndProc) return 0;
  auto& classes = System().classes;
  for (const auto& c : classes) {
    if (c.name == wc->lpszClassName) return 0;  // already registered
  }
  classes.push_back({wc->lpszClassName, wc->lpfnWndProc});
  return static_cast<ATOM>(classes.size());
}

HWND CreateWindowEx(DWORD, LPCSTR class_name, LPCSTR title, DWORD, int, int, int, int, HWND, HMENU,
                    HINSTANCE, LPVOID) {
  MessageSystem& system = System();
  if (!class_name || system.window.alive) return nullptr;  // one window only
  for (const auto& c : system.classes) {
    if (c.name != class_name) continue;
    if (!platform::CurrentBackend().Open(title ? title : "")) return nullptr;
    system.window.proc = c.proc;
    system.window.alive = true;
    return &system.window;
  }
  return nullptr;
}

BOOL ShowWindow(HWND hwnd, int) {
  return IsLive(hwnd) ? TRUE : FALSE;
}
BOOL UpdateWindow(HWND hwnd) {
  return IsLive(hwnd) ? TRUE : FALSE;
}

BOOL DestroyWindow(HWND hwnd) {
  if (!IsLive(hwnd)) return FALSE;
  hwnd->proc(hwnd, WM_DESTROY, 0, 0);
  hwnd->alive = false;
  // Messages posted to a window that no longer exists are never delivered.
  std::erase_if(System().queue, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
  platform::CurrentBackend().Close();
  return TRUE;
}

int GetSystemMetrics(int index) {
  if (index == SM_CXSCREEN) return platform::kScreenWidth;
  if (index == SM_CYSCREEN) return platform::kScreenHeight;
  return 0;
}

HICON LoadIcon(HINSTANCE, LPCSTR) {
  return StockIcon();
}
HCURSOR LoadCursor(HINSTANCE, LPCSTR) {
  return StockCursor();
}

// The system cursor never shows over the game's window whatever is set here:
// the backends hide it for good and the game draws its own.
HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR previous = System().cursor;
  System().cursor = cursor;
  return previous;
}

BOOL PeekMessage(MSG* msg, HWND, UINT, UINT, UINT remove) {
  if (!msg) return FALSE;
  platform::CurrentBackend().Pump();
  MessageSystem& system = System();
  if (!system.queue.empty()) {
    *msg = system.queue.front();
    if (remove & PM_REMOVE) system.queue.pop_front();
    return TRUE;
  }
  if (system.quit_pending) {
    *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(system.quit_code), 0, GetTickCount(), {}};
    if (remove & PM_REMOVE) system.quit_pending = false;
    return TRUE;
  }
  return FALSE;
}

BOOL TranslateMessage(const MSG*) {
  return FALSE;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg || !IsLive(msg->hwnd)) return 0;
  return msg->hwnd->proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!IsLive(hwnd)) return FALSE;
  System().queue.push_back(MSG{hwnd, message, wparam, lparam, GetTickCount(), {}});
  return TRUE;
}

void PostQuitMessage(int exit_code) {
  System().quit_pending = true;
  System().quit_code = exit_code;
}

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) DestroyWindow(hwnd);
  return 0;
}

DWORD GetTickCount() {
  // 32 bits, wrapping as the system's count does.
  return static_cast<DWORD>(static_cast<std::uint32_t>(platform::CurrentBackend().TicksMs()));
}

// Debugger output goes to standard error; a line repeated at every frame (a
// device refused while the window is in the background) is printed once with
// its count, so the terminal stays readable.
void OutputDebugStringA(LPCSTR text) {
  static std::string last;
  static unsigned long repeats = 0;
  std::string now = text ? text : "";
  if (now == last) {
    ++repeats;
    return;
  }
  if (repeats > 0) std::fprintf(stderr, "(the line above %lu more times)\n", repeats);
  repeats = 0;
  last = now;
  std::fputs(now.c_str(), stderr);
}

HANDLE CreateEvent(LPSECURITY_ATTRIBUTES, BOOL, BOOL, LPCSTR) {
  static char event_object;  // nothing ever waits on it
  return &event_object;
}
