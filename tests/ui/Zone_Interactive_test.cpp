// The zone framework: icons on the pixel map, press dispatch, sub-zones and
// Escape (a zone's loop and the text buttons are seen end to end).
#include "ui/Zone_Interactive.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/dinput.h"
#include "support/scratch.h"
#include "ui/icone.h"

namespace {

int clicks_a = 0;
int clicks_b = 0;
constexpr IconAction ClickA = [] { ++clicks_a; };
constexpr IconAction ClickB = [] { ++clicks_b; };

class Zones : public ::testing::Test {
 protected:
  Zones() { clicks_a = clicks_b = 0; }
  test::ScratchTree tree;
};

TEST_F(Zones, APressGoesToTheIconAddedLastWhereIconsOverlap) {
  Zone_Interactive zone(100, 50, 200, 100, nullptr, nullptr);
  Icone a(ClickA, 0, 0, 50, 50);
  Icone b(ClickB, 40, 40, 20, 20);
  Icone corner(ClickB, 190, 90, 10, 10);  // the zone's last column and row
  ASSERT_TRUE(zone.AddIcone(&a));
  ASSERT_TRUE(zone.AddIcone(&b));
  ASSERT_TRUE(zone.AddIcone(&corner));
  zone.SignalMouseLeftButtonPressed(100 + 45, 50 + 45);
  zone.SignalMouseLeftButtonPressed(100 + 10, 50 + 10);
  zone.SignalMouseLeftButtonPressed(100 + 55, 50 + 55);
  zone.SignalMouseLeftButtonPressed(299, 149);
  for (const auto& [x, y] : {std::pair{99, 60}, {300, 140}, {290, 150}, {-5, -5}}) {
    zone.SignalMouseLeftButtonPressed(x, y);  // outside: left, right, below
  }
  EXPECT_EQ(std::tuple(clicks_a, clicks_b), std::tuple(1, 3));
  zone.RemoveIcone(&b);
  zone.SignalMouseLeftButtonPressed(100 + 45, 50 + 45);
  EXPECT_EQ(clicks_a, 1);  // b's pixels are empty now, not a's again
  EXPECT_EQ(zone.IconAt(45, 45), nullptr);
  EXPECT_EQ(zone.IconAt(5, 5), &a);
}

// An open sub-zone takes every press, even outside itself, and Escape closes
// only the deepest zone.
TEST_F(Zones, AnOpenSubZoneTakesEveryPressAndEscapeClosesTheDeepestZone) {
  Zone_Interactive zone(0, 0, 640, 480, nullptr, nullptr);
  Zone_Interactive box(200, 200, 100, 50, nullptr, nullptr);
  Icone under(ClickA, 0, 0, 640, 480);
  Icone on_box(ClickB, 0, 0, 100, 50);
  zone.AddIcone(&under);
  box.AddIcone(&on_box);
  zone.OpenSubZone(&box);
  EXPECT_EQ(box.Get_Parent(), &zone);
  zone.SignalMouseLeftButtonPressed(10, 10);
  zone.SignalMouseLeftButtonPressed(210, 210);
  EXPECT_EQ(std::tuple(clicks_a, clicks_b), std::tuple(0, 1));
  zone.SignalKeyToActiveZone(DIK_ESCAPE);
  EXPECT_EQ(std::tuple(box.Is_End_Requested(), zone.Is_End_Requested(), zone.Get_Child()),
            std::tuple(true, false, nullptr));
  zone.SignalMouseLeftButtonPressed(10, 10);
  EXPECT_EQ(clicks_a, 1);
  zone.SignalKeyToActiveZone(DIK_A);
  EXPECT_FALSE(zone.Is_End_Requested());
  zone.SignalKeyToActiveZone(DIK_ESCAPE);
  EXPECT_TRUE(zone.Is_End_Requested());
  EXPECT_EQ(tree.Log("Zone_Interactive.txt"),
            "Touche escape reconnue !!!! \nTouche escape reconnue !!!! \n");
}

TEST_F(Zones, TheTwentyFirstIconIsRefusedAndChangesNothing) {
  Zone_Interactive zone(0, 0, 100, 100, nullptr, nullptr);
  std::vector<Icone> icons;
  icons.reserve(21);
  for (int i = 0; i < 21; ++i) icons.emplace_back(ClickA, 0, 0, 10 + i, 10);
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(zone.AddIcone(&icons[i]));
  EXPECT_FALSE(zone.AddIcone(&icons[20]));
  EXPECT_EQ(std::tuple(zone.IconAt(28, 5), zone.IconAt(29, 5)), std::tuple(&icons[19], nullptr));
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "Zone_Interactive bool Zone_Interactive::AddIcone(Icone * new_icone)\n"
            "no free case for a new icone...\n");
}

}  // namespace
