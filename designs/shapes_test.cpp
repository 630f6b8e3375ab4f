#include "designs/shapes.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "designs/recording_canvas.h"
#include "tests/scripted_random.h"

namespace sovelin {
namespace {

// Random values of one shape step: kind, height, width, target left, target top, colour.
void AddShapeStep(ScriptedRandom& random, float kind, float height, float width, float left,
                  float top, float color) {
  for (float value : {kind, height, width, left, top, color}) random.Add(value);
}

int VisibleCount(const ShapeGroup& shapes) {
  int visible = 0;
  for (const ShapeElement& element : shapes.Elements()) visible += element.visible ? 1 : 0;
  return visible;
}

TEST(Shapes, FirstStepCreatesThirtyHiddenElementsAndShowsTheFirst) {
  RecordingCanvas canvas(12000.0f, 9000.0f);
  ScriptedRandom random;
  // Kind 3 (circle), height 3750, width 2000, target (6001, 4501), colour 14.
  AddShapeStep(random, 0.5f, 0.5f, 0.0f, 0.5f, 0.5f, 0.99f);
  DesignState state;
  DrawShape(canvas, random, state);

  EXPECT_FALSE(state.mFirstDraw);
  EXPECT_NE(state.shpClone.Find(30), nullptr);
  EXPECT_EQ(VisibleCount(state.shpClone), 1);
  const ShapeElement& shown = *state.shpClone.Find(1);
  ASSERT_TRUE(shown.visible);
  EXPECT_EQ(shown.kind, kShapeCircle);
  // Centred on the target point.
  EXPECT_EQ(shown.rect, (TwipsRect{5001.0f, 2626.0f, 2000.0f, 3750.0f}));
  EXPECT_EQ(shown.backColor, 0x00FFFF);
  // The rest is the template's.
  EXPECT_EQ(shown.drawMode, kDrawModeMergePenNot);
  EXPECT_EQ(shown.borderColor, 0xFF0000);
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_EQ(state.shpClone.TakeDirty(), (std::vector<TwipsRect>{shown.rect}));
}

TEST(Shapes, TheThirtyFirstStepMovesTheOldestShape) {
  RecordingCanvas canvas(12000.0f, 9000.0f);
  ScriptedRandom random;
  for (int step = 0; step < 30; ++step) AddShapeStep(random, 0.0f, 0.0f, 0.0f, 0.5f, 0.5f, 0.0f);
  // A target in the top left corner: the shape reaches beyond the screen.
  AddShapeStep(random, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.1f);
  DesignState state;
  for (int step = 0; step < 30; ++step) DrawShape(canvas, random, state);
  EXPECT_EQ(VisibleCount(state.shpClone), 30);
  const TwipsRect before = state.shpClone.Find(1)->rect;
  state.shpClone.TakeDirty();

  DrawShape(canvas, random, state);
  EXPECT_EQ(state.mCloneIndex, 1);
  EXPECT_EQ(VisibleCount(state.shpClone), 30);
  const ShapeElement& moved = *state.shpClone.Find(1);
  EXPECT_EQ(moved.rect, (TwipsRect{-999.0f, -999.0f, 2000.0f, 2000.0f}));
  EXPECT_EQ(moved.backColor, 0x800000);
  // The area it left and the one it took.
  EXPECT_EQ(state.shpClone.TakeDirty(), (std::vector<TwipsRect>{before, moved.rect}));
}

TEST(FullScreenInverse, AlternatesTwoWindowSizedRectangles) {
  RecordingCanvas canvas(12000.0f, 9000.0f);
  ScriptedRandom random{0.0f, 0.4f, 0.99f};
  DesignState state;
  std::vector<std::pair<int16_t, int32_t>> shown;  // the one visible element, its colour
  for (int step = 0; step < 3; ++step) {
    DrawFullScreenInverse(canvas, random, state);
    EXPECT_EQ(VisibleCount(state.shpClone), 1);
    for (int16_t index : {1, 2}) {
      const ShapeElement& element = *state.shpClone.Find(index);
      if (!element.visible) continue;
      EXPECT_EQ(element.rect, (TwipsRect{0.0f, 0.0f, 12000.0f, 9000.0f}));
      shown.emplace_back(index, element.backColor);
    }
  }
  EXPECT_EQ(shown, (std::vector<std::pair<int16_t, int32_t>>{
                       {1, 0x000000}, {2, 0x008080}, {1, 0x00FFFF}}));
  EXPECT_EQ(state.shpClone.Find(3), nullptr);
}

TEST(Shapes, StepsOnElementsThatWereNeverCreatedAreSkipped) {
  // Another design cleared the shared first-draw flag, so nothing was created.
  RecordingCanvas canvas(12000.0f, 9000.0f);
  ScriptedRandom random;
  AddShapeStep(random, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f);
  random.Add(0.5f);
  DesignState state;
  state.mFirstDraw = false;
  DrawShape(canvas, random, state);
  DrawFullScreenInverse(canvas, random, state);
  EXPECT_EQ(VisibleCount(state.shpClone), 0);
  EXPECT_EQ(state.shpClone.Find(1), nullptr);
  EXPECT_TRUE(state.shpClone.TakeDirty().empty());
}

TEST(Shapes, EndOfRunRemovesTheElementsOfTheDesignInUse) {
  RecordingCanvas canvas(12000.0f, 9000.0f);
  ScriptedRandom random;
  AddShapeStep(random, 0.0f, 0.0f, 0.0f, 0.5f, 0.5f, 0.0f);
  random.Add(0.0f);
  DesignState shapes;
  shapes.mDesignInUse = 6;
  DesignState inverse;
  inverse.mDesignInUse = 7;
  DrawShape(canvas, random, shapes);
  DrawFullScreenInverse(canvas, random, inverse);
  ASSERT_NE(shapes.shpClone.Find(30), nullptr);
  RemoveDesignShapes(shapes);
  RemoveDesignShapes(inverse);
  for (int16_t index = 1; index <= 30; ++index) EXPECT_EQ(shapes.shpClone.Find(index), nullptr);
  EXPECT_EQ(inverse.shpClone.Find(2), nullptr);
  EXPECT_NE(shapes.shpClone.Find(0), nullptr);
}

}  // namespace
}  // namespace sovelin
