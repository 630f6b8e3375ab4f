#pragma once

#include <windows.h>

#include "designs/design_state.h"
#include "designs/gdi_canvas_win32.h"
#include "run/saver_run.h"
#include "saver/saver_window_win32.h"

namespace sovelin {

// The background designs of one run on the saver window: draws a step at each call and keeps
// the shape elements painted above the window's background.
class SaverDesigns final {
 public:
  SaverDesigns(SaverRun& run, SaverWindow& window);
  SaverDesigns(const SaverDesigns&) = delete;
  SaverDesigns& operator=(const SaverDesigns&) = delete;

  // One step of the chosen design on the window. Areas where shape elements appeared, moved
  // or went away are repainted at once from the background, so no ghost stays behind.
  void Step();
  // End of the run: removes the shape elements. The process ends next, so nothing is
  // repainted.
  void End();
  // The window's paintAbove hook: the shape elements inside a repainted area.
  void PaintAbove(HDC dc, HRGN area) const;

  const DesignState& state() const { return state_; }

 private:
  void RepaintChangedShapes(HDC dc);

  SaverRun& run_;
  SaverWindow& window_;
  GdiCanvas canvas_;
  DesignState state_;
};

}  // namespace sovelin
