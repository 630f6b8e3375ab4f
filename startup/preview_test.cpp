#include "startup/preview.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace sovelin {
namespace {

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
  std::vector<int16_t> shown;
  std::vector<int16_t> hidden;
  for (int tick = 0; tick < 20; ++tick) {
    const FrameChange change = PreviewTimerTick(frames);
    EXPECT_EQ(change.show, PreviewPictureShown(frames));
    shown.push_back(change.show);
    hidden.push_back(change.hide.value_or(-1));
  }
  EXPECT_EQ(shown,
            (std::vector<int16_t>{1, 2, 3, 4, 4, 3, 2, 1, 0, 0, 1, 2, 3, 4, 4, 3, 2, 1, 0, 0}));
  // The frame shown before is hidden, except when the same frame stays.
  EXPECT_EQ(hidden,
            (std::vector<int16_t>{0, 1, 2, 3, -1, 4, 3, 2, 1, -1, 0, 1, 2, 3, -1, 4, 3, 2, 1, -1}));
}

}  // namespace
}  // namespace sovelin
