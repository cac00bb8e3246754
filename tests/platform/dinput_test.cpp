// The input devices: set-up checks, acquisition, record reads, key states.
#include "platform/dinput.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "support/scratch.h"

namespace {

class Devices : public ::testing::Test {
 protected:
  Devices() {
    LPVOID created;
    DirectInput8Create(nullptr, DIRECTINPUT_VERSION, IID_IDirectInput8A, &created, nullptr);
    di = static_cast<LPDIRECTINPUT8>(created);
    di->CreateDevice(GUID_SysMouse, &mouse, nullptr);
    di->CreateDevice(GUID_SysKeyboard, &keyboard, nullptr);
    platform::FeedFocusLost();
  }
  ~Devices() override {
    mouse->Release();
    keyboard->Release();
    di->Release();
  }
  test::HeadlessScope headless;
  LPDIRECTINPUT8 di = nullptr;
  LPDIRECTINPUTDEVICE8 mouse = nullptr;
  LPDIRECTINPUTDEVICE8 keyboard = nullptr;
};

TEST_F(Devices, DevicesNeedTheirFormatBeforeTheyCanBeAcquired) {
  EXPECT_EQ(mouse->Acquire(), DIERR_INVALIDPARAM);
  EXPECT_EQ(mouse->SetDataFormat(&c_dfDIKeyboard), DIERR_INVALIDPARAM);
  ASSERT_EQ(mouse->SetDataFormat(&c_dfDIMouse), DI_OK);
  EXPECT_EQ(mouse->Acquire(), DI_OK);
  EXPECT_EQ(mouse->Acquire(), S_FALSE);
  DIPROPDWORD size{{20, 16, 0, DIPH_DEVICE}, 16};
  EXPECT_EQ(mouse->SetProperty(DIPROP_BUFFERSIZE, &size.diph), DI_OK);
  EXPECT_EQ(mouse->SetCooperativeLevel(nullptr, DISCL_EXCLUSIVE | DISCL_FOREGROUND),
            DIERR_INVALIDPARAM);
  LPDIRECTINPUTDEVICE8 unknown;
  EXPECT_EQ(di->CreateDevice(IID_IDirectInput8A, &unknown, nullptr), DIERR_DEVICENOTREG);
}

// Negative motion reads back as a negative int.
TEST_F(Devices, MouseRecordsComeInOrderAndNothingIsLostToTheBuffer) {
  mouse->SetDataFormat(&c_dfDIMouse);
  mouse->Acquire();
  platform::FeedMouseMotion(0, -7);
  for (int i = 0; i < 200; ++i) platform::FeedMouseMotion(1, 0);
  platform::FeedMouseButton(platform::MouseButton::kLeft, true);
  std::array<DIDEVICEOBJECTDATA, 16> records{};
  long moved = 0;
  bool pressed = false;
  for (int reads = 0; reads < 20; ++reads) {
    DWORD count = 16;
    ASSERT_EQ(mouse->GetDeviceData(sizeof(DIDEVICEOBJECTDATA), records.data(), &count, 0), DI_OK);
    if (reads == 0) {
      ASSERT_GT(count, 0UL);
      EXPECT_EQ(records[0].dwOfs, DIMOFS_Y);
      EXPECT_EQ(static_cast<int>(records[0].dwData), -7);
    }
    for (DWORD i = 0; i < count; ++i) {
      if (records[i].dwOfs == DIMOFS_X) moved += static_cast<int>(records[i].dwData);
      if (records[i].dwOfs == DIMOFS_BUTTON0) pressed = records[i].dwData & 0x80;
    }
  }
  EXPECT_EQ(moved, 200);
  EXPECT_TRUE(pressed);
}

TEST_F(Devices, KeysShowWhileHeldAndNotAfterTheFocusIsLost) {
  keyboard->SetDataFormat(&c_dfDIKeyboard);
  std::array<BYTE, 256> keys{};
  EXPECT_EQ(keyboard->GetDeviceState(256, keys.data()), DIERR_NOTACQUIRED);
  keyboard->Acquire();
  platform::FeedKey(DIK_SPACE, true);
  ASSERT_EQ(keyboard->GetDeviceState(256, keys.data()), DI_OK);
  EXPECT_EQ(keys[DIK_SPACE], 0x80);
  platform::FeedFocusLost();
  keys.fill(0xFF);
  EXPECT_EQ(keyboard->GetDeviceState(256, keys.data()), DIERR_NOTACQUIRED);
  EXPECT_EQ(keys[DIK_SPACE], 0);
  keyboard->Acquire();
  keyboard->GetDeviceState(256, keys.data());
  EXPECT_EQ(keys[DIK_SPACE], 0);  // the system forgot it
}

TEST(HeadlessMouse, MousePositionsBecomeMotionFromWhereTheCursorWillBe) {
  platform::HeadlessOptions options;
  options.script = platform::ParseScript(
                       "at 0 mouse 100 51\n"
                       "at 0 mouse 639 0\n")
                       .script;
  test::HeadlessScope headless(options);
  LPVOID created;
  DirectInput8Create(nullptr, DIRECTINPUT_VERSION, IID_IDirectInput8A, &created, nullptr);
  auto* di = static_cast<LPDIRECTINPUT8>(created);
  LPDIRECTINPUTDEVICE8 mouse;
  di->CreateDevice(GUID_SysMouse, &mouse, nullptr);
  mouse->SetDataFormat(&c_dfDIMouse);
  mouse->Acquire();
  platform::FeedFocusLost();
  mouse->Acquire();
  std::array<DIDEVICEOBJECTDATA, 16> records{};
  DWORD count = 16;
  mouse->GetDeviceData(sizeof(DIDEVICEOBJECTDATA), records.data(), &count, 0);
  std::vector<int> motion;
  for (DWORD i = 0; i < count; ++i) motion.push_back(static_cast<int>(records[i].dwData));
  // 320 -> 100, 200 -> 50 (odd goes one below), 100 -> 638 (stopped at 636), 50 -> 0.
  EXPECT_EQ(motion, (std::vector<int>{-110, -75, 269, -25}));
  mouse->Release();
  di->Release();
}

TEST_F(Devices, DiagonalMotionIsMergedOnceAPollsWorthIsWaiting) {
  mouse->SetDataFormat(&c_dfDIMouse);
  mouse->Acquire();
  for (int i = 0; i < 1000; ++i) platform::FeedMouseMotion(1, -1);
  platform::FeedMouseButton(platform::MouseButton::kLeft, true);
  platform::FeedMouseMotion(2, 0);
  std::array<DIDEVICEOBJECTDATA, 16> records{};
  long dx = 0, dy = 0;
  std::vector<DWORD> offsets;
  for (int reads = 0; reads < 3; ++reads) {
    DWORD count = 16;
    mouse->GetDeviceData(sizeof(DIDEVICEOBJECTDATA), records.data(), &count, 0);
    for (DWORD i = 0; i < count; ++i) {
      offsets.push_back(records[i].dwOfs);
      if (records[i].dwOfs == DIMOFS_X) dx += static_cast<int>(records[i].dwData);
      if (records[i].dwOfs == DIMOFS_Y) dy += static_cast<int>(records[i].dwData);
    }
  }
  EXPECT_EQ(dx, 1002);
  EXPECT_EQ(dy, -1000);
  EXPECT_LE(offsets.size(), 20U);  // one poll's worth, then merged
  ASSERT_GE(offsets.size(), 2U);
  EXPECT_EQ(offsets[offsets.size() - 2], DIMOFS_BUTTON0);  // the button keeps its place
}

}  // namespace
