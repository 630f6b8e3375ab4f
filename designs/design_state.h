#pragma once

#include <cstdint>

#include "designs/shape_group.h"

namespace sovelin {

// What the background designs keep between their steps, for the whole run.
struct DesignState {
  // Design drawn by the latest step (0..7, or an out-of-range setting unchanged).
  int16_t mDesignInUse = 0;
  // True until the first step of chasing lines, shapes or full-screen inverse; whichever
  // runs first clears it for all three.
  bool mFirstDraw = true;
  // Shape element used by the latest shape step.
  int16_t mCloneIndex = 0;
  // Pen width of the latest swirl, cycling 1..5; 0 before the first swirl.
  int16_t gCurveStyle = 0;
  // The saver window's shape elements, used by the two shape designs.
  ShapeGroup shpClone;
};

}  // namespace sovelin
