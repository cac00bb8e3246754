// Mouse and keyboard polling: clicks, double clicks, cursor limits and keys
// sent once (drags are seen end to end, in the band selection).
#include "frame/poll_IO.h"

#include <gtest/gtest.h>

#include <tuple>

#include "frame/dix.h"
#include "frame/main.h"
#include "frame/souris.h"
#include "platform/dinput.h"
#include "support/recording_zone.h"
#include "support/scratch.h"
#include "support/surfaces.h"

namespace {

using Signals = std::vector<std::string>;

class Polling : public ::testing::Test {
 protected:
  Polling() : machine(TenMillisecondFrames()) { current_zone = &zone; }
  ~Polling() override { current_zone = nullptr; }

  static platform::HeadlessOptions TenMillisecondFrames() {
    platform::HeadlessOptions options;
    options.frame_ms = 10;
    return options;
  }
  static void Wait(int ms) {
    for (int i = 0; i < ms / 10; ++i) FlipScreen();
  }
  // A keyboard poll after the scan interval.
  static void ScanKeys() {
    Wait(60);
    PollKeyboard();
  }
  static void Left(bool down) { platform::FeedMouseButton(platform::MouseButton::kLeft, down); }
  static void Click() {
    Left(true);
    Left(false);
    PollMouse();
  }

  test::ScratchTree tree;
  test::Machine machine;
  test::RecordingZone zone;
};

// Presses no more than 200 ms apart are double clicks, one after another;
// presses further apart are separate presses.
TEST_F(Polling, PressesWithin200MsAreDoubleClicksOneAfterAnother) {
  for (int wait : {0, 200, 150, 210}) {
    Wait(wait);
    Click();
  }
  EXPECT_EQ(zone.signals,
            (Signals{"press 320,200", "release 320,200", "double 320,200", "release 320,200",
                     "double 320,200", "release 320,200", "press 320,200", "release 320,200"}));
}

// Buttons see the motion before them in the same batch; the cursor stops at
// the screen's edges; a poll reads at most 16 records.
TEST_F(Polling, MotionAndButtonsAreReadInOrderSixteenRecordsAPoll) {
  platform::FeedMouseMotion(10, -5);
  Left(true);
  platform::FeedMouseButton(platform::MouseButton::kRight, true);
  PollMouse();
  EXPECT_EQ(zone.signals, (Signals{"press 340,190", "right 340,190"}));
  EXPECT_EQ(std::tuple(left_down, press_x), std::tuple(true, 340));
  platform::FeedMouseMotion(-400, 0);
  PollMouse();
  EXPECT_EQ(mouse_x, 0);
  for (int i = 0; i < 10; ++i) platform::FeedMouseMotion(1000, 1000);
  PollMouse();
  EXPECT_EQ(std::tuple(mouse_x, mouse_y), std::tuple(636, 476));
  for (int i = 0; i < 10; ++i) {  // 20 records: motion, then a right release
    platform::FeedMouseMotion(-1, 0);
    platform::FeedMouseButton(platform::MouseButton::kRight, false);
  }
  PollMouse();
  EXPECT_EQ(mouse_x, 636 - 2 * 8);
  PollMouse();
  EXPECT_EQ(mouse_x, 616);
}

// A held key is sent once, and again after its release; two held keys
// alternate; keys wait for the scan interval; Escape reaches the deepest
// zone.
TEST_F(Polling, KeysAreSentOnceAtTheScanIntervalToTheDeepestZone) {
  platform::FeedKey(DIK_A, true);
  for (int i = 0; i < 5; ++i) ScanKeys();
  platform::FeedKey(DIK_A, false);
  ScanKeys();
  platform::FeedKey(DIK_A, true);
  platform::FeedKey(DIK_B, true);
  ScanKeys();
  PollKeyboard();  // no 50 ms since the last scan
  ScanKeys();
  EXPECT_EQ(zone.signals, (Signals{"key 30", "key 30", "key 48", "key 30", "key 48"}));
  test::RecordingZone box;
  zone.OpenSubZone(&box);
  platform::FeedFocusLost();  // every key up
  platform::FeedKey(DIK_ESCAPE, true);
  ScanKeys();
  EXPECT_EQ(zone.signals.size(), 5u);
  EXPECT_EQ(box.signals, (Signals{"key 1"}));
}

TEST_F(Polling, NothingIsReadWithoutTheFocus) {
  platform::FeedKey(DIK_A, true);
  platform::FeedMouseMotion(10, 10);
  platform::FeedFocusLost();
  ScanKeys();
  PollMouse();
  EXPECT_TRUE(zone.signals.empty());
  EXPECT_EQ(mouse_x, 320);
}

TEST(Cursor, DrawsOnlyTheRowsLeftOnTheScreen) {
  test::ScratchTree tree;
  platform::Image arrow(12, 15, 0x00FF00);
  arrow.at(0, 0) = 0xFF00FF;
  tree.WritePicture("cursor001.bmp", arrow);
  test::Machine machine;
  ChargerSouris();
  test::Fill(lpDDSBack, 0);
  mouse_x = 630;
  mouse_y = 470;
  Afficher_Souris();
  IDirectDrawSurface& back = *lpDDSBack.get();
  EXPECT_EQ(back.PixelAt(630, 470), 0);  // the transparent corner
  EXPECT_EQ(back.PixelAt(631, 470), 0x07E0);
  EXPECT_EQ(back.PixelAt(639, 479), 0x07E0);
  EXPECT_EQ(tree.Log("directX_errors.txt"), "");
  cursor_surface->Release();
  cursor_surface = nullptr;
}

}  // namespace
