#include "designs/gdi_canvas_win32.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

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

// Putting the context back also takes the canvas's pen and brush out of it.
GdiCanvas::DrawingScope::~DrawingScope() {
  canvas_.dc_ = nullptr;
  canvas_.selectedPen_ = nullptr;
  canvas_.selectedBrush_ = nullptr;
  RestoreDC(dc_, saved_);
}

void GdiCanvas::Use(HGDIOBJ pen, HGDIOBJ brush) {
  if (pen && pen != selectedPen_) {
    SelectObject(dc_, pen);
    selectedPen_ = pen;
  }
  if (brush && brush != selectedBrush_) {
    SelectObject(dc_, brush);
    selectedBrush_ = brush;
  }
}

// A pen of the current width in the colour, for one-pixel circles and lines too wide for a band:
// one pixel wide, a plain solid pen; wider, a geometric pen with round ends and joins. A
// geometric pen one pixel wide paints the same pixels as the plain one (with a line's end pixel
// added), but Wine builds a region of every pixel run for it, which makes a swirl or a large
// circle cost many times more. A pen that is replaced while selected is swapped for the new one
// before it is deleted.
HPEN GdiCanvas::PenFor(int32_t color) {
  const COLORREF colour = static_cast<COLORREF>(color);
  if (!pen_ || penColor_ != colour || penWidth_ != PenWidth()) {
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    Pen next(PenWidth() <= 1
                 ? CreatePen(PS_SOLID, 1, colour)
                 : ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                                static_cast<DWORD>(PenWidth()), &brush, 0, nullptr));
    if (dc_ && selectedPen_ == pen_.get()) Use(next.get(), nullptr);
    pen_ = std::move(next);
    penColor_ = colour;
    penWidth_ = PenWidth();
  }
  return pen_.get();
}

HBRUSH GdiCanvas::BrushFor(int32_t color) {
  const COLORREF colour = static_cast<COLORREF>(color);
  if (!brush_ || brushColor_ != colour) {
    Brush next(CreateSolidBrush(colour));
    if (dc_ && selectedBrush_ == brush_.get()) Use(nullptr, next.get());
    brush_ = std::move(next);
    brushColor_ = colour;
  }
  return brush_.get();
}

// A line one pixel wide is one plain-pen line. A pen up to kWidestBandPen pixels wide (the
// swirls' pens) is painted as the stroke it makes: a band of one-pixel lines side by side along
// the line's shorter axis, as many as the pen covers across that axis (the width over the
// cosine of the line's slope), laid w / 2 before the line and the rest after it as GDI lays a
// wide pen, with a round dot as wide as the pen at each end. Wine strokes every wide-pen line as
// a region of a polygon and two round ends, which makes two swirls of 360 lines cost 10 to 20 ms;
// the band costs a third of that. At these widths the band's square ends stay within a pixel of
// the round ends; wider pens (a few lines a step) keep the geometric pen.
void GdiCanvas::PaintLine(float x1, float y1, float x2, float y2, int32_t color) {
  if (!dc_) return;
  const int ax = PixelX(x1);
  const int ay = PixelY(y1);
  const int bx = PixelX(x2);
  const int by = PixelY(y2);
  const int width = PenWidth();
  if (width <= 1 || width > kWidestBandPen) {
    Use(PenFor(color), nullptr);
    MoveToEx(dc_, ax, ay, nullptr);
    LineTo(dc_, bx, by);
    // A plain pen leaves out the end pixel, which a geometric pen's round end covers.
    if (width <= 1) SetPixel(dc_, bx, by, static_cast<COLORREF>(color));
    return;
  }
  const int dx = std::abs(bx - ax);
  const int dy = std::abs(by - ay);
  const bool flat = dx >= dy;
  const int across =
      dx + dy == 0 ? width
                   : static_cast<int>(std::lround(width * std::hypot(dx, dy) / (flat ? dx : dy)));
  UseDcColor(color);
  for (int i = 0; i < across; ++i) {
    const int offset = i - across / 2;
    const int ox = flat ? 0 : offset;
    const int oy = flat ? offset : 0;
    MoveToEx(dc_, ax + ox, ay + oy, nullptr);
    LineTo(dc_, bx + ox, by + oy);
  }
  Dot(ax, ay, width);
  Dot(bx, by, width);
}

// The radius is in horizontal twips and gives the same number of pixels on both axes. The
// outline's path runs through the pixels of the box from cx - r to cx + r.
//
// A wider pen is painted as the figure it strokes. GDI lays a pen of width w across a path
// pixel as w / 2 pixels before it (left, above) and the rest after it, so the outline is a
// disk from cx - r - w / 2 to cx + r + (w - 1) / 2 in the outline colour, with a hole from
// cx - r + (w + 1) / 2 to cx + r - w / 2 - 1 (none when the pen is wider than the circle)
// painted in the fill colour, or left alone when the fill is transparent. Wine strokes a wide
// pen's ellipse as a region of one polygon and one round join per outline segment, which
// costs tens to hundreds of milliseconds for a large circle; two elliptic regions cost well
// under one.
void GdiCanvas::PaintCircle(float x, float y, float radius, int32_t color) {
  if (!dc_) return;
  const int cx = PixelX(x);
  const int cy = PixelY(y);
  const int r = PixelX(radius);
  const bool solid = FillStyle() == kFillSolid;
  const int width = PenWidth();
  if (width <= 1) {
    Use(PenFor(color), solid ? BrushFor(FillColor()) : GetStockObject(NULL_BRUSH));
    Ellipse(dc_, cx - r, cy - r, cx + r + 1, cy + r + 1);
    return;
  }
  // The disk covering the pixels from centre - first to centre + last on both axes. An
  // elliptic region leaves out the last pixel row and column of its box, one more than
  // Ellipse does.
  const auto disk = [&](int first, int last) {
    return Region(CreateEllipticRgn(cx - first, cy - first, cx + last + 2, cy + last + 2));
  };
  Region outline = disk(r + width / 2, r + (width - 1) / 2);
  const int holeFirst = r - (width + 1) / 2;
  const int holeLast = r - width / 2 - 1;
  Region hole = holeLast + holeFirst >= 0 ? disk(holeFirst, holeLast) : Region();
  if (hole && !solid) CombineRgn(outline.get(), outline.get(), hole.get(), RGN_DIFF);
  Use(nullptr, GetStockObject(DC_BRUSH));
  SetDCBrushColor(dc_, static_cast<COLORREF>(color));
  PaintRgn(dc_, outline.get());
  if (hole && solid) {
    SetDCBrushColor(dc_, static_cast<COLORREF>(FillColor()));
    PaintRgn(dc_, hole.get());
  }
}

// The stock DC pen and brush take the colour without creating an object per call.
void GdiCanvas::UseDcColor(int32_t color) {
  Use(GetStockObject(DC_PEN), GetStockObject(DC_BRUSH));
  SetDCPenColor(dc_, static_cast<COLORREF>(color));
  SetDCBrushColor(dc_, static_cast<COLORREF>(color));
}

// A round dot `width` pixels across, laid as GDI lays a wide pen across a path pixel.
void GdiCanvas::Dot(int cx, int cy, int width) {
  const int left = cx - width / 2;
  const int top = cy - width / 2;
  Ellipse(dc_, left, top, left + width, top + width);
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
  UseDcColor(color);
  Dot(cx, cy, width);
}

}  // namespace sovelin
