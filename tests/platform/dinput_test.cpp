// The mouse device's records (the keyboard's state is seen through the
// poller's tests).
#include "platform/dinput.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "support/scratch.h"

namespace {

using Record = std::pair<DWORD, int>;  // the axis or button, and its value

// The records of that many reads of up to 16 each.
std::vector<Record> Records(LPDIRECTINPUTDEVICE8 mouse, int reads) {
  std::vector<Record> all;
  for (int i = 0; i < reads; ++i) {
    std::array<DIDEVICEOBJECTDATA, 16> records{};
    DWORD count = 16;
    EXPECT_EQ(mouse->GetDeviceData(sizeof(DIDEVICEOBJECTDATA), records.data(), &count, 0), DI_OK);
    for (DWORD k = 0; k < count; ++k) all.emplace_back(records[k].dwOfs, int(records[k].dwData));
  }
  return all;
}

class Devices : public ::testing::Test {
 protected:
  explicit Devices(platform::HeadlessOptions options = {}) : headless(std::move(options)) {
    LPVOID created;
    DirectInput8Create(nullptr, DIRECTINPUT_VERSION, IID_IDirectInput8A, &created, nullptr);
    di = static_cast<LPDIRECTINPUT8>(created);
    di->CreateDevice(GUID_SysMouse, &mouse, nullptr);
    platform::FeedFocusLost();
  }
  ~Devices() override {
    mouse->Release();
    di->Release();
  }
  void AcquireMouse() {
    mouse->SetDataFormat(&c_dfDIMouse);
    mouse->Acquire();
  }
  test::HeadlessScope headless;
  LPDIRECTINPUT8 di = nullptr;
  LPDIRECTINPUTDEVICE8 mouse = nullptr;
};

// Negative motion reads back as a negative int. Once a poll's worth is
// waiting, diagonal motion is merged; the button keeps its place.
TEST_F(Devices, MouseRecordsComeInOrderAndNothingIsLostToTheBuffer) {
  AcquireMouse();
  platform::FeedMouseMotion(0, -7);
  for (int i = 0; i < 200; ++i) platform::FeedMouseMotion(1, 0);
  platform::FeedMouseButton(platform::MouseButton::kLeft, true);
  std::vector<Record> records = Records(mouse, 20);
  ASSERT_GT(records.size(), 1u);
  EXPECT_EQ(records.front(), Record(DIMOFS_Y, -7));
  EXPECT_EQ(records.back(), Record(DIMOFS_BUTTON0, 0x80));
  long moved = 0;
  for (const auto& [offset, value] : records) moved += offset == DIMOFS_X ? value : 0;
  EXPECT_EQ(moved, 200);

  for (int i = 0; i < 1000; ++i) platform::FeedMouseMotion(1, -1);
  platform::FeedMouseButton(platform::MouseButton::kLeft, false);
  platform::FeedMouseMotion(2, 0);
  records = Records(mouse, 3);
  long dx = 0, dy = 0;
  for (const auto& [offset, value] : records) {
    dx += offset == DIMOFS_X ? value : 0;
    dy += offset == DIMOFS_Y ? value : 0;
  }
  EXPECT_EQ(std::pair(dx, dy), std::pair(1002L, -1000L));
  EXPECT_LE(records.size(), 20U);  // one poll's worth, then merged
  ASSERT_GE(records.size(), 2U);
  EXPECT_EQ(records[records.size() - 2], Record(DIMOFS_BUTTON0, 0));
}

// A script's positions become motion from where the cursor will be.
class ScriptedMouse : public Devices {
 protected:
  ScriptedMouse() : Devices(Options()) {}
  static platform::HeadlessOptions Options() {
    platform::HeadlessOptions options;
    options.script = platform::ParseScript("at 0 mouse 100 51\nat 0 mouse 639 0\n").script;
    return options;
  }
};

TEST_F(ScriptedMouse, PositionsBecomeMotionFromWhereTheCursorWillBe) {
  AcquireMouse();
  // 320 -> 100, 200 -> 50 (odd goes one below), 100 -> 638 (stopped at 636), 50 -> 0.
  EXPECT_EQ(
      Records(mouse, 1),
      (std::vector<Record>{{DIMOFS_X, -110}, {DIMOFS_Y, -75}, {DIMOFS_X, 269}, {DIMOFS_Y, -25}}));
}

}  // namespace
