#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <utility>

#include "common/handles_win32.h"
#include "geometry/screen_win32.h"
#include "run/saver_run.h"

namespace sovelin {

inline constexpr const char* kSaverCaption = "Sovelin Main Form";

// The window behind the verse, over the whole virtual screen (every monitor): shows the
// desktop copy (or black), turns key presses, clicks and mouse movement into stop requests,
// and ticks the verse-change timer.
class SaverWindow final {
 public:
  // `background` is the desktop copy of the virtual screen (or the picture or colour chosen
  // instead), or empty for a black screen.
  // `layout` is the screen the copy was taken of, which the window covers.
  SaverWindow(SaverRun& run, Bitmap background, ScreenLayout layout = ReadScreenLayout());
  SaverWindow(const SaverWindow&) = delete;
  SaverWindow& operator=(const SaverWindow&) = delete;

  // Creates the window over the virtual screen, topmost, and starts its timer.
  bool Create(HINSTANCE instance);
  void Show();

  HWND handle() const { return window_; }
  // The window's own device context (its class keeps one for the window's life).
  HDC dc() const { return ownDC_; }
  int widthPixels() const { return width_; }
  int heightPixels() const { return height_; }
  // The drawing area in twips.
  int32_t ScaleWidth() const { return width_ * run_.twips.x; }
  int32_t ScaleHeight() const { return height_ * run_.twips.y; }
  // The monitors and the virtual screen the window covers.
  const ScreenLayout& layout() const { return layout_; }
  // A point in screen pixels as a point of the window's client area. The client area starts
  // at the virtual screen's top-left corner, which lies left of or above the primary monitor's
  // when a monitor stands there.
  POINT ClientPixels(POINT screen) const {
    return {screen.x - layout_.virtualScreen.left, screen.y - layout_.virtualScreen.top};
  }

  // Paints the stored background (desktop copy or black) over `area`, in client pixels, and
  // then whatever must stay above it (see paintAbove).
  void RepaintBackground(HDC dc, HRGN area);

  // Shows another background (of the same virtual screen) in place of the stored one.
  void ReplaceBackground(Bitmap background);

  // The timer's tick every 2000 ms.
  std::function<void()> onTimer;
  // Paints what stands above the stored background inside a repainted area.
  std::function<void(HDC, HRGN)> paintAbove;
  // The monitors changed; the window already covers the new virtual screen.
  std::function<void()> onDisplayChange;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void TakeBackground(Bitmap background);
  void OnPaint();
  void OnStopInput();
  void OnMouseMove(LPARAM position);
  bool OnSystemCommand(WPARAM command);
  void OnDisplayChange();

  SaverRun& run_;
  Bitmap background_;
  OwnedDC backgroundDC_;
  HWND window_ = nullptr;
  HDC ownDC_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  ScreenLayout layout_;
  // Where the desktop copy's top-left corner stands on the screen, and its size (0 x 0 for a
  // black screen).
  POINT backgroundOrigin_{};
  SIZE backgroundSize_{};
};

}  // namespace sovelin
