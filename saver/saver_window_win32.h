#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "common/handles_win32.h"
#include "run/saver_run.h"

namespace sovelin {

inline constexpr const char* kSaverCaption = "Sovelin Main Form";

// The full-screen window behind the verse: shows the desktop copy (or black), turns key
// presses, clicks and mouse movement into stop requests, and ticks the verse-change timer.
class SaverWindow final {
 public:
  // `background` is the desktop copy, or empty for a black screen.
  SaverWindow(SaverRun& run, Bitmap background);
  SaverWindow(const SaverWindow&) = delete;
  SaverWindow& operator=(const SaverWindow&) = delete;

  // Creates the window over the primary screen, topmost, and starts its timer.
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

  // Paints the stored background (desktop copy or black) over `area`, in client pixels, and
  // then whatever must stay above it (see paintAbove).
  void RepaintBackground(HDC dc, HRGN area);

  // The timer's tick every 2000 ms.
  std::function<void()> onTimer;
  // Paints what stands above the stored background inside a repainted area.
  std::function<void(HDC, HRGN)> paintAbove;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void OnStopInput();
  void OnMouseMove(LPARAM position);
  bool OnSystemCommand(WPARAM command);

  SaverRun& run_;
  Bitmap background_;
  OwnedDC backgroundDC_;
  HWND window_ = nullptr;
  HDC ownDC_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace sovelin
