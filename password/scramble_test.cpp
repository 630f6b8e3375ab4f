#include "password/scramble.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace sovelin {
namespace {

std::string Scramble(std::string_view text) {
  return ScramblePassword(text, UpperCaseWindows1252);
}

TEST(ScrambleChar, SkipsForbiddenResultsAndAllowsTheRest) {
  // Key 1 flips the lowest bit, so value v ^ 1 is the result tested.
  const struct {
    int16_t value;
    int16_t expected;
  } cases[] = {
      {33, 33},   {32, 33},    // 32 (blank) forbidden, 33 allowed
      {127, 126}, {126, 126},  // 127 forbidden, 126 allowed
      {145, 145}, {144, 145},  // 144 forbidden, 145 allowed
      {147, 146}, {146, 146},  // 146 allowed, 147 forbidden
      {158, 158}, {161, 160},  // 159 forbidden, 160 allowed
      {60, 60},   {90, 90},    // 61 "=" and 91 "[" forbidden
      {92, 92},   {93, 92},    // 93 "]" forbidden, 92 allowed
      {1, 1},     {256, 257},  // 0 forbidden, above a byte allowed
  };
  for (const auto& c : cases) {
    int16_t value = c.value;
    ScrambleChar(1, value);
    EXPECT_EQ(value, c.expected) << "value " << c.value;
  }
  int16_t value = 5;
  ScrambleChar(-1, value);
  EXPECT_EQ(value, -6) << "negative results are allowed";
}

TEST(ScramblePassword, OneCharacterGetsOnlyTheForwardPass) {
  // "1" (49): 49 ^ 1 (length) = 48; 48 ^ 73 (start) = 121, "y".
  EXPECT_EQ(Scramble("1"), "y");
  // "A" (65): 65 ^ 1 = 64; 64 ^ 73 = 9 is a control code, so 64 "@" stays.
  EXPECT_EQ(Scramble("A"), "@");
  EXPECT_EQ(Scramble("a"), "@");
}

TEST(ScramblePassword, KnownTwoCharacterScrambles) {
  // "12" = 49, 50; length 2.
  // Forward  i=1: 49 ^ 2 = 51; 51 ^ 73 = 122.                 -> 122, 50
  //          i=2: 50 ^ 2 = 48; 48 ^ 1 = 49; 49 ^ 122 = 75.    -> 122, 75
  // Backward i=2: 75 ^ 2 = 73; 73 ^ 73 = 0 forbidden, stays.  -> 122, 73
  //          i=1: 122 ^ 2 = 120; 120 ^ 0 = 120; 120 ^ 73 = 49. -> 49, 73 = "1I"
  EXPECT_EQ(Scramble("12"), "1I");

  // "AB" = 65, 66. Forward: 65^2=67, 67^73=10 skipped -> 67; 66^2=64, 64^1=65, 65^67=2
  // skipped -> 65. Backward: 65^2=67, 67^73=10 skipped -> 67; at position 1: 67^2=65,
  // 65^0=65, 65^67=2 is a control code, so that step is skipped and 65 stays.
  EXPECT_EQ(Scramble("AB"), "AC");
}

TEST(ScramblePassword, UpperCasesFirstSoEveryCaseScramblesAlike) {
  // "ABC": forward gives 66, 64, 66; backward 65, 66, 65 (every neighbour step skipped).
  EXPECT_EQ(Scramble("ABC"), "ABA");
  EXPECT_EQ(Scramble("abc"), "ABA");
  EXPECT_EQ(Scramble("aBc"), "ABA");
  EXPECT_EQ(Scramble(""), "");
}

TEST(ScramblePassword, NonAsciiLettersOfTheCodePage) {
  // e acute 0xE9 -> 0xC9 (201): 201 ^ 1 = 200; 200 ^ 73 = 129 forbidden, stays 200.
  EXPECT_EQ(Scramble("\xE9"), "\xC8");
  EXPECT_EQ(Scramble("\xC9"), "\xC8");
  // y diaeresis 0xFF -> 0x9F (159): 159 ^ 1 = 158 forbidden; 159 ^ 73 = 214.
  EXPECT_EQ(Scramble("\xFF"), "\xD6");
  // u grave 0xF9 -> 217: 217 ^ 1 = 216; 216 ^ 73 = 145, which is allowed.
  EXPECT_EQ(Scramble("\xF9"), "\x91");
  // u circumflex 0xFB -> 219: 219 ^ 1 = 218; 218 ^ 73 = 147, which is not.
  EXPECT_EQ(Scramble("\xFB"), "\xDA");
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
    for (char ch : scrambled) {
      ASSERT_FALSE(IsForbiddenCode(static_cast<uint8_t>(ch))) << int(uint8_t(ch));
    }
  }
}

TEST(ScramblePassword, OverlongTextsScrambleSafelyToTheSameLength) {
  const std::string longest(kMaxPasswordLength, '\xFF');
  EXPECT_EQ(Scramble(longest).size(), kMaxPasswordLength);
  // From 256 characters on the keys leave the byte range; the text still scrambles.
  const std::string overlong(300, 'z');
  const std::string scrambled = Scramble(overlong);
  EXPECT_EQ(scrambled.size(), overlong.size());
  EXPECT_EQ(scrambled, Scramble(std::string(300, 'Z')));
}

TEST(UpperCaseWindows1252, MapsTheSmallLettersOfTheCodePage) {
  EXPECT_EQ(UpperCaseWindows1252('a'), 'A');
  EXPECT_EQ(UpperCaseWindows1252('z'), 'Z');
  EXPECT_EQ(UpperCaseWindows1252('{'), '{');
  EXPECT_EQ(UpperCaseWindows1252(0xE0), 0xC0);
  EXPECT_EQ(UpperCaseWindows1252(0xFE), 0xDE);
  EXPECT_EQ(UpperCaseWindows1252(0xF7), 0xF7);  // division sign
  EXPECT_EQ(UpperCaseWindows1252(0xDF), 0xDF);  // sharp s has no capital here
  EXPECT_EQ(UpperCaseWindows1252(0x9A), 0x8A);
  EXPECT_EQ(UpperCaseWindows1252(0x9C), 0x8C);
  EXPECT_EQ(UpperCaseWindows1252(0x9E), 0x8E);
  EXPECT_EQ(UpperCaseWindows1252(0xFF), 0x9F);
}

}  // namespace
}  // namespace sovelin
