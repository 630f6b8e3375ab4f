#include "versewin/verse_fit.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace sovelin {
namespace {

std::tuple<int, size_t, bool> Tuple(const VerseFit& fit) {
  return {fit.height, fit.words, fit.cut};
}

// A label that holds 200 "height units": each word takes the font's height, the reference
// (and the ellipsis) two more. At 20 px the floor is 12.
TEST(VerseFit, ShrinksPixelByPixelToTheFloorThenKeepsAsManyWordsAsFit) {
  std::vector<std::pair<int, size_t>> asked;
  const auto label = [&](int height, size_t words) {
    asked.emplace_back(height, words);
    return height * static_cast<int>(words + 2) <= 200;
  };
  // The floor is 60 % rounded up: 0.6 x 13 = 7.8 -> 8; 0.6 x 1 = 0.6 -> 1; 0.6 x 10 = 6.
  EXPECT_EQ(std::tuple(FitFloorHeight(13), FitFloorHeight(1), FitFloorHeight(10)),
            std::tuple(8, 1, 6));
  // 4 words: 20 x 6 = 120 fits at once; nothing changes.
  EXPECT_EQ(Tuple(FitVerse(20, 4, label)), std::tuple(20, size_t{4}, false));
  EXPECT_EQ(asked.size(), 1u);
  // 10 words: 240, 228, 216, 204 are too much; 16 x 12 = 192 fits.
  asked.clear();
  EXPECT_EQ(Tuple(FitVerse(20, 10, label)), std::tuple(16, size_t{10}, false));
  EXPECT_EQ(asked, (std::vector<std::pair<int, size_t>>{
                       {20, 10}, {19, 10}, {18, 10}, {17, 10}, {16, 10}}));
  // 30 words never fit whole down to 12 px (12 x 32 = 384); there 12 x (14 + 2) = 192 fits
  // and 12 x 17 = 204 does not: 14 words stay.
  EXPECT_EQ(Tuple(FitVerse(20, 30, label)), std::tuple(12, size_t{14}, true));
  // A label too small for even the reference: nothing of the text is left.
  EXPECT_EQ(Tuple(FitVerse(20, 30, [](int, size_t) { return false; })),
            std::tuple(12, size_t{0}, true));
}

TEST(VerseFit, CutsTheTextAtAWordAndKeepsTheReferenceWhole) {
  const std::u16string verse = u"In the  beginning God created\r\nGenesis 1:1";
  EXPECT_EQ(VerseWordCount(verse), 5u);
  EXPECT_EQ(CutVerse(verse, 3), u"In the  beginning\u2026\r\nGenesis 1:1");
  EXPECT_EQ(CutVerse(verse, 0), u"\u2026\r\nGenesis 1:1");
  EXPECT_EQ(CutVerse(verse, 5), verse);
  // A text of two lines: only the last line is the reference.
  EXPECT_EQ(CutVerse(u"Jesus wept.\nAmen\nJohn 11:35", 2), u"Jesus wept.\u2026\nJohn 11:35");
  // Without blanks, each character is a word (a surrogate pair is one character).
  const std::u16string chinese = u"起初神創造天地\U00020000\r\n創世記 1:1";
  EXPECT_EQ(VerseWordCount(u"起初神\U00020000\r\nX"), 4u);
  EXPECT_EQ(CutVerse(chinese, 3), u"起初神\u2026\r\n創世記 1:1");
}

}  // namespace
}  // namespace sovelin
