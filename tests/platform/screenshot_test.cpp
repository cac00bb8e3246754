// Where the real window's screenshots go, and their names.
#include "platform/screenshot.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/files.h"

namespace {

TEST(Screenshot, ShotsOfOneSecondTakeTheNextNumberInTheDataDirectory) {
  const std::string home_data = "/home/u/.local/share/quorvelnn/screenshots";
  EXPECT_EQ(platform::DefaultScreenshotDir("/data", "/home/u"), "/data/quorvelnn/screenshots");
  EXPECT_EQ(platform::DefaultScreenshotDir(nullptr, "/home/u"), home_data);
  EXPECT_EQ(platform::DefaultScreenshotDir("relative", "/home/u"), home_data);

  const std::vector<std::uint16_t> frame(640 * 480);
  std::tm when{};  // 2024-01-02 03:04:05
  when.tm_year = 124, when.tm_mday = 2, when.tm_hour = 3, when.tm_min = 4, when.tm_sec = 5;
  test::TempDirectory temp;
  const std::string dir = (temp.path() / "new").string();
  for (const char* name :
       {"/quorvelnn-20240102-030405-1.png", "/quorvelnn-20240102-030405-2.png"}) {
    EXPECT_EQ(platform::SaveScreenshot(dir, frame.data(), 640 * 2, when), dir + name);
  }
}

}  // namespace
