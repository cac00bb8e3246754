// The message queue and the window: posting, dispatch, closing, quitting.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/scratch.h"

namespace {

std::vector<UINT> received;

LRESULT Recorder(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  received.push_back(message);
  if (message == WM_DESTROY) PostQuitMessage(7);
  return DefWindowProc(hwnd, message, wparam, lparam);
}

class Window : public ::testing::Test {
 protected:
  Window() {
    received.clear();
    WNDCLASS wc{};
    wc.lpfnWndProc = Recorder;
    wc.lpszClassName = "Recorder";
    RegisterClass(&wc);
    hwnd = CreateWindowEx(0, "Recorder", "t", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr, nullptr,
                          nullptr);
  }
  ~Window() override {
    DestroyWindow(hwnd);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  test::HeadlessScope headless;
  HWND hwnd = nullptr;
};

TEST_F(Window, CloseDestroysTheWindowAndQuitComesAfterEveryOtherMessage) {
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(CreateWindowEx(0, "Recorder", "t", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
            nullptr);  // one window only
  EXPECT_EQ(CreateWindowEx(0, "Unknown", "t", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
            nullptr);
  PostMessage(hwnd, WM_SETCURSOR, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));  // which leaves it
  PostMessage(hwnd, WM_KEYDOWN, VK_F2, 0);
  PostMessage(hwnd, WM_CLOSE, 0, 0);
  PostMessage(hwnd, WM_KEYDOWN, VK_F1, 0);  // dropped with the window
  std::vector<UINT> taken;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    taken.push_back(msg.message);
    if (msg.message == WM_QUIT) break;
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
  EXPECT_EQ(taken, (std::vector<UINT>{WM_SETCURSOR, WM_KEYDOWN, WM_CLOSE, WM_QUIT}));
  EXPECT_EQ(received, (std::vector<UINT>{WM_SETCURSOR, WM_KEYDOWN, WM_CLOSE, WM_DESTROY}));
  EXPECT_EQ(msg.wParam, 7U);
  EXPECT_FALSE(PostMessage(hwnd, WM_CLOSE, 0, 0));
  EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

}  // namespace
