#pragma once

#include <windows.h>

#include "designs/shape_group.h"
#include "geometry/screen_geometry.h"

namespace sovelin {

// Pixel box of a twips rectangle: left and top rounded down, right and bottom up, so every
// pixel the figure touches is inside.
RECT PixelBoxAround(const TwipsRect& area, TwipsPerPixel twips);

// Paints every created, visible element of the group in index order, clipped to `area`
// (client pixels). Each figure is filled with its back colour and outlined with its border
// in the "merge pen not" draw mode: every pixel becomes the colour OR the inverse of the
// pixel beneath. Rounded kinds have corners of a sixth of the figure's smaller side.
void PaintShapes(HDC dc, HRGN area, const ShapeGroup& group, TwipsPerPixel twips);

}  // namespace sovelin
