#include "designs/color_swirls.h"

#include <gtest/gtest.h>

#include <vector>

#include "designs/recording_canvas.h"
#include "tests/scripted_random.h"

namespace sovelin {
namespace {

// Random values of one swirl in the order it draws them: red, green, blue, centre x,
// centre y, angle step, start angle, x sign, y sign, radius scale.
std::vector<float> SwirlScript(float loops, float startAngle, float signY = 0.0f,
                               float factor = 0.5f) {
  return {0.5f, 0.25f, 0.75f, 0.5f, 0.0f, loops, startAngle, 0.75f, signY, factor};
}

TEST(ColorSwirls, DrawsItsValuesInTheirFixedOrder) {
  RecordingCanvas canvas(12000.0f, 9000.0f);
  ScriptedRandom random(SwirlScript(0.5f, 0.25f, 0.5f));
  DesignState state;
  DrawColorSwirls(canvas, random, state);

  EXPECT_EQ(random.Used(), 10u);
  // Angle step floor(0.5 * 20 + 1) = 11: lines at 1, 12, ..., 353.
  ASSERT_EQ(canvas.calls.size(), 33u);
  const CanvasCall& first = canvas.calls.front();
  EXPECT_EQ(first.kind, CanvasCall::Kind::kLine);
  // Colour parts floor(r * 256): 128, 64, 192.
  EXPECT_EQ(first.color, 128 + 256 * 64 + 65536 * 192);
  EXPECT_EQ(first.penWidth, 1);
  // Centre: 0.5 * 12000 - 5, and 0 * 9000 - 5 raised to 5.
  EXPECT_FLOAT_EQ(first.x1, 5995.0f);
  EXPECT_FLOAT_EQ(first.y1, 5.0f);
  // Start angle round(0.25 * 360) = 90, x mirrored (7.5 > 5), y not (5 is not above 5),
  // radius scale floor((4500 - 19) * 0.5 + 20) = 2260. The first line is at 91 degrees,
  // 91 * 2260 / 360 = 571.28 twips long.
  EXPECT_NEAR(first.x2 - first.x1, 9.969f, 0.002f);
  EXPECT_NEAR(first.y2 - first.y1, 571.191f, 0.002f);
  // The last line is at 90 + 353 = 443 degrees, 2781.06 twips long.
  const CanvasCall& last = canvas.calls.back();
  EXPECT_NEAR(last.x2 - last.x1, -338.944f, 0.002f);
  EXPECT_NEAR(last.y2 - last.y1, 2760.324f, 0.002f);
  for (const CanvasCall& call : canvas.calls) {
    EXPECT_EQ(call.x1, first.x1);
    EXPECT_EQ(call.y1, first.y1);
  }
  EXPECT_EQ(canvas.CurrentX(), last.x2);
  EXPECT_EQ(canvas.CurrentY(), last.y2);
}

TEST(ColorSwirls, PenWidthCyclesFromOneToFiveAcrossSwirls) {
  RecordingCanvas canvas(12000.0f, 9000.0f);
  DesignState state;
  std::vector<int> widths;
  for (int swirl = 0; swirl < 6; ++swirl) {
    ScriptedRandom random(SwirlScript(0.99f, 0.0f));
    canvas.calls.clear();
    DrawColorSwirls(canvas, random, state);
    widths.push_back(canvas.calls.front().penWidth);
  }
  EXPECT_EQ(widths, (std::vector<int>{1, 2, 3, 4, 5, 1}));
  // The width stays set for whatever is drawn next.
  EXPECT_EQ(canvas.PenWidth(), 1);
  EXPECT_EQ(state.gCurveStyle, 1);
}

}  // namespace
}  // namespace sovelin
