#pragma once

#include "common/random_source.h"
#include "designs/canvas.h"
#include "designs/design_state.h"

namespace sovelin {

// Design 6, one shape step: keeps up to 30 shape elements on the window and gives the one
// that has waited longest a new kind, size, place and palette colour.
void DrawShape(Canvas& canvas, RandomSource& random, DesignState& state);

// Design 7, one step: lays a window-sized rectangle in a new palette colour over the
// window, alternating between two elements so the new one is up before the old one goes.
void DrawFullScreenInverse(Canvas& canvas, RandomSource& random, DesignState& state);

// End of the run: removes the shape elements the design in use created (1..30 for
// design 6, 1..2 for design 7).
void RemoveDesignShapes(DesignState& state);

}  // namespace sovelin
