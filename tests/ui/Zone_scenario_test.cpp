// The briefing screen: its text, the slow rise and the wrap.
#include "ui/Zone_scenario.h"

#include <gtest/gtest.h>

#include "frame/ddraw_text.h"
#include "support/scratch.h"

namespace {

class Briefing : public ::testing::Test {
 protected:
  Briefing() {
    InitFont();
    InitZoneScenario();
  }
  // One pass of the screen, ms after the last.
  void Pass(int ms) {
    machine.backend().AdvanceClock(std::uint64_t(ms));
    scenario_zone->Display();
  }

  test::ScratchTree tree;
  test::Machine machine;
};

TEST_F(Briefing, ANewTextStartsLowAndANullTextKeepsTheScroll) {
  scenario_zone->Set_Text("");
  EXPECT_EQ(scenario_zone->Text_Height(), 20);
  EXPECT_EQ(scenario_zone->Scroll_Pos(), 200);
  Pass(51);
  scenario_zone->Set_Text(nullptr);
  EXPECT_FALSE(scenario_zone->Text());
  EXPECT_EQ(scenario_zone->Scroll_Pos(), 201);
  EXPECT_EQ(scenario_zone->Text_Height(), 20);
  char two_lines[] = "ab\ncd";
  scenario_zone->Set_Text(two_lines);
  EXPECT_EQ(scenario_zone->Text(), "AB\nCD");  // the copy is upper-cased as it is drawn
  EXPECT_STREQ(two_lines, "ab\ncd");
  EXPECT_EQ(scenario_zone->Text_Height(), 50);
}

TEST_F(Briefing, TheTextRisesAPixelPerFiftyMsAndWrapsBelowTheWindow) {
  scenario_zone->Set_Text("");
  Pass(51);
  for (int i = 0; i < 9; ++i) Pass(5);  // ten passes within 50 ms of the rise
  EXPECT_EQ(scenario_zone->Scroll_Pos(), 201);
  Pass(5);
  EXPECT_EQ(scenario_zone->Scroll_Pos(), 201);  // exactly 50 ms is not more than 50
  Pass(1);
  EXPECT_EQ(scenario_zone->Scroll_Pos(), 202);
  while (scenario_zone->Scroll_Pos() != 469) Pass(51);
  Pass(51);
  EXPECT_EQ(scenario_zone->Scroll_Pos(), 0);  // 470 = height 20 + 450
}

}  // namespace
