#include "startup/run_mode.h"

#include <gtest/gtest.h>

namespace sovelin {
namespace {

TEST(RunMode, OnlyTheFirstTwoCharactersUpperCasedCount) {
  EXPECT_EQ(ChooseRunMode("/c"), RunMode::kSettings);
  EXPECT_EQ(ChooseRunMode("/C:1234"), RunMode::kSettings);
  EXPECT_EQ(ChooseRunMode("/c 1234"), RunMode::kSettings);
  EXPECT_EQ(ChooseRunMode("/p 1234"), RunMode::kPreview);
  EXPECT_EQ(ChooseRunMode("/P 1234"), RunMode::kPreview);
  EXPECT_EQ(ChooseRunMode("/Pxyz"), RunMode::kPreview);
  for (const char* saver : {"/s", "/S", "", "/a 1234", "-c", "/", "c", "//c"}) {
    EXPECT_EQ(ChooseRunMode(saver), RunMode::kSaver) << '"' << saver << '"';
  }
}

TEST(RunMode, ABlankBeforeTheSwitchStartsTheSaver) {
  EXPECT_EQ(ChooseRunMode(" /c"), RunMode::kSaver);
  EXPECT_EQ(ChooseRunMode(ArgumentsAfterProgramName("saver.scr  /c")), RunMode::kSaver);
}

TEST(CommandLine, ArgumentsFollowTheProgramNameAndOneBlank) {
  EXPECT_EQ(ArgumentsAfterProgramName("\"C:\\Windows\\Sovelin V30.scr\" /p 1234"), "/p 1234");
  EXPECT_EQ(ArgumentsAfterProgramName("\"C:\\Windows\\Sovelin V30.scr\"/s"), "/s");
  EXPECT_EQ(ArgumentsAfterProgramName("C:\\WINDOWS\\SOVELI~1.SCR /c:4242"), "/c:4242");
  EXPECT_EQ(ArgumentsAfterProgramName("saver.scr"), "");
  EXPECT_EQ(ArgumentsAfterProgramName("saver.scr  /c"), " /c");
  EXPECT_EQ(ArgumentsAfterProgramName("\"unterminated"), "");
  EXPECT_EQ(ArgumentsAfterProgramName(""), "");
}

}  // namespace
}  // namespace sovelin
