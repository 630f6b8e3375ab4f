#include "designs/circles.h"

#include <cstdint>

#include "common/numbers.h"
#include "designs/colors.h"

namespace sovelin {

namespace {

constexpr float kEmbeddedRadiusStep = 600.0f;
constexpr float kRandomRadiusStep = 500.0f;
constexpr int16_t kConfettiPen = 5;
constexpr int kConfettiDots = 50;

// The largest radius of a set: below a third of the drawing width.
float RandomFirstRadius(const Canvas& canvas, RandomSource& random) {
  const float q = canvas.ScaleWidth() / 3.0f;
  return random.Next() * q;
}

// A solid circle: fill colour first, then outline colour, each three fresh numbers.
void DrawFilledCircle(Canvas& canvas, RandomSource& random, float cx, float cy, float radius) {
  canvas.SetFillStyle(kFillSolid);
  canvas.SetFillColor(RandomColor(random));
  const int32_t outline = RandomColor(random);
  canvas.Circle(cx, cy, radius, outline);
}

// Whole twips of a random place along an axis. Held in 32 bits so a very large screen
// cannot overflow it.
int32_t RandomPlace(RandomSource& random, float size) {
  return static_cast<int32_t>(RoundHalfEven(random.Next() * size));
}

}  // namespace

void DrawEmbeddedCircles(Canvas& canvas, RandomSource& random, DesignState&) {
  const float firstRadius = RandomFirstRadius(canvas, random);
  float cx = random.Next() * canvas.ScaleWidth();
  float cy = random.Next() * canvas.ScaleHeight();
  if (cx > canvas.Width())
    cx = canvas.Width();
  if (cy > canvas.Height())
    cy = canvas.Height();
  for (float radius = firstRadius; radius >= 0.0f; radius -= kEmbeddedRadiusStep) {
    DrawFilledCircle(canvas, random, cx, cy, radius);
  }
}

void DrawRandomCircles(Canvas& canvas, RandomSource& random, DesignState&) {
  const float firstRadius = RandomFirstRadius(canvas, random);
  for (float radius = firstRadius; radius >= 0.0f; radius -= kRandomRadiusStep) {
    const float cx = random.Next() * canvas.ScaleWidth();
    const float cy = random.Next() * canvas.ScaleHeight();
    DrawFilledCircle(canvas, random, cx, cy, radius);
  }
}

void DrawConfetti(Canvas& canvas, RandomSource& random, DesignState&) {
  canvas.SetPenWidth(kConfettiPen);
  for (int dot = 0; dot < kConfettiDots; ++dot) {
    const int32_t x = RandomPlace(random, canvas.ScaleWidth());
    const int32_t y = RandomPlace(random, canvas.ScaleHeight());
    canvas.Point(static_cast<float>(x), static_cast<float>(y), RandomColor(random));
  }
}

}  // namespace sovelin
