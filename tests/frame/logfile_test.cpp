// The log values' written forms, the DirectX reports and the temp log.
#include "frame/logfile.h"

#include <gtest/gtest.h>

#include "platform/ddraw.h"
#include "support/scratch.h"

namespace {

TEST(LogFile, IntegersBelowTenGetALeadingZero) {
  test::ScratchTree tree;
  LogFile log("output/values.txt");
  log << 5 << "," << 12 << "\n" << -3 << " " << 0 << " " << 9;
  log << " " << 10U << " " << 9U << " " << DWORD(0) << " " << DWORD(250) << " " << DWORD(1500);
  EXPECT_EQ(tree.Log("values.txt"), "05,12\n-3 00 09 10 09 00 0250 01500");
}

TEST(LogFile, TextsBoolsFloatsCharsAndPointers) {
  test::ScratchTree tree;
  LogFile log("output/misc.txt");
  const char* null_text = nullptr;
  log << "100% sure" << null_text << true << false << 'x' << 1.5f << " ";
  log << reinterpret_cast<const void*>(0x1A2B) << " " << static_cast<const void*>(nullptr);
  EXPECT_EQ(tree.Log("misc.txt"), "100% sureNULL STRINGtruefalsex1.500000 1A2Bd 0d");
}

TEST(LogFile, ResultCodesAreWrittenByName) {
  test::ScratchTree tree;
  LogFile log("output/codes.txt");
  log << DDERR_SURFACELOST << " " << DDERR_INVALIDRECT << " " << DD_OK;
  EXPECT_EQ(tree.Log("codes.txt"), "DDERR_SURFACELOST DDERR_INVALIDRECT DD_OK");
}

TEST(LogFile, AppendsAcrossObjectsAndRuns) {
  test::ScratchTree tree;
  LogFile("output/grow.txt") << "first\n";
  LogFile("output/grow.txt") << "second\n";
  EXPECT_EQ(tree.Log("grow.txt"), "first\nsecond\n");
}

TEST(LogFile, WritesAreSkippedWithoutTheOutputDirectory) {
  test::ScratchTree tree(/*with_output=*/false);
  LogFile log("output/nowhere.txt");
  log << "lost" << 3;
  ErrorBanner("lost too");
  EXPECT_FALSE(std::filesystem::exists("output"));
}

TEST(ReportDXError, WritesFailuresOnlyWithTheirContext) {
  test::ScratchTree tree;
  ReportDXError("context A", DD_OK);
  ReportDXError("context B", S_FALSE);
  EXPECT_EQ(tree.Log("directX_errors.txt"), "");
  ReportDXError("ddutil something", DDERR_INVALIDPARAMS);
  ReportDXMessage("a message");
  EXPECT_EQ(tree.Log("directX_errors.txt"),
            "ERROR DirectX : ddutil something\n  ----->DDERR_INVALIDPARAMS\n\na message\n");
}

TEST(ErrorBanner, FramesTheTextInTheTempLog) {
  test::ScratchTree tree;
  ErrorBanner("something went wrong");
  EXPECT_EQ(tree.Log("temp.txt"),
            "***************************  ERROR ***********************************\n"
            "something went wrong\n");
}

}  // namespace
