#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "startup/preview.h"
#include "startup/run_mode.h"
#include "startup/saver_start.h"
#include "tests/scripted_random.h"

namespace sovelin {
namespace {

TEST(RunMode, NoArgumentOpensTheSettingsAndEitherSwitchCharacterOfEitherCaseCounts) {
  for (const char* settings : {"", "  ", "/c", "/C:1234", "/c 1234", "-c", " /c", "\t-C:77"})
    EXPECT_EQ(ChooseRunMode(settings), RunMode::kSettings) << '"' << settings << '"';
  for (const char* preview : {"/p 1234", "/P:1234", "-p 1234", "/Pxyz", "  /p 5"})
    EXPECT_EQ(ChooseRunMode(preview), RunMode::kPreview) << preview;
  for (const char* saver : {"/s", "-S", "/a 1234", "/", "c", "//c", "x /c", "/ c"})
    EXPECT_EQ(ChooseRunMode(saver), RunMode::kSaver) << '"' << saver << '"';
}

TEST(RunMode, TheSettingsOwnerIsTheHandleAfterTheSwitch) {
  const std::pair<const char*, int32_t> cases[] = {
      {"/c:1234", 1234}, {"-C:66", 66}, {"/c 4242", 4242},    {" /c:9", 9},
      {"/c", 0},         {"/c:", 0},    {"/c:x", 0},          {"/s:1234", 0},
      {"/p 1234", 0},    {"", 0},       {"/c:4294967295", -1}};
  for (const auto& [arguments, handle] : cases)
    EXPECT_EQ(SettingsOwnerHandle(arguments), handle) << arguments;
}

TEST(CommandLine, ArgumentsFollowTheProgramPathQuotedOrNotAndOneBlank) {
  const char* module = "C:\\Program Files\\Sovelin\\Sovelin V30.scr";
  // clang-format off
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"\"C:\\Windows\\Sovelin V30.scr\" /p 1234", "", "/p 1234"},
      {"\"C:\\Windows\\Sovelin V30.scr\"/s", "", "/s"},
      {"C:\\WINDOWS\\SOVELI~1.SCR /c:4242", "", "/c:4242"},
      {"saver.scr", "", ""}, {"saver.scr  /c", "", " /c"}, {"\"unterminated", "", ""}, {"", "", ""},
      // Unquoted with blanks: the module's own path, in any case, or its file name at the end.
      {"C:\\Program Files\\Sovelin\\Sovelin V30.scr /c:77", module, "/c:77"},
      {"c:\\program files\\sovelin\\SOVELIN V30.SCR -p 12", module, "-p 12"},
      {"C:\\Program Files\\Sovelin\\Sovelin V30.scr", module, ""},
      {"Sovelin V30.scr /s", module, "/s"},
      {"..\\Sovelin\\Sovelin V30.scr\t/c", module, "/c"},
      {"\"C:\\Program Files\\Sovelin\\Sovelin V30.scr\" /s", module, "/s"},
      // A short name that is not the module's path: cut at the first blank.
      {"C:\\PROGRA~1\\Sovelin\\SOVELI~1.SCR /s", module, "/s"},
      {"C:\\PROGRA~1\\SOVELI~1.SCR /p 7", "C:\\PROGRA~1\\SOVELI~1.SCR", "/p 7"}};
  // clang-format on
  for (const auto& [line, modulePath, arguments] : cases)
    EXPECT_EQ(ArgumentsAfterProgramName(line, modulePath), arguments) << line;
}

