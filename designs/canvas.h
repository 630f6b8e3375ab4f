#pragma once

#include <cstdint>

namespace sovelin {

// Fill styles of the drawing surface: solid paints the inside of a circle in the fill
// colour; transparent leaves it alone.
inline constexpr int16_t kFillSolid = 0;
inline constexpr int16_t kFillTransparent = 1;

// The saver window's drawing surface as the background designs see it. Coordinates and
// sizes are twips from the top left corner of the drawing area; the pen width is in
// pixels; colours are Windows colour values (red in the low byte).
//
// Pen width, fill style, fill colour and the current point are surface state shared by
// every design: nothing resets them between designs. This class keeps that state and the
// current-point rules; a concrete surface only paints the three primitives.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Outer size of the saver window.
  virtual float Width() const = 0;
  virtual float Height() const = 0;
  // Size of its drawing area.
  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;

  int16_t PenWidth() const { return penWidth_; }
  // A pen is at least one pixel wide.
  void SetPenWidth(int16_t pixels) { penWidth_ = pixels < 1 ? int16_t{1} : pixels; }

  int16_t FillStyle() const { return fillStyle_; }
  void SetFillStyle(int16_t style) { fillStyle_ = style; }
  int32_t FillColor() const { return fillColor_; }
  void SetFillColor(int32_t color) { fillColor_ = color; }

  float CurrentX() const { return currentX_; }
  float CurrentY() const { return currentY_; }

  // Line from (x1, y1) to (x2, y2); the current point becomes (x2, y2).
  void Line(float x1, float y1, float x2, float y2, int32_t color);
  // Line from the current point to (x2, y2), which becomes the current point.
  void LineFromCurrent(float x2, float y2, int32_t color);
  // Line from (x1, y1) to (x1 + dx, y1 + dy), which becomes the current point.
  void LineBy(float x1, float y1, float dx, float dy, int32_t color);
  // Circle outline in colour with the pen width, inside filled per the fill style; the
  // radius is in horizontal twips. The current point becomes the centre.
  void Circle(float x, float y, float radius, int32_t color);
  // Dot of the pen width centred on (x, y), round when wider than a pixel; the current
  // point becomes (x, y).
  void Point(float x, float y, int32_t color);

 protected:
  // The primitives a concrete surface paints, with the state above read at call time.
  virtual void PaintLine(float x1, float y1, float x2, float y2, int32_t color) = 0;
  virtual void PaintCircle(float x, float y, float radius, int32_t color) = 0;
  virtual void PaintPoint(float x, float y, int32_t color) = 0;

 private:
  int16_t penWidth_ = 1;
  int16_t fillStyle_ = kFillTransparent;
  int32_t fillColor_ = 0;
  float currentX_ = 0.0f;
  float currentY_ = 0.0f;
};

}  // namespace sovelin
