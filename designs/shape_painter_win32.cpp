#include "designs/shape_painter_win32.h"

#include <algorithm>
#include <cmath>

#include "common/handles_win32.h"
#include "designs/gdi_canvas_win32.h"

namespace sovelin {

namespace {

int FloorPixel(float twips, int twipsPerPixel) {
  return TwipsToPixel(std::floor(twips / static_cast<float>(twipsPerPixel)), 1);
}

int CeilPixel(float twips, int twipsPerPixel) {
  return TwipsToPixel(std::ceil(twips / static_cast<float>(twipsPerPixel)), 1);
}

// The pixels the figure covers: the usual GDI box, right and bottom exclusive.
RECT FigureBox(const ShapeElement& element, TwipsPerPixel twips) {
  const TwipsRect figure = FigureBounds(element);
  return RECT{TwipsToPixel(figure.left, twips.x), TwipsToPixel(figure.top, twips.y),
              TwipsToPixel(figure.left + figure.width, twips.x),
              TwipsToPixel(figure.top + figure.height, twips.y)};
}

void PaintFigure(HDC dc, int16_t kind, const RECT& box) {
  switch (kind) {
    case kShapeOval:
    case kShapeCircle: Ellipse(dc, box.left, box.top, box.right, box.bottom); break;
    case kShapeRoundedRectangle:
    case kShapeRoundedSquare: {
      // Corner radius a sixth of the smaller side: the corner ellipse is a third of it.
      const int corner = std::min(box.right - box.left, box.bottom - box.top) / 3;
      RoundRect(dc, box.left, box.top, box.right, box.bottom, corner, corner);
      break;
    }
    default: Rectangle(dc, box.left, box.top, box.right, box.bottom); break;
  }
}

void PaintElement(HDC dc, const ShapeElement& element, TwipsPerPixel twips) {
  Pen border(CreatePen(PS_SOLID, std::max<int>(1, element.borderWidth),
                       static_cast<COLORREF>(element.borderColor)));
  Brush back(element.opaqueBack ? CreateSolidBrush(static_cast<COLORREF>(element.backColor))
                                : nullptr);
  SelectGuard pen(dc, border.get());
  SelectGuard brush(dc, back ? static_cast<HGDIOBJ>(back.get()) : GetStockObject(NULL_BRUSH));
  SetROP2(dc, element.drawMode == kDrawModeMergePenNot ? R2_MERGEPENNOT : R2_COPYPEN);
  PaintFigure(dc, element.kind, FigureBox(element, twips));
}

}  // namespace

RECT PixelBoxAround(const TwipsRect& area, TwipsPerPixel twips) {
  return RECT{FloorPixel(area.left, twips.x), FloorPixel(area.top, twips.y),
              CeilPixel(area.left + area.width, twips.x) + 1,
              CeilPixel(area.top + area.height, twips.y) + 1};
}

// Runs at every placement of the verse window: without a shape to show, the context is left
// alone (under Wine restoring it costs more than the rest of the repaint).
void PaintShapes(HDC dc, HRGN area, const ShapeGroup& group, TwipsPerPixel twips) {
  const auto& elements = group.Elements();
  if (std::none_of(elements.begin(), elements.end(), [](const ShapeElement& element) {
        return element.created && element.visible;
      })) {
    return;
  }
  const int saved = SaveDC(dc);
  SelectClipRgn(dc, area);
  for (const ShapeElement& element : group.Elements()) {
    if (element.created && element.visible) PaintElement(dc, element, twips);
  }
  RestoreDC(dc, saved);
}

}  // namespace sovelin