TEST(PreviewHandle, TheLongestNumericTailRoundedHalvesToEvenInThirtyTwoBitsOrZero) {
  // "1 2", "p5" and "1.2.7" are no numbers, so the tails " 2", "5" and "2.7" are the longest
  // that are. A handle written unsigned keeps its 32 bits; anything wider gives 0.
  // clang-format off
  const std::pair<const char*, int32_t> cases[] = {
      {"/p 1234", 1234}, {"/P    1234", 1234}, {"/p:1234", 1234}, {"  /p 1234  ", 1234},
      {"/p\t1234", 1234}, {"/p -5", -5}, {"/p +5", 5}, {"/P 1E3", 1000}, {"/p 1 2", 2},
      {"/p5", 5}, {"/p 7-", 0}, {"/p 12.5", 12}, {"/p 13.5", 14}, {"/p 1234.", 1234},
      {"/p .6", 1}, {"/p -0.4", 0}, {"/p 1.2.7", 3}, {"", 0}, {"/P ", 0}, {"/p 12abc", 0},
      {"/p .", 0}, {"/p -", 0}, {"/p 1e+", 0}, {"/p 2147483647", 2147483647},
      {"/p -2147483648", INT32_MIN}, {"/p 4294967295", -1}, {"/p 2147483648", INT32_MIN},
      {"/p 4294967296", 0}, {"/p -2147483649", 0}, {"/p 99999999999999999999", 0},
      {"/p 1e400", 0}, {"/p -1e400", 0}};
  // clang-format on
  for (const auto& [text, handle] : cases)
    EXPECT_EQ(PreviewHandleFromArguments(text), handle) << '"' << text << '"';
}

TEST(PreviewFrames, RunsToAndFroStayingTwoTicksAtEachEnd) {
  PreviewFrames frames;
  PreviewFormLoad(frames);
  std::string shown, hidden;
  for (int tick = 0; tick < 20; ++tick) {
    const FrameChange change = PreviewTimerTick(frames);
    EXPECT_EQ(change.show, PreviewPictureShown(frames));
    shown += static_cast<char>('0' + change.show);
    hidden += change.hide ? static_cast<char>('0' + *change.hide) : '-';
  }
  // The frame shown before is hidden, except when the same frame stays.
  EXPECT_EQ(shown + " " + hidden, "12344321001234432100 0123-4321-0123-4321-");
}

TEST(ChooseDisplay, ARandomWindowNeverRepeatsThePreviousOneAndABoxOrOvalIsFollowedByAPicture) {
  // {previous window, draws, pick}. 3/7 = 0.43: the third window (3) is the previous one, so
  // it draws again. Nothing stored reads as 0: a draw of 0 is refused. floor(5 * 0.999) = 4,
  // never 5 or 6.
  const std::tuple<const char*, std::vector<float>, int16_t> cases[] = {
      {"3", {0.43f, 0.99f}, 6},
      {nullptr, {0.0f, 0.0f, 0.15f}, 1},
      {"5", {0.999f}, 4},
      {"6", {0.0f}, 0}};
  for (const auto& [last, draws, pick] : cases) {
    MemorySettingsStore store;
    if (last) store.values["LastDisplayUsed"] = last;
    ScriptedRandom random(draws);
    EXPECT_EQ(ChooseDisplay(kRandomDisplay, store, random), pick) << draws.size();
    EXPECT_EQ(std::pair(random.Left(), random.reseeds), std::pair(size_t{0}, 1)) << draws.size();
  }
}

TEST(PrepareSaverRun, EachSpeedAndFrequencyGivesItsMoveDelayAndChangeInterval) {
  // {Speed and Frequency, move delay, change interval}
  const struct {
    int16_t value;
    int16_t delay;
    int32_t interval;
  } cases[] = {{0, 28, 30000}, {1, 21, 60000},  {2, 14, 120000}, {3, 7, 300000},
               {4, 0, 600000}, {-1, 14, 30000}, {5, 14, 30000}};
  for (const auto& c : cases) {
    ScriptedRandom random;
    MemorySettingsStore store;
    store.values["LastDisplayUsed"] = "4";
    SaverSettings settings;
    settings.gSpeed = settings.gFrequency = c.value;
    settings.gDisplayOption = 9;  // a fixed window is recorded as it is, without drawing
    const SaverRunSetup setup = PrepareSaverRun(settings, store, random);
    EXPECT_EQ(std::tuple(setup.gMoveDelay, setup.gChangeInterval, setup.gDisplayUsed),
              std::tuple(c.delay, c.interval, int16_t{9}))
        << c.value;
    EXPECT_EQ(store.values["LastDisplayUsed"], "9");
    EXPECT_EQ(random.Used() + random.reseeds, 0u);
  }
}

}  // namespace
}  // namespace sovelin
