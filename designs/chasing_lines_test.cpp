#include "designs/chasing_lines.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "designs/draw_design.h"
#include "designs/recording_canvas.h"
#include "tests/scripted_random.h"

namespace sovelin {
namespace {

void AddColor(ScriptedRandom& random) {
  for (int part = 0; part < 3; ++part) random.Add(0.0f);
}

TEST(ChasingLines, TheFirstSegmentOfTheRunStartsAtARandomPoint) {
  RecordingCanvas canvas(12000.0f, 9000.0f);
  // End point first, then the start point, then the colour.
  ScriptedRandom random{0.5f, 0.25f, 0.125f, 0.75f, 1.0f / 255.0f, 0.0f, 0.0f};
  DesignState state;
  DrawChasingLines(canvas, random, state);

  EXPECT_EQ(random.Left(), 0u);
  ASSERT_EQ(canvas.calls.size(), 1u);
  const CanvasCall& line = canvas.calls[0];
  EXPECT_EQ(line.kind, CanvasCall::Kind::kLine);
  EXPECT_EQ(line.x1, 1501.0f);
  EXPECT_EQ(line.y1, 6751.0f);
  EXPECT_EQ(line.x2, 6001.0f);
  EXPECT_EQ(line.y2, 2251.0f);
  EXPECT_EQ(line.color, 1);
  EXPECT_EQ(line.penWidth, 10);
  EXPECT_FALSE(state.mFirstDraw);
}

TEST(ChasingLines, RandomSwitchingBetweenTheTwoLineDesignsKeepsOnePath) {
  RecordingCanvas canvas(12000.0f, 9000.0f);
  DesignState state;
  ScriptedRandom random;
  random.Add(0.7f);  // "Random" picks design 4: five segments
  for (int segment = 0; segment < 5; ++segment) {
    random.Add(0.1f * static_cast<float>(segment + 1));
    random.Add(0.05f * static_cast<float>(segment + 1));
    if (segment == 0) {
      random.Add(0.9f);
      random.Add(0.9f);
    }
    AddColor(random);
  }
  random.Add(0.9f);  // then design 5: three segments
  for (int segment = 0; segment < 3; ++segment) {
    random.Add(0.3f);
    random.Add(0.6f - 0.1f * static_cast<float>(segment));
    AddColor(random);
  }
  DrawDesign(canvas, random, state, kRandomDesign);
  EXPECT_EQ(state.mDesignInUse, 4);
  DrawDesign(canvas, random, state, kRandomDesign);
  EXPECT_EQ(state.mDesignInUse, 5);

  EXPECT_EQ(random.Left(), 0u);
  ASSERT_EQ(canvas.calls.size(), 8u);
  EXPECT_EQ(canvas.calls[0].x1, 10801.0f);
  for (size_t segment = 1; segment < canvas.calls.size(); ++segment) {
    EXPECT_EQ(canvas.calls[segment].x1, canvas.calls[segment - 1].x2) << segment;
    EXPECT_EQ(canvas.calls[segment].y1, canvas.calls[segment - 1].y2) << segment;
    EXPECT_EQ(canvas.calls[segment].penWidth, segment < 5 ? 10 : 150) << segment;
  }
}

}  // namespace
}  // namespace sovelin
