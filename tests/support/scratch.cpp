// Test support.
#include "support/scratch.h"

#include "frame/dix.h"
#include "frame/dix8.h"
#include "frame/main.h"
#include "frame/poll_IO.h"
#include "platform/win32.h"
#include "support/files.h"

namespace test {
namespace {

LRESULT TestWndProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    ReleaseDisplay();
    PostQuitMessage(0);
  }
  return DefWindowProc(hwnd, message, wparam, lparam);
}

void DrainMessages() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

// The poller's input state as at start-up.
void ResetInputState() {
  mouse_x = 320;
  mouse_y = 200;
  left_down = right_down = false;
  press_x = press_y = 0;
  first_click_pending = false;
  last_press_time = 0;
  last_key = -1;
  last_key_scan = 0;
}

}  // namespace

ScratchTree::ScratchTree(bool with_output) : previous_directory_(std::filesystem::current_path()) {
  for (const char* dir : {"bin", "graphics", "missions", "common_bin"}) {
    std::filesystem::create_directories(root() / dir);
  }
  if (with_output) std::filesystem::create_directories(root() / "bin" / "output");
  std::filesystem::current_path(root() / "bin");
}

ScratchTree::~ScratchTree() {
  std::filesystem::current_path(previous_directory_);
}

std::string ScratchTree::Log(const std::string& name) const {
  return ReadBytes(root() / "bin" / "output" / name);
}

void ScratchTree::WritePicture(const std::string& name, const platform::Image& image) const {
  platform::SaveBitmapFile((graphics() / name).string(), image);
}

HeadlessScope::HeadlessScope(platform::HeadlessOptions options)
    : backend_(std::make_unique<platform::HeadlessBackend>(std::move(options))) {
  platform::SetBackend(backend_.get());
}

HeadlessScope::~HeadlessScope() {
  platform::SetBackend(nullptr);
}

Machine::Machine(platform::HeadlessOptions options) : scope_(std::move(options)) {
  WNDCLASS wc{};
  wc.lpfnWndProc = TestWndProc;
  wc.lpszClassName = "QuorvelnnTest";
  RegisterClass(&wc);
  main_window = CreateWindowEx(0, "QuorvelnnTest", "test", WS_POPUP, 0, 0, 640, 480, nullptr,
                               nullptr, nullptr, nullptr);
  InstallDirectXBack(main_window, 640, 480, 16);
  InstallDirectInput8(nullptr, main_window);
  platform::FeedFocusLost();  // no key or record left over from an earlier test
  ResetInputState();
}

Machine::~Machine() {
  DestroyWindow(main_window);
  DrainMessages();
  main_window = nullptr;
  if (lpDIMouse) lpDIMouse->Release();
  if (lpDIKeyboard) lpDIKeyboard->Release();
  if (lpDI8) lpDI8->Release();
  lpDIMouse = nullptr;
  lpDIKeyboard = nullptr;
  lpDI8 = nullptr;
  current_zone = nullptr;
}

}  // namespace test
