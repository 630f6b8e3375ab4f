#pragma once

#include <windows.h>

#include <cstdint>

#include "common/handles_win32.h"
#include "designs/canvas.h"
#include "geometry/screen_geometry.h"

namespace sovelin {

// The designs' drawing surface on a window, painted with GDI in the copy draw mode. Sizes
// come from the window; coordinates are converted to pixels with the display's twips per
// pixel, each axis on its own.
//
// Painting needs a device context: attach one for a design step with DrawingScope. Pens and
// brushes are cached for the latest colour and width and stay selected while the scope lasts,
// so a swirl of 360 lines in one colour creates and selects one pen.
class GdiCanvas final : public Canvas {
 public:
  GdiCanvas(HWND window, TwipsPerPixel twips) : window_(window), twips_(twips) {}
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  float Width() const override;
  float Height() const override;
  float ScaleWidth() const override;
  float ScaleHeight() const override;

  HWND window() const { return window_; }
  TwipsPerPixel twips() const { return twips_; }

  // Attaches a device context of the window for as long as it lives, in the copy draw mode;
  // the context's own state is put back afterwards.
  class DrawingScope {
   public:
    DrawingScope(GdiCanvas& canvas, HDC dc);
    ~DrawingScope();
    DrawingScope(const DrawingScope&) = delete;
    DrawingScope& operator=(const DrawingScope&) = delete;

   private:
    GdiCanvas& canvas_;
    HDC dc_;
    int saved_;
  };

 protected:
  void PaintLine(float x1, float y1, float x2, float y2, int32_t color) override;
  void PaintCircle(float x, float y, float radius, int32_t color) override;
  void PaintPoint(float x, float y, int32_t color) override;

 private:
  int PixelX(float twips) const { return TwipsToPixel(twips, twips_.x); }
  int PixelY(float twips) const { return TwipsToPixel(twips, twips_.y); }
  // Lines up to this wide are painted as a band of one-pixel lines with round dot ends.
  static constexpr int kWidestBandPen = 5;

  HPEN PenFor(int32_t color);
  HBRUSH BrushFor(int32_t color);
  // Selects the pen and the brush (each unless null) into the attached context unless they
  // are already there.
  void Use(HGDIOBJ pen, HGDIOBJ brush);
  // Selects the stock DC pen and brush, both in the colour.
  void UseDcColor(int32_t color);
  // Paints a round dot `width` pixels across centred on a pixel.
  void Dot(int cx, int cy, int width);

  HWND window_;
  TwipsPerPixel twips_;
  HDC dc_ = nullptr;
  HGDIOBJ selectedPen_ = nullptr;
  HGDIOBJ selectedBrush_ = nullptr;

  Pen pen_;
  COLORREF penColor_ = 0;
  int penWidth_ = 0;
  Brush brush_;
  COLORREF brushColor_ = 0;
};

}  // namespace sovelin
