#include "designs/gdi_canvas_win32.h"

#include <algorithm>
#include <cmath>

#include "common/numbers.h"

namespace sovelin {

namespace {

RECT ClientBox(HWND window) {
  RECT box{};
  GetClientRect(window, &box);
  return box;
}

RECT OuterBox(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  return box;
}

}  // namespace

float GdiCanvas::Width() const {
  const RECT box = OuterBox(window_);
  return static_cast<float>((box.right - box.left) * twips_.x);
}

float GdiCanvas::Height() const {
  const RECT box = OuterBox(window_);
  return static_cast<float>((box.bottom - box.top) * twips_.y);
}

float GdiCanvas::ScaleWidth() const {
  return static_cast<float>(ClientBox(window_).right * twips_.x);
}

float GdiCanvas::ScaleHeight() const {
  return static_cast<float>(ClientBox(window_).bottom * twips_.y);
}

GdiCanvas::DrawingScope::DrawingScope(GdiCanvas& canvas, HDC dc)
    : canvas_(canvas), dc_(dc), saved_(SaveDC(dc)) {
  SetROP2(dc, R2_COPYPEN);
  canvas_.dc_ = dc;
}

GdiCanvas::DrawingScope::~DrawingScope() {
  canvas_.dc_ = nullptr;
  RestoreDC(dc_, saved_);
}

// A geometric pen of the current width with round ends and joins, in the colour.
HPEN GdiCanvas::PenFor(int32_t color) {
  const COLORREF colour = static_cast<COLORREF>(color);
  if (!pen_ || penColor_ != colour || penWidth_ != PenWidth()) {
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    pen_.Reset(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                            static_cast<DWORD>(PenWidth()), &brush, 0, nullptr));
    penColor_ = colour;
    penWidth_ = PenWidth();
  }
  return pen_.get();
}

HBRUSH GdiCanvas::BrushFor(int32_t color) {
  const COLORREF colour = static_cast<COLORREF>(color);
  if (!brush_ || brushColor_ != colour) {
    brush_.Reset(CreateSolidBrush(colour));
    brushColor_ = colour;
  }
  return brush_.get();
}

void GdiCanvas::PaintLine(float x1, float y1, float x2, float y2, int32_t color) {
  if (!dc_) return;
  SelectGuard pen(dc_, PenFor(color));
  MoveToEx(dc_, PixelX(x1), PixelY(y1), nullptr);
  LineTo(dc_, PixelX(x2), PixelY(y2));
}

// The radius is in horizontal twips and gives the same number of pixels on both axes.
void GdiCanvas::PaintCircle(float x, float y, float radius, int32_t color) {
  if (!dc_) return;
  const int cx = PixelX(x);
  const int cy = PixelY(y);
  const int r = PixelX(radius);
  HBRUSH inside = FillStyle() == kFillSolid ? BrushFor(FillColor())
                                            : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  SelectGuard pen(dc_, PenFor(color));
  SelectGuard brush(dc_, inside);
  Ellipse(dc_, cx - r, cy - r, cx + r + 1, cy + r + 1);
}

// A one-pixel point is a pixel; a wider one a filled round dot as wide as the pen.
void GdiCanvas::PaintPoint(float x, float y, int32_t color) {
  if (!dc_) return;
  const int cx = PixelX(x);
  const int cy = PixelY(y);
  const int width = PenWidth();
  if (width <= 1) {
    SetPixel(dc_, cx, cy, static_cast<COLORREF>(color));
    return;
  }
  // The stock DC pen and brush take the colour without creating an object per dot.
  const int left = cx - width / 2;
  const int top = cy - width / 2;
  SelectGuard pen(dc_, GetStockObject(DC_PEN));
  SelectGuard brush(dc_, GetStockObject(DC_BRUSH));
  SetDCPenColor(dc_, static_cast<COLORREF>(color));
  SetDCBrushColor(dc_, static_cast<COLORREF>(color));
  Ellipse(dc_, left, top, left + width, top + width);
}

}  // namespace sovelin
