#include "startup/preview.h"

#include <gtest/gtest.h>

#include <vector>

namespace sovelin {
namespace {

TEST(PreviewHandle, TheLongestNumericTailIsTheHandle) {
  EXPECT_EQ(PreviewHandleFromArguments("/p 1234"), 1234);
  EXPECT_EQ(PreviewHandleFromArguments("/P    1234"), 1234);
  EXPECT_EQ(PreviewHandleFromArguments("/p:1234"), 1234);
  EXPECT_EQ(PreviewHandleFromArguments("  /p 1234  "), 1234);
  EXPECT_EQ(PreviewHandleFromArguments("/p\t1234"), 1234);
  EXPECT_EQ(PreviewHandleFromArguments("/p -5"), -5);
  EXPECT_EQ(PreviewHandleFromArguments("/p +5"), 5);
  EXPECT_EQ(PreviewHandleFromArguments("/p 1e3"), 1000);
  EXPECT_EQ(PreviewHandleFromArguments("/P 1E3"), 1000);
  // "1 2" is no number, so the tail " 2" is the longest that is.
  EXPECT_EQ(PreviewHandleFromArguments("/p 1 2"), 2);
  // The tail "p5" is no number but "5" is; a sign alone is not.
  EXPECT_EQ(PreviewHandleFromArguments("/p5"), 5);
  EXPECT_EQ(PreviewHandleFromArguments("/p 7-"), 0);
}

TEST(PreviewHandle, FractionsRoundHalvesToEven) {
  EXPECT_EQ(ParsePreviewHandle("/p 12.5"), 12);
  EXPECT_EQ(ParsePreviewHandle("/p 13.5"), 14);
  EXPECT_EQ(ParsePreviewHandle("/p 1234."), 1234);
  EXPECT_EQ(ParsePreviewHandle("/p .6"), 1);
  EXPECT_EQ(ParsePreviewHandle("/p -0.4"), 0);
  // "1.2.7" is no number; its longest numeric tail is "2.7".
  EXPECT_EQ(ParsePreviewHandle("/p 1.2.7"), 3);
}

TEST(PreviewHandle, NoNumericTailGivesZero) {
  for (const char* text :
       {"", "   ", "/p", "/P ", "/p 12abc", "/p 10x", "/p .", "/p -", "/p 1e", "/p 1e+"}) {
    EXPECT_EQ(PreviewHandleFromArguments(text), 0) << '"' << text << '"';
  }
}

TEST(PreviewHandle, ValuesBeyondThirtyTwoBitsGiveZero) {
  EXPECT_EQ(ParsePreviewHandle("/p 2147483647"), 2147483647);
  EXPECT_EQ(ParsePreviewHandle("/p -2147483648"), INT32_MIN);
  // A handle written unsigned keeps its 32 bits.
  EXPECT_EQ(ParsePreviewHandle("/p 4294967295"), -1);
  EXPECT_EQ(ParsePreviewHandle("/p 2147483648"), INT32_MIN);
  for (const char* text :
       {"/p 4294967296", "/p -2147483649", "/p 99999999999999999999", "/p 1e400", "/p -1e400"}) {
    EXPECT_EQ(ParsePreviewHandle(text), 0) << text;
  }
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
