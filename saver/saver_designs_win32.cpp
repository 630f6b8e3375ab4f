#include "saver/saver_designs_win32.h"

#include <vector>

#include "common/handles_win32.h"
#include "designs/draw_design.h"
#include "designs/shape_painter_win32.h"
#include "designs/shapes.h"

namespace sovelin {

SaverDesigns::SaverDesigns(SaverRun& run, SaverWindow& window)
    : run_(run), window_(window), canvas_(window.handle(), run.twips) {}

void SaverDesigns::Step() {
  WindowDC dc(window_.handle());
  if (!dc) return;
  {
    GdiCanvas::DrawingScope scope(canvas_, dc.get());
    DrawDesign(canvas_, run_.random, state_, run_.settings.gBackground);
  }
  RepaintChangedShapes(dc.get());
}

void SaverDesigns::End() {
  RemoveDesignShapes(state_);
  state_.shpClone.TakeDirty();
}

void SaverDesigns::PaintAbove(HDC dc, HRGN area) const {
  PaintShapes(dc, area, state_.shpClone, run_.twips);
}

// One region of all changed areas, so the background and the shapes over it are painted once.
void SaverDesigns::RepaintChangedShapes(HDC dc) {
  const std::vector<TwipsRect> changed = state_.shpClone.TakeDirty();
  if (changed.empty()) return;
  Region all(CreateRectRgn(0, 0, 0, 0));
  for (const TwipsRect& area : changed) {
    const RECT box = PixelBoxAround(area, run_.twips);
    Region part(CreateRectRgnIndirect(&box));
    CombineRgn(all.get(), all.get(), part.get(), RGN_OR);
  }
  window_.RepaintBackground(dc, all.get());
}

}  // namespace sovelin
