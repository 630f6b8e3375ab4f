#include "startup/run_mode.h"

#include <gtest/gtest.h>

#include <utility>

namespace sovelin {
namespace {

TEST(RunMode, OnlyTheFirstTwoCharactersUpperCasedCountAndABlankBeforeThemStartsTheSaver) {
  for (const char* settings : {"/c", "/C:1234", "/c 1234"})
    EXPECT_EQ(ChooseRunMode(settings), RunMode::kSettings) << settings;
  for (const char* preview : {"/p 1234", "/P 1234", "/Pxyz"})
    EXPECT_EQ(ChooseRunMode(preview), RunMode::kPreview) << preview;
  for (const char* saver : {"/s", "/S", "", "/a 1234", "-c", "/", "c", "//c", " /c"})
    EXPECT_EQ(ChooseRunMode(saver), RunMode::kSaver) << '"' << saver << '"';
}

TEST(CommandLine, ArgumentsFollowTheProgramNameAndOneBlank) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"\"C:\\Windows\\Sovelin V30.scr\" /p 1234", "/p 1234"},
      {"\"C:\\Windows\\Sovelin V30.scr\"/s", "/s"}, {"C:\\WINDOWS\\SOVELI~1.SCR /c:4242", "/c:4242"},
      {"saver.scr", ""}, {"saver.scr  /c", " /c"}, {"\"unterminated", ""}, {"", ""}};
  // clang-format on
  for (const auto& [line, arguments] : cases) EXPECT_EQ(ArgumentsAfterProgramName(line), arguments);
}

}  // namespace
}  // namespace sovelin
