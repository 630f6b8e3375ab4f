#include <gtest/gtest.h>

#include <random>
#include <string>

#include "password/change_password.h"
#include "password/password_prompt.h"
#include "password/password_store.h"
#include "password/scramble.h"

namespace sovelin {
namespace {

std::string Scramble(std::string_view text) {
  return ScramblePassword(text, UpperCaseWindows1252);
}

TEST(ScrambleChar, SkipsForbiddenResultsAndAllowsTheRest) {
  // {key, value, value afterwards}: key 1 flips the lowest bit; negative results are allowed.
  int16_t cases[][3] = {{1, 33, 33},   {1, 32, 33},   {1, 127, 126}, {1, 126, 126},
                        {1, 145, 145}, {1, 144, 145}, {1, 147, 146}, {1, 146, 146},
                        {1, 158, 158}, {1, 161, 160}, {1, 60, 60},   {1, 90, 90},
                        {1, 92, 92},   {1, 1, 1},     {1, 256, 257}, {-1, 5, -6}};
  for (auto [key, value, after] : cases) {
    ScrambleChar(key, value);
    EXPECT_EQ(value, after) << "key " << key << ", value afterwards " << value;
  }
}

TEST(ScramblePassword, KnownScramblesWorkedOutByHand) {
  // One character, forward pass only. "1" (49): 49 ^ 1 (length) = 48; 48 ^ 73 = 121 "y".
  // "a" -> "A" (65): 65 ^ 1 = 64; 64 ^ 73 = 9 is a control code, so 64 "@" stays.
  // "12" = 49, 50; length 2.
  // Forward  i=1: 49 ^ 2 = 51; 51 ^ 73 = 122.                  -> 122, 50
  //          i=2: 50 ^ 2 = 48; 48 ^ 1 = 49; 49 ^ 122 = 75.     -> 122, 75
  // Backward i=2: 75 ^ 2 = 73; 73 ^ 73 = 0 forbidden, stays.   -> 122, 73
  //          i=1: 122 ^ 2 = 120; 120 ^ 0 = 120; 120 ^ 73 = 49. -> 49, 73 = "1I"
  // "AB": forward gives 67, 65; backward i=2 gives 67; at position 1: 67 ^ 2 = 65,
  // 65 ^ 0 = 65, then 65 ^ 67 = 2 is a control code: skipped, 65 stays.
  // Upper-cased first: forward 66, 64, 66; backward 65, 66, 65.
  // Each position takes its index, then its neighbour. Taken the other way round, "D8C"
  // gives "{?A" (forward pass) and "A4H" gives "7vu" (forward) or "7vJ" (backward).
  // Letters of the code page. e acute 0xE9 -> 201: 201 ^ 1 = 200; 200 ^ 73 = 129
  // forbidden, stays 200. y diaeresis 0xFF -> 159: 159 ^ 1 = 158 forbidden; 159 ^ 73 = 214.
  // u grave 0xF9 -> 217: 217 ^ 1 = 216; 216 ^ 73 = 145, allowed. u circumflex 0xFB -> 219:
  // 219 ^ 1 = 218; 218 ^ 73 = 147, forbidden.
  const std::pair<std::string, std::string> known[] = {
      {"1", "y"},       {"a", "@"},       {"12", "1I"},     {"AB", "AC"},    {"ABC", "ABA"},
      {"aBc", "ABA"},   {"", ""},         {"D8C", ":~u"},   {"A4H", "}<J"},  {"\xE9", "\xC8"},
      {"\xC9", "\xC8"}, {"\xFF", "\xD6"}, {"\xF9", "\x91"}, {"\xFB", "\xDA"}};
  for (const auto& [typed, stored] : known) EXPECT_EQ(Scramble(typed), stored) << typed;
  EXPECT_EQ(UpperCaseWindows1252(0xF7), 0xF7);  // division sign
  EXPECT_EQ(UpperCaseWindows1252(0xDF), 0xDF);  // sharp s
  EXPECT_EQ(UpperCaseWindows1252(0x9A), 0x8A);
  EXPECT_EQ(UpperCaseWindows1252(0x9E), 0x8E);
}

TEST(ScramblePassword, NeverProducesForbiddenCharactersFromAllowedOnes) {
  std::mt19937 engine(20240611);
  std::uniform_int_distribution<int> code(33, 255);
  std::uniform_int_distribution<std::size_t> length(1, kMaxPasswordLength);
  for (int round = 0; round < 300; ++round) {
    std::string typed(length(engine), 'A');
    for (char& ch : typed) {
      do {
        ch = static_cast<char>(code(engine));
      } while (IsForbiddenCode(UpperCaseWindows1252(static_cast<uint8_t>(ch))));
    }
    const std::string scrambled = Scramble(typed);
    ASSERT_EQ(scrambled.size(), typed.size());
    for (char ch : scrambled)
      ASSERT_FALSE(IsForbiddenCode(static_cast<uint8_t>(ch))) << int(uint8_t(ch));
  }
}

bool Matches(std::string_view typed, const SettingsStore& store) {
  return PasswordMatches(typed, store, UpperCaseWindows1252);
}

TEST(PasswordMatches, ComparesScrambledTextsUpToTheLongestAndWithoutOneOnlyTheEmptyEntry) {
  MemorySettingsStore store;
  EXPECT_TRUE(Matches("", store));
  EXPECT_FALSE(Matches("0", store));
  // A stored "0" means no password, as the change dialog treats it; no typed text scrambles
  // to it, so without this the saver could never be stopped.
  SavePassword(store, "0");
  EXPECT_TRUE(Matches("", store));
  EXPECT_FALSE(Matches("x", store));

  SavePassword(store, Scramble("Secret"));
  EXPECT_TRUE(Matches("SECRET", store));
  EXPECT_FALSE(Matches("secre", store));
  EXPECT_FALSE(Matches("", store));
  const std::string longest(kMaxPasswordLength, 'k');
  SavePassword(store, Scramble(longest));
  EXPECT_TRUE(Matches(std::string(kMaxPasswordLength, 'K'), store));
  // From 256 characters on the keys leave the byte range; such a text is refused, not fatal.
  EXPECT_FALSE(Matches(longest + "k", store));
  EXPECT_EQ(Scramble(std::string(300, 'z')).size(), 300u);
}

// The real saver's prompt (tests/saver_start_win32_test.cpp) refuses a wrong password with
// its message, goes back on Cancel and ends on the right one, and the prompt's own test
// (ask_password_win32_test.cpp) sees it loaded and closed; here the rules they cannot see.
TEST(PasswordPrompt, ThePasswordIsReadAfreshAtEachTryAndEndingWritesNothing) {
  MemorySettingsStore store;
  SaverSettings settings;
  settings.gPWProtected = 1;
  bool gStopRequested = true, gPromptShown = false;
  const auto prompt = [&] {
    return PasswordPrompt(store, UpperCaseWindows1252, settings, gStopRequested, gPromptShown);
  };
  SavePassword(store, Scramble("amen"));
  PasswordPrompt first = prompt();
  EXPECT_EQ(first.Ok("amen ").result, PromptResult::TryAgain);
  EXPECT_FALSE(gStopRequested);
  SavePassword(store, Scramble("new"));
  EXPECT_EQ(first.Ok("amen").result, PromptResult::TryAgain);
  const PromptOkOutcome outcome = first.Ok("NEW");
  EXPECT_TRUE(outcome.result == PromptResult::EndSaver && outcome.stopSaverRunning);
  EXPECT_EQ(store.writeOrder.size(), 2u) << "only the two passwords stored here";
  settings.gPWProtected = -1;  // only a protected saver is told to stop running
  EXPECT_FALSE(prompt().Ok("new").stopSaverRunning);
}

// The dialog's other decisions are driven through the real dialog in
// change_password_dialog_win32_test.cpp.
TEST(ChangePasswordDialog, EmptyOrZeroStoredTextMeansNoPasswordSet) {
  MemorySettingsStore store;
  SavePassword(store, Scramble("love"));
  EXPECT_TRUE(ChangePasswordDialog(store, UpperCaseWindows1252).Ok("love", "", "").closeDialog);
  EXPECT_EQ(store.values.at("Password"), "");
  EXPECT_FALSE(ChangePasswordDialog(store, UpperCaseWindows1252).OldPasswordEnabled());

  SavePassword(store, "0");
  EXPECT_FALSE(ChangePasswordDialog(store, UpperCaseWindows1252).OldPasswordEnabled());
}

}  // namespace
}  // namespace sovelin
