#include "designs/circles.h"

#include <gtest/gtest.h>

#include <vector>

#include "designs/recording_canvas.h"
#include "tests/scripted_random.h"

namespace sovelin {
namespace {

// Fill colour parts then outline colour parts of one circle.
void AddCircleColors(ScriptedRandom& random) {
  for (float part : {1.0f / 255.0f, 0.0f, 0.0f, 0.0f, 2.0f / 255.0f, 0.0f}) random.Add(part);
}

TEST(EmbeddedCircles, DrawsConcentricSolidCirclesEvery600TwipsDownToZero) {
  // A third of 18000 is 6000; R0 = 0.5 * 6000 = 3000 gives circles 3000, 2400, ..., 0.
  RecordingCanvas canvas(18000.0f, 9000.0f);
  canvas.SetPenWidth(150);
  ScriptedRandom random{0.5f, 0.25f, 0.5f};
  for (int circle = 0; circle < 6; ++circle) AddCircleColors(random);
  DesignState state;
  DrawEmbeddedCircles(canvas, random, state);

  EXPECT_EQ(random.Left(), 0u);
  ASSERT_EQ(canvas.calls.size(), 6u);
  float radius = 3000.0f;
  for (const CanvasCall& call : canvas.calls) {
    EXPECT_EQ(call.kind, CanvasCall::Kind::kCircle);
    EXPECT_FLOAT_EQ(call.radius, radius);
    EXPECT_FLOAT_EQ(call.x1, 4500.0f);
    EXPECT_FLOAT_EQ(call.y1, 4500.0f);
    EXPECT_EQ(call.fillStyle, kFillSolid);
    EXPECT_EQ(call.fillColor, 1);
    EXPECT_EQ(call.color, 2 * 256);
    // The circles keep whatever pen the surface has.
    EXPECT_EQ(call.penWidth, 150);
    radius -= 600.0f;
  }
  EXPECT_FLOAT_EQ(canvas.CurrentX(), 4500.0f);
}

TEST(RandomCircles, DrawsEvery500TwipsEachAtItsOwnUnlimitedCentre) {
  RecordingCanvas canvas(12000.0f, 6000.0f, 15000.0f, 9000.0f);
  // A third of 15000 is 5000; R0 = 0.2 * 5000 = 1000 gives circles 1000, 500, 0.
  ScriptedRandom random{0.2f};
  const std::vector<float> centres = {0.9f, 0.9f, 0.5f, 0.5f, 0.0f, 0.25f};
  for (size_t circle = 0; circle < 3; ++circle) {
    random.Add(centres[2 * circle]);
    random.Add(centres[2 * circle + 1]);
    AddCircleColors(random);
  }
  DesignState state;
  DrawRandomCircles(canvas, random, state);

  EXPECT_EQ(random.Left(), 0u);
  ASSERT_EQ(canvas.calls.size(), 3u);
  EXPECT_FLOAT_EQ(canvas.calls[0].radius, 1000.0f);
  EXPECT_FLOAT_EQ(canvas.calls[2].radius, 0.0f);
  EXPECT_FLOAT_EQ(canvas.calls[0].x1, 13500.0f);
  EXPECT_FLOAT_EQ(canvas.calls[0].y1, 8100.0f);
  EXPECT_FLOAT_EQ(canvas.calls[1].x1, 7500.0f);
  EXPECT_FLOAT_EQ(canvas.calls[2].y1, 2250.0f);
  for (const CanvasCall& call : canvas.calls) {
    EXPECT_EQ(call.fillStyle, kFillSolid);
    EXPECT_EQ(call.fillColor, 1);
    EXPECT_EQ(call.color, 2 * 256);
  }
}

TEST(Confetti, Draws50DotsWithAFivePixelPenAtPlacesRoundedHalvesToEven) {
  RecordingCanvas canvas(2.0f, 2.0f);
  ScriptedRandom random;
  for (int dot = 0; dot < 50; ++dot) {
    // 0.25 * 2 = 0.5 rounds to 0; 0.75 * 2 = 1.5 rounds to 2, onto the edge.
    random.Add(dot % 2 == 0 ? 0.25f : 0.75f);
    random.Add(0.75f);
    for (int part = 0; part < 3; ++part) random.Add(1.0f / 255.0f);
  }
  DesignState state;
  DrawConfetti(canvas, random, state);

  EXPECT_EQ(random.Left(), 0u);
  ASSERT_EQ(canvas.calls.size(), 50u);
  for (size_t dot = 0; dot < canvas.calls.size(); ++dot) {
    const CanvasCall& call = canvas.calls[dot];
    EXPECT_EQ(call.kind, CanvasCall::Kind::kPoint);
    EXPECT_EQ(call.penWidth, 5);
    EXPECT_EQ(call.x1, dot % 2 == 0 ? 0.0f : 2.0f);
    EXPECT_EQ(call.y1, 2.0f);
    EXPECT_EQ(call.color, 0x010101);
  }
  EXPECT_EQ(canvas.PenWidth(), 5);
  EXPECT_EQ(canvas.CurrentX(), 2.0f);
}

}  // namespace
}  // namespace sovelin
