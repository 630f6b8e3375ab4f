#include "designs/canvas.h"

#include <gtest/gtest.h>

#include <utility>

#include "designs/recording_canvas.h"

namespace sovelin {
namespace {

TEST(Canvas, EveryOperationLeavesTheCurrentPointWhereItEnded) {
  RecordingCanvas canvas(1000.0f, 800.0f);
  canvas.LineFromCurrent(10.0f, 20.0f, 1);  // from the initial (0, 0)
  canvas.LineBy(100.0f, 200.0f, -30.0f, 5.0f, 2);
  canvas.LineFromCurrent(1.0f, 2.0f, 3);
  canvas.Circle(400.0f, 300.0f, 50.0f, 4);
  canvas.LineFromCurrent(0.0f, 0.0f, 5);
  canvas.Point(7.0f, 8.0f, 6);
  canvas.LineFromCurrent(9.0f, 9.0f, 7);

  ASSERT_EQ(canvas.calls.size(), 7u);
  const auto start = [&](size_t i) { return std::pair(canvas.calls[i].x1, canvas.calls[i].y1); };
  EXPECT_EQ(start(0), std::pair(0.0f, 0.0f));
  EXPECT_EQ(start(2), std::pair(70.0f, 205.0f));
  EXPECT_EQ(start(4), std::pair(400.0f, 300.0f));
  EXPECT_EQ(start(6), std::pair(7.0f, 8.0f));
}

}  // namespace
}  // namespace sovelin
