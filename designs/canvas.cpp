#include "designs/canvas.h"

namespace sovelin {

void Canvas::Line(float x1, float y1, float x2, float y2, int32_t color) {
  PaintLine(x1, y1, x2, y2, color);
  currentX_ = x2;
  currentY_ = y2;
}

void Canvas::LineFromCurrent(float x2, float y2, int32_t color) {
  Line(currentX_, currentY_, x2, y2, color);
}

void Canvas::LineBy(float x1, float y1, float dx, float dy, int32_t color) {
  Line(x1, y1, x1 + dx, y1 + dy, color);
}

void Canvas::Circle(float x, float y, float radius, int32_t color) {
  PaintCircle(x, y, radius, color);
  currentX_ = x;
  currentY_ = y;
}

void Canvas::Point(float x, float y, int32_t color) {
  PaintPoint(x, y, color);
  currentX_ = x;
  currentY_ = y;
}

}  // namespace sovelin
