// The background designs on a recording canvas: what each draws, in which order it takes its
// random values, its colours and where it leaves the current point.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

#include "designs/canvas.h"
#include "designs/circles.h"
#include "designs/color_swirls.h"
#include "designs/draw_design.h"
#include "designs/shapes.h"
#include "tests/scripted_random.h"

namespace sovelin {
namespace {

// What a recording canvas saw: one painted primitive with its arguments and the surface
// state at that moment.
struct CanvasCall {
  enum class Kind { kLine, kCircle, kPoint };
  Kind kind = Kind::kLine;
  // Line: from (x1, y1) to (x2, y2). Circle and point: centre in (x1, y1).
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0, radius = 0;
  int32_t color = 0;
  int16_t penWidth = 0, fillStyle = 0;
  int32_t fillColor = 0;
};

// Test surface of a fixed size that records every primitive instead of painting it.
class RecordingCanvas final : public Canvas {
 public:
  RecordingCanvas(float width, float height, float scaleWidth = 0, float scaleHeight = 0)
      : size_{width, height, scaleWidth ? scaleWidth : width, scaleHeight ? scaleHeight : height} {}

  float Width() const override { return size_[0]; }
  float Height() const override { return size_[1]; }
  float ScaleWidth() const override { return size_[2]; }
  float ScaleHeight() const override { return size_[3]; }

  std::vector<CanvasCall> calls;

 protected:
  using K = CanvasCall::Kind;
  void PaintLine(float x1, float y1, float x2, float y2, int32_t c) override {
    Record(K::kLine, x1, y1, x2, y2, 0, c);
  }
  void PaintCircle(float x, float y, float r, int32_t c) override {
    Record(K::kCircle, x, y, x, y, r, c);
  }
  void PaintPoint(float x, float y, int32_t c) override { Record(K::kPoint, x, y, x, y, 0, c); }

 private:
  void Record(K kind, float x1, float y1, float x2, float y2, float radius, int32_t color) {
    calls.push_back({kind, x1, y1, x2, y2, radius, color, PenWidth(), FillStyle(), FillColor()});
  }

