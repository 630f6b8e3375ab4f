#include "common/unicode_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

namespace sovelin {
namespace {

using namespace std::string_literals;

TEST(DecodeUtf8, PutsOneReplacementCharacterForEachMaximalFaultAndGoesOn) {
  // The bounds of each row of the Unicode standard's table of well-formed byte sequences
  // (Table 3-7); then faults, one U+FFFD for each byte that cannot go on: a stray byte, cut
  // short, past each narrowed second-byte range (overlong, surrogate, past U+10FFFF), no lead.
  // clang-format off
  const std::pair<std::string, std::u16string> cases[] = {
      {"\xC2\x80", u"\u0080"}, {"\xDF\xBF", u"\u07FF"}, {"\xE0\xA0\x80", u"\u0800"},
      {"\xE0\xBF\xBF", u"\u0FFF"}, {"\xE1\x80\x80", u"\u1000"}, {"\xEC\xBF\xBF", u"\uCFFF"},
      {"\xED\x80\x80", u"\uD000"}, {"\xED\x9F\xBF", u"\uD7FF"}, {"\xEE\x80\x80", u"\uE000"},
      {"\xEF\xBF\xBF", u"\uFFFF"}, {"\xF0\x90\x80\x80", u"\U00010000"},
      {"\xF0\xBF\xBF\xBF", u"\U0003FFFF"}, {"\xF1\x80\x80\x80", u"\U00040000"},
      {"\xF3\xBF\xBF\xBF", u"\U000FFFFF"}, {"\xF4\x80\x80\x80", u"\U00100000"},
      {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"}, {"\xF0\x9F\x98\x80\xE2\x82\xAC", u"\U0001F600\u20AC"},
      {"a\x80z", u"a\uFFFDz"}, {"\xE2\x82x", u"\uFFFDx"}, {"\xF0\x9F\x98", u"\uFFFD"},
      {"\xC1\xBF", u"\uFFFD\uFFFD"}, {"\xE0\x9F\xBF", u"\uFFFD\uFFFD\uFFFD"},
      {"\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"}, {"\xED\xA0\x80z", u"\uFFFD\uFFFD\uFFFDz"},
      {"\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, {"\xE1\xC0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, {"\xF5\x80\x80", u"\uFFFD\uFFFD\uFFFD"}};
  // clang-format on
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(DecodeUtf8(bytes), text) << EncodeUtf8(text);
    EXPECT_EQ(IsWellFormedUtf8(bytes), text.find(u'\uFFFD') == text.npos) << EncodeUtf8(text);
  }
  EXPECT_TRUE(IsWellFormedUtf8("ok \xF0\x9F\x98", true));  // cut at the end of what was read
  EXPECT_FALSE(IsWellFormedUtf8("ok \xF0\x9F\x98", false));
  EXPECT_FALSE(IsWellFormedUtf8("\xF0\x9F\x98 ok", true));
}

// A high surrogate in the last unit has no partner, whatever lies in memory after the input: here
// the low half of U+1F600, just past its end.
TEST(DecodeUtf16, NeverLooksPastTheEndOfTheInputForTheSecondHalfOfAPair) {
  const std::string both = "A\0\x3D\xD8\x00\xDE"s;  // "A", U+D83D, U+DE00 in little endian
  EXPECT_EQ(DecodeUtf16(std::string_view(both).substr(0, 4), false), u"A\uFFFD");
  EXPECT_EQ(DecodeUtf16(std::string_view(both).substr(0, 5), false), u"A\uFFFD\uFFFD");
  EXPECT_EQ(DecodeUtf16(both, false), u"A\U0001F600");
  const std::string big = "\0A\xD8\x3D\xDE\x00"s;
  EXPECT_EQ(DecodeUtf16(std::string_view(big).substr(0, 4), true), u"A\uFFFD");
}

}  // namespace
}  // namespace sovelin
