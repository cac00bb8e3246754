// The log values' written forms, the DirectX reports and the temp log.
#include "frame/logfile.h"

#include <gtest/gtest.h>

#include "platform/ddraw.h"
#include "support/scratch.h"

namespace {

// Integers below ten get a leading zero; texts, bools, floats, characters,
// pointers and result codes have their own forms; a log appends across
// objects and runs.
TEST(LogFile, ValuesAreWrittenInTheirFormsAndAppended) {
  test::ScratchTree tree;
  const char* null_text = nullptr;
  {
    LogFile log("output/values.txt");
    log << 5 << "," << 12 << "\n" << -3 << " " << 0 << " " << 9;
    log << " " << 10U << " " << 9U << " " << DWORD(0) << " " << DWORD(250) << " " << DWORD(1500);
    log << "\n"
        << "100% sure" << null_text << true << false << 'x' << 1.5f << " ";
    log << reinterpret_cast<const void*>(0x1A2B) << " " << static_cast<const void*>(nullptr);
  }
  LogFile("output/values.txt") << "\n"
                               << DDERR_SURFACELOST << " " << DDERR_INVALIDRECT << " " << DD_OK;
  EXPECT_EQ(tree.Log("values.txt"),
            "05,12\n-3 00 09 10 09 00 0250 01500\n"
            "100% sureNULL STRINGtruefalsex1.500000 1A2Bd 0d\n"
            "DDERR_SURFACELOST DDERR_INVALIDRECT DD_OK");
}

TEST(LogFile, WritesAreSkippedWithoutTheOutputDirectory) {
  test::ScratchTree tree(/*with_output=*/false);
  LogFile log("output/nowhere.txt");
  log << "lost" << 3;
  ErrorBanner("lost too");
  EXPECT_FALSE(std::filesystem::exists("output"));
}

// DirectX failures are reported with their context, successes not; the
// error banner frames its text in the temp log.
TEST(ReportDXError, WritesFailuresOnlyWithTheirContextAndTheBannerItsFrame) {
  test::ScratchTree tree;
  ReportDXError("context A", DD_OK);
  ReportDXError("context B", S_FALSE);
  ReportDXError("ddutil something", DDERR_INVALIDPARAMS);
  ReportDXMessage("a message");
  EXPECT_EQ(tree.Log("directX_errors.txt"),
            "ERROR DirectX : ddutil something\n  ----->DDERR_INVALIDPARAMS\n\na message\n");
  ErrorBanner("something went wrong");
  EXPECT_EQ(tree.Log("temp.txt"),
            "***************************  ERROR ***********************************\n"
            "something went wrong\n");
}

}  // namespace
