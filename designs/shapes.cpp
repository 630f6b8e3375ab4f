#include "designs/shapes.h"

#include <cmath>
#include <cstdint>

#include "common/numbers.h"
#include "designs/colors.h"

namespace sovelin {

namespace {

constexpr int16_t kShapeDesign = 6;
constexpr int16_t kInverseDesign = 7;
constexpr int16_t kShapeElements = 30;
constexpr int16_t kInverseElements = 2;

// floor(r * count): 0..count-1.
int16_t RandomBelow(RandomSource& random, float count) {
  return static_cast<int16_t>(std::floor(count * random.Next()));
}

// A shape side of 2000..5500 twips.
float RandomSide(RandomSource& random) {
  return std::floor(3501.0f * random.Next() + 2000.0f);
}

// A palette colour 0..14; bright white is never chosen.
int32_t RandomPaletteColor(RandomSource& random) {
  return PaletteColor(RandomBelow(random, 15.0f));
}

// A whole number of twips from 1 to size, in 32 bits so a very large screen cannot overflow.
int32_t RandomTarget(RandomSource& random, float size) {
  return static_cast<int32_t>(std::floor(random.Next() * size + 1.0f));
}

// Half a size in whole twips, the remainder dropped.
int32_t HalfSide(float size) {
  return static_cast<int32_t>(RoundHalfEven(size)) / 2;
}

// On the first step of a shape design: creates elements 1..count and starts the rotation.
void CreateOnFirstDraw(DesignState& state, int16_t count) {
  if (!state.mFirstDraw)
    return;
  state.mFirstDraw = false;
  for (int16_t index = 1; index <= count; ++index) state.shpClone.Create(index);
  state.mCloneIndex = 0;
}

// The next element in rotation 1..count.
int16_t AdvanceCloneIndex(DesignState& state, int16_t count) {
  state.mCloneIndex = static_cast<int16_t>(state.mCloneIndex + 1);
  if (state.mCloneIndex > count)
    state.mCloneIndex = 1;
  return state.mCloneIndex;
}

void RemoveElements(ShapeGroup& shapes, int16_t count) {
  for (int16_t index = 1; index <= count; ++index) shapes.Remove(index);
}

}  // namespace

void DrawShape(Canvas& canvas, RandomSource& random, DesignState& state) {
  CreateOnFirstDraw(state, kShapeElements);
  const int16_t e = AdvanceCloneIndex(state, kShapeElements);
  ShapeGroup& shapes = state.shpClone;
  shapes.SetVisible(e, false);
  shapes.SetKind(e, RandomBelow(random, 6.0f));
  shapes.SetHeight(e, RandomSide(random));
  shapes.SetWidth(e, RandomSide(random));
  int32_t left = RandomTarget(random, canvas.Width());
  int32_t top = RandomTarget(random, canvas.Height());
  // Centre the element on the target point; the screen edge may cut it.
  if (const ShapeElement* element = shapes.Find(e)) {
    left -= HalfSide(element->rect.width);
    top -= HalfSide(element->rect.height);
  }
  shapes.SetBackColor(e, RandomPaletteColor(random));
  shapes.Move(e, static_cast<float>(left), static_cast<float>(top));
  shapes.SetVisible(e, true);
}

void DrawFullScreenInverse(Canvas& canvas, RandomSource& random, DesignState& state) {
  CreateOnFirstDraw(state, kInverseElements);
  const int16_t e = AdvanceCloneIndex(state, kInverseElements);
  ShapeGroup& shapes = state.shpClone;
  shapes.SetKind(e, kShapeRectangle);
  shapes.SetHeight(e, canvas.Height());
  shapes.SetWidth(e, canvas.Width());
  shapes.SetBackColor(e, RandomPaletteColor(random));
  shapes.Move(e, 0.0f, 0.0f);
  shapes.SetVisible(e, true);
  shapes.SetVisible(e == 1 ? int16_t{2} : int16_t{1}, false);
}

void RemoveDesignShapes(DesignState& state) {
  if (state.mDesignInUse == kShapeDesign) {
    RemoveElements(state.shpClone, kShapeElements);
  } else if (state.mDesignInUse == kInverseDesign) {
    RemoveElements(state.shpClone, kInverseElements);
  }
}

}  // namespace sovelin
