// The briefing file's writer: the layout the game reads, and texts the font
// cannot draw refused with their file and line.
#include "map/scenario_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/files.h"

namespace {

TEST(ScenarioFile, TextsAreWrittenAsACountThenLengthsAndBytes) {
  EXPECT_EQ(mapmaker::ScenarioBytes({"AB", ""}), std::string("\x02\0\0\0\x02\0\0\0AB\0\0\0\0", 14));
}

TEST(ScenarioFile, TheToolWritesLowerCaseAndMarksButRefusesWhatTheFontLacks) {
  test::TempDirectory dir;
  const auto good = dir.path() / "good.txt", bad = dir.path() / "bad.txt";
  const auto out = dir.path() / "scenario.sc";
  test::WriteBytes(good, "Hold, captain!\n\n\"Go\" - it's 10: why?\n\n");
  test::WriteBytes(bad, "Fine\nnot (this)\r\n");
  std::ostringstream err;
  ASSERT_EQ(mapmaker::WriteScenario(out.string(), {good.string()}, err), 0) << err.str();
  // The last line breaks are dropped.
  EXPECT_EQ(test::ReadBytes(out),
            mapmaker::ScenarioBytes({"Hold, captain!\n\n\"Go\" - it's 10: why?"}));

  std::filesystem::remove(out);
  EXPECT_EQ(mapmaker::WriteScenario(out.string(), {good.string(), bad.string()}, err), 1);
  const std::string where = bad.string() + ":2: the font has no character ";
  EXPECT_EQ(err.str(), where + "'('\n" + where + "')'\n" + where + "of code 13\n");
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