  float size_[4];
};

int VisibleCount(const ShapeGroup& shapes) {
  return static_cast<int>(
      std::count_if(shapes.Elements().begin(), shapes.Elements().end(),
                    [](const ShapeElement& element) { return element.visible; }));
}

size_t CountOf(const RecordingCanvas& canvas, CanvasCall::Kind kind) {
  return std::count_if(canvas.calls.begin(), canvas.calls.end(),
                       [&](const CanvasCall& call) { return call.kind == kind; });
}

TEST(DrawDesign, EachBackgroundDrawsItsOwnStepAndNoneOrUnknownDrawNothingButAreKept) {
  // At 0.5 a swirl has 33 lines and an embedded set floor(2000 / 600) + 1 = 4 circles,
  // a random set floor(2000 / 500) + 1 = 5.
  // {background, lines, circles, points, visible shapes}
  const std::tuple<int16_t, size_t, size_t, size_t, int> cases[] = {
      {0, 66, 0, 0, 0}, {1, 0, 8, 0, 0},  {2, 0, 5, 0, 0},  {3, 0, 0, 50, 0},
      {4, 5, 0, 0, 0},  {5, 3, 0, 0, 0},  {6, 0, 0, 0, 2},  {7, 0, 0, 0, 1},
      {9, 0, 0, 0, 0},  {12, 0, 0, 0, 0}, {-1, 0, 0, 0, 0}, {32767, 0, 0, 0, 0},
  };
  for (const auto& [background, lines, circles, points, shapes] : cases) {
    RecordingCanvas canvas(12000.0f, 9000.0f);
    ScriptedRandom random(std::vector<float>(2000, 0.5f));
    DesignState state;
    DrawDesign(canvas, random, state, background);
    using K = CanvasCall::Kind;
    EXPECT_EQ(std::tuple(CountOf(canvas, K::kLine), CountOf(canvas, K::kCircle),
                         CountOf(canvas, K::kPoint), VisibleCount(state.shpClone), random.reseeds,
                         state.mDesignInUse),
              std::tuple(lines, circles, points, shapes, 0, background))
        << background;
    const bool painted = background >= 0 && background <= 7;
    EXPECT_TRUE(painted || (random.Used() == 0 && state.mFirstDraw)) << background;
  }
}

TEST(DrawDesign, RandomReseedsAndPicksAmongThePaintedDesignsOnly) {
  // floor(r * 6 + 1) - 1 across the whole range of r.
  const std::vector<std::pair<float, int16_t>> picks = {
      {0.0f, 0}, {0.17f, 1}, {0.34f, 2}, {0.5f, 3}, {0.67f, 4}, {0.84f, 5}, {0.99999f, 5}};
  RecordingCanvas canvas(12000.0f, 9000.0f);
  DesignState state;
  for (const auto& [r, design] : picks) {
    std::vector<float> script(2001, 0.5f);
    script[0] = r;
    ScriptedRandom random(script);
    DrawDesign(canvas, random, state, kRandomDesign);
    EXPECT_EQ(std::pair(state.mDesignInUse, random.reseeds), std::pair(design, 1)) << r;
  }
  EXPECT_EQ(VisibleCount(state.shpClone), 0);
}

// Fill colour parts then outline colour parts of one circle.
constexpr std::initializer_list<float> kCircleColors = {1.0f / 255.0f, 0.0f,          0.0f,
                                                        0.0f,          2.0f / 255.0f, 0.0f};

// Every random value was used and each circle is solid with the scripted colours, keeps the
// surface's pen, and has the given centre and radius: {x, y, radius}.
void ExpectCircles(const RecordingCanvas& canvas, const ScriptedRandom& random,
                   const std::vector<std::array<float, 3>>& circles) {
  ASSERT_EQ(std::pair(random.Left(), canvas.calls.size()), std::pair(size_t{0}, circles.size()));
  for (size_t i = 0; i < circles.size(); ++i) {
    const CanvasCall& call = canvas.calls[i];
    EXPECT_EQ((std::array{call.x1, call.y1, call.radius}), circles[i]) << i;
    EXPECT_EQ(std::tuple(call.kind, call.fillStyle, call.fillColor, call.color, call.penWidth),
              std::tuple(CanvasCall::Kind::kCircle, kFillSolid, 1, 2 * 256, canvas.PenWidth()));
  }
}

TEST(Circles, EmbeddedEvery600TwipsDownToZeroAndRandomEvery500EachAtItsOwnUnlimitedCentre) {
  // A third of 18000 is 6000; R0 = 0.5 * 6000 = 3000 gives circles 3000, 2400, ..., 0.
  RecordingCanvas embedded(18000.0f, 9000.0f);
  embedded.SetPenWidth(150);
  ScriptedRandom random{0.5f, 0.25f, 0.5f};
  for (int circle = 0; circle < 6; ++circle) random.Add(kCircleColors);
  DesignState state;
  DrawEmbeddedCircles(embedded, random, state);
  std::vector<std::array<float, 3>> circles;
  for (float radius = 3000; radius >= 0; radius -= 600) circles.push_back({4500, 4500, radius});
  ExpectCircles(embedded, random, circles);
  EXPECT_EQ(std::pair(embedded.PenWidth(), embedded.CurrentX()), std::pair(int16_t{150}, 4500.0f));

  // A third of 15000 is 5000; R0 = 0.2 * 5000 = 1000 gives circles 1000, 500, 0.
  RecordingCanvas scattered(12000.0f, 6000.0f, 15000.0f, 9000.0f);
  random = ScriptedRandom{0.2f};
  for (const auto& [x, y] : {std::pair(0.9f, 0.9f), {0.5f, 0.5f}, {0.0f, 0.25f}}) {
    random.Add({x, y});
    random.Add(kCircleColors);
  }
  DrawRandomCircles(scattered, random, state);
  ExpectCircles(scattered, random, {{13500, 8100, 1000}, {7500, 4500, 500}, {0, 2250, 0}});
}

TEST(Confetti, Draws50DotsWithAFivePixelPenAtPlacesRoundedHalvesToEven) {
  RecordingCanvas canvas(2.0f, 2.0f);
  ScriptedRandom random;
  // 0.25 * 2 = 0.5 rounds to 0; 0.75 * 2 = 1.5 rounds to 2, onto the edge.
  for (int dot = 0; dot < 50; ++dot)
    random.Add({dot % 2 == 0 ? 0.25f : 0.75f, 0.75f, 1 / 255.0f, 1 / 255.0f, 1 / 255.0f});
  DesignState state;
  DrawConfetti(canvas, random, state);

  ASSERT_EQ(std::pair(random.Left(), canvas.calls.size()), std::pair(size_t{0}, size_t{50}));
  for (size_t dot = 0; dot < canvas.calls.size(); ++dot)
    EXPECT_EQ(std::tuple(canvas.calls[dot].kind, canvas.calls[dot].penWidth, canvas.calls[dot].x1,
                         canvas.calls[dot].y1, canvas.calls[dot].color),
              std::tuple(CanvasCall::Kind::kPoint, 5, dot % 2 == 0 ? 0.0f : 2.0f, 2.0f, 0x010101));
  EXPECT_EQ(std::pair(canvas.PenWidth(), canvas.CurrentX()), std::pair(int16_t{5}, 2.0f));
}

// Random values of one swirl in the order it draws them: red, green, blue, centre x,
// centre y, angle step, start angle, x sign, y sign, radius scale.
std::vector<float> SwirlScript(float loops, float startAngle, float signY = 0.0f,
                               float factor = 0.5f) {
  return {0.5f, 0.25f, 0.75f, 0.5f, 0.0f, loops, startAngle, 0.75f, signY, factor};
}

TEST(ColorSwirls, DrawsItsValuesInTheirFixedOrderAndCyclesThePenWidth) {
  RecordingCanvas canvas(12000.0f, 9000.0f);
  ScriptedRandom random(SwirlScript(0.5f, 0.25f, 0.5f));
  DesignState state;
  DrawColorSwirls(canvas, random, state);

  // Angle step floor(0.5 * 20 + 1) = 11: lines at 1, 12, ..., 353.
  ASSERT_EQ(std::pair(random.Used(), canvas.calls.size()), std::pair(size_t{10}, size_t{33}));
  const CanvasCall& first = canvas.calls.front();
  // Colour parts floor(r * 256): 128, 64, 192. Centre: 0.5 * 12000 - 5, and 0 * 9000 - 5
  // raised to 5.
  EXPECT_EQ(std::tuple(first.kind, first.color, first.penWidth, first.x1, first.y1),
            std::tuple(CanvasCall::Kind::kLine, 128 + 256 * 64 + 65536 * 192, 1, 5995.0f, 5.0f));
  // Start angle round(0.25 * 360) = 90, x mirrored (7.5 > 5), y not (5 is not above 5),
  // radius scale floor((4500 - 19) * 0.5 + 20) = 2260. The first line is at 91 degrees,
  // 91 * 2260 / 360 = 571.28 twips long.
  EXPECT_NEAR(first.x2 - first.x1, 9.969f, 0.002f);
  EXPECT_NEAR(first.y2 - first.y1, 571.191f, 0.002f);
  // The last line is at 90 + 353 = 443 degrees, 2781.06 twips long.
  const CanvasCall& last = canvas.calls.back();
  EXPECT_NEAR(last.x2 - last.x1, -338.944f, 0.002f);
  EXPECT_NEAR(last.y2 - last.y1, 2760.324f, 0.002f);
  for (const CanvasCall& call : canvas.calls)
    EXPECT_EQ(std::pair(call.x1, call.y1), std::pair(first.x1, first.y1));
  EXPECT_EQ(std::pair(canvas.CurrentX(), canvas.CurrentY()), std::pair(last.x2, last.y2));

  // The pen width cycles from one to five across swirls.
  std::vector<int> widths;
  for (int swirl = 0; swirl < 5; ++swirl) {
    ScriptedRandom random(SwirlScript(0.99f, 0.0f));
    canvas.calls.clear();
    DrawColorSwirls(canvas, random, state);
    widths.push_back(canvas.calls.front().penWidth);
  }
  EXPECT_EQ(widths, (std::vector<int>{2, 3, 4, 5, 1}));
  // The width stays set for whatever is drawn next.
  EXPECT_EQ(std::pair(canvas.PenWidth(), state.gCurveStyle), std::pair(int16_t{1}, int16_t{1}));
}

TEST(ChasingLines, TheRunStartsAtARandomPointAndRandomSwitchingBetweenTheTwoKeepsOnePath) {
  RecordingCanvas canvas(12000.0f, 9000.0f);
  DesignState state;
  // "Random" picks design 4: five segments, the first taking its end point, then the start
  // point, then the colour; then design 5: three segments.
  ScriptedRandom random{0.7f, 0.5f, 0.25f, 0.125f, 0.75f, 1.0f / 255.0f, 0.0f, 0.0f};
  for (int value = 0; value < 20; ++value) random.Add({0.03f * static_cast<float>(value)});
  random.Add({0.9f});
  for (int value = 0; value < 15; ++value) random.Add({0.9f - 0.05f * static_cast<float>(value)});
  DrawDesign(canvas, random, state, kRandomDesign);
  EXPECT_EQ(std::pair(state.mDesignInUse, state.mFirstDraw), std::pair(int16_t{4}, false));
  DrawDesign(canvas, random, state, kRandomDesign);
  EXPECT_EQ(state.mDesignInUse, 5);

  ASSERT_EQ(std::pair(random.Left(), canvas.calls.size()), std::pair(size_t{0}, size_t{8}));
  const CanvasCall& line = canvas.calls[0];
  EXPECT_EQ(std::tuple(line.kind, line.x1, line.y1, line.x2, line.y2, line.color, line.penWidth),
            std::tuple(CanvasCall::Kind::kLine, 1501.0f, 6751.0f, 6001.0f, 2251.0f, 1, 10));
  for (size_t segment = 1; segment < canvas.calls.size(); ++segment) {
    const CanvasCall& call = canvas.calls[segment];
    EXPECT_EQ(std::tuple(call.x1, call.y1, call.penWidth),
              std::tuple(canvas.calls[segment - 1].x2, canvas.calls[segment - 1].y2,
                         segment < 5 ? 10 : 150))
        << segment;
  }
}

TEST(Shapes, FirstStepCreatesThirtyHiddenElementsAndTheThirtyFirstMovesTheOldest) {
  RecordingCanvas canvas(12000.0f, 9000.0f);
  ScriptedRandom random;
  // The values of each step: kind, height, width, target left, target top, colour. Kind 3
  // (circle), height 3750, width 2000, target (6001, 4501), colour 14.
  random.Add({0.5f, 0.5f, 0.0f, 0.5f, 0.5f, 0.99f});
  for (int step = 1; step < 30; ++step) random.Add({0.0f, 0.0f, 0.0f, 0.5f, 0.5f, 0.0f});
  // A target in the top left corner: the shape reaches beyond the screen.
  random.Add({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.1f});
  DesignState state;
  DrawShape(canvas, random, state);

  EXPECT_EQ(std::tuple(state.mFirstDraw, state.shpClone.Find(30) != nullptr,
                       VisibleCount(state.shpClone)),
            std::tuple(false, true, 1));
  const ShapeElement& shown = *state.shpClone.Find(1);
  ASSERT_TRUE(shown.visible);
  // Centred on the target point; the draw mode and border are the template's.
  const TwipsRect first{5001.0f, 2626.0f, 2000.0f, 3750.0f};
  EXPECT_EQ(shown.rect, first);
  EXPECT_EQ(std::tuple(shown.kind, shown.backColor, shown.drawMode, shown.borderColor),
            std::tuple(kShapeCircle, 0x00FFFF, kDrawModeMergePenNot, 0xFF0000));
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_EQ(state.shpClone.TakeDirty(), (std::vector<TwipsRect>{first}));

  for (int step = 1; step < 30; ++step) DrawShape(canvas, random, state);
  EXPECT_EQ(VisibleCount(state.shpClone), 30);
  state.shpClone.TakeDirty();
  DrawShape(canvas, random, state);
  EXPECT_EQ(std::pair(state.mCloneIndex, VisibleCount(state.shpClone)), std::pair(int16_t{1}, 30));
  const ShapeElement& moved = *state.shpClone.Find(1);
  EXPECT_EQ(std::pair(moved.rect, moved.backColor),
            std::pair(TwipsRect{-999.0f, -999.0f, 2000.0f, 2000.0f}, 0x800000));
  // The area it left and the one it took.
  EXPECT_EQ(state.shpClone.TakeDirty(), (std::vector<TwipsRect>{first, moved.rect}));
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

TEST(Shapes, StepsOnElementsNeverCreatedAreSkippedAndEndOfRunRemovesTheDesignsElements) {
  // Another design cleared the shared first-draw flag, so nothing was created.
  RecordingCanvas canvas(12000.0f, 9000.0f);
  ScriptedRandom random(std::vector<float>(14, 0.5f));
  DesignState never, shapes, inverse;
  never.mFirstDraw = false;
  DrawShape(canvas, random, never);
  DrawFullScreenInverse(canvas, random, never);
  EXPECT_TRUE(never.shpClone.Find(1) == nullptr && never.shpClone.TakeDirty().empty());

  shapes.mDesignInUse = 6;
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
