// The briefing screen: its text, the slow rise and the wrap.
#include "ui/Zone_scenario.h"

#include <gtest/gtest.h>

#include "frame/ddraw_text.h"
#include "support/scratch.h"

namespace {

TEST(Briefing, TheTextStartsLowRisesAPixelPerFiftyMsAndWraps) {
  test::ScratchTree tree;
  test::Machine machine;
  InitFont();
  InitZoneScenario();
  auto pass = [&](int ms) {
    machine.backend().AdvanceClock(std::uint64_t(ms));
    scenario_zone->Display();
  };
  char two_lines[] = "ab\ncd";
  scenario_zone->Set_Text(two_lines);
  EXPECT_EQ(scenario_zone->Text(), "AB\nCD");  // the copy is upper-cased as it is drawn
  EXPECT_STREQ(two_lines, "ab\ncd");
  EXPECT_EQ(scenario_zone->Text_Height(), 50);
  scenario_zone->Set_Text("");
  EXPECT_EQ(std::pair(scenario_zone->Text_Height(), scenario_zone->Scroll_Pos()),
            std::pair(20, 200));
  pass(51);
  for (int i = 0; i < 9; ++i) pass(5);  // ten passes within 50 ms of the rise
  pass(5);                              // exactly 50 ms is not more than 50
  EXPECT_EQ(scenario_zone->Scroll_Pos(), 201);
  scenario_zone->Set_Text(nullptr);
  EXPECT_FALSE(scenario_zone->Text());
  EXPECT_EQ(std::pair(scenario_zone->Text_Height(), scenario_zone->Scroll_Pos()),
            std::pair(20, 201));
  while (scenario_zone->Scroll_Pos() != 469) pass(51);
  pass(51);
  EXPECT_EQ(scenario_zone->Scroll_Pos(), 0);  // 470 = height 20 + 450
}

}  // namespace
