#include "designs/draw_design.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "designs/recording_canvas.h"
#include "tests/scripted_random.h"

namespace sovelin {
namespace {

// Enough middling values for any one step.
ScriptedRandom Plenty() {
  return ScriptedRandom(std::vector<float>(2000, 0.5f));
}

size_t CountOf(const RecordingCanvas& canvas, CanvasCall::Kind kind) {
  size_t count = 0;
  for (const CanvasCall& call : canvas.calls) count += call.kind == kind ? 1 : 0;
  return count;
}

int VisibleCount(const DesignState& state) {
  int visible = 0;
  for (const ShapeElement& element : state.shpClone.Elements()) visible += element.visible;
  return visible;
}

TEST(DrawDesign, EachBackgroundDrawsItsOwnStep) {
  struct Case {
    int16_t background;
    size_t lines;
    size_t circles;
    size_t points;
    int visibleShapes;
  };
  // At 0.5 a swirl has 33 lines and an embedded set floor(2000 / 600) + 1 = 4 circles,
  // a random set floor(2000 / 500) + 1 = 5.
  const std::vector<Case> cases = {
      {0, 66, 0, 0, 0}, {1, 0, 8, 0, 0}, {2, 0, 5, 0, 0}, {3, 0, 0, 50, 0},
      {4, 5, 0, 0, 0},  {5, 3, 0, 0, 0}, {6, 0, 0, 0, 2}, {7, 0, 0, 0, 1},
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas(12000.0f, 9000.0f);
    ScriptedRandom random = Plenty();
    DesignState state;
    DrawDesign(canvas, random, state, c.background);
    EXPECT_EQ(state.mDesignInUse, c.background);
    EXPECT_EQ(CountOf(canvas, CanvasCall::Kind::kLine), c.lines) << c.background;
    EXPECT_EQ(CountOf(canvas, CanvasCall::Kind::kCircle), c.circles) << c.background;
    EXPECT_EQ(CountOf(canvas, CanvasCall::Kind::kPoint), c.points) << c.background;
    EXPECT_EQ(VisibleCount(state), c.visibleShapes) << c.background;
    EXPECT_EQ(random.reseeds, 0) << c.background;
  }
}

TEST(DrawDesign, NoneAndUnknownSettingsDrawNothingButAreKept) {
  for (int16_t background : {int16_t{9}, int16_t{12}, int16_t{-1}, int16_t{32767}}) {
    RecordingCanvas canvas(12000.0f, 9000.0f);
    ScriptedRandom random;
    DesignState state;
    DrawDesign(canvas, random, state, background);
    EXPECT_EQ(state.mDesignInUse, background);
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_EQ(random.Used(), 0u);
    EXPECT_TRUE(state.mFirstDraw);
  }
}

TEST(DrawDesign, RandomReseedsAndPicksAmongThePaintedDesignsOnly) {
  // floor(r * 6 + 1) - 1 across the whole range of r.
  const std::vector<std::pair<float, int16_t>> picks = {
      {0.0f, 0}, {0.17f, 1}, {0.34f, 2}, {0.5f, 3}, {0.67f, 4}, {0.84f, 5}, {0.99999f, 5}};
  RecordingCanvas canvas(12000.0f, 9000.0f);
  DesignState state;
  for (const auto& [r, design] : picks) {
    ScriptedRandom random{r};
    for (int value = 0; value < 2000; ++value) random.Add(0.5f);
    DrawDesign(canvas, random, state, kRandomDesign);
    EXPECT_EQ(state.mDesignInUse, design) << r;
    EXPECT_EQ(random.reseeds, 1) << r;
  }
  EXPECT_EQ(VisibleCount(state), 0);
}

}  // namespace
}  // namespace sovelin
