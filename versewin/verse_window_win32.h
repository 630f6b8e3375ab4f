#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

#include "common/handles_win32.h"
#include "run/saver_run.h"
#include "versewin/verse_label_win32.h"
#include "versewin/verse_window_kind.h"

namespace sovelin {

// The small borderless window that carries the verse: cut to its outline, topmost, owned by
// the saver window, showing its picture (or a plain colour) and the word-wrapped label
// lblverse. One class serves all seven verse windows; the descriptor tells them apart.
//
// Positions and sizes are twips. The window keeps the exact twips it was given and sits at
// the nearest pixel, halves to the even pixel, as the program rounds every fraction.
// A face chosen for the verse instead of the window's own; it keeps the window's own size.
struct ChosenFace {
  std::u16string name;  // empty: the window's own font
  bool bold = false;
  bool italic = false;
};

class VerseWindow final {
 public:
  // `descriptor` is already grown by the verse size and shrunk for large fonts when the
  // display needs it (SizeVerseWindow). `backColor` is
  // gRectangleColor for the box and oval, the button-face colour for picture windows. Colour
  // values with the top bit set name a system colour by the index in their low byte. `scale`
  // is the window's scale against its 96-DPI design (VerseWindowScale): its outline and
  // picture are drawn at that scale, so they fill the window as its size and font grow.
  VerseWindow(const VerseWindowDescriptor& descriptor, TwipsPerPixel twips, COLORREF backColor,
              double scale = 1.0);
  ~VerseWindow();
  VerseWindow(const VerseWindow&) = delete;
  VerseWindow& operator=(const VerseWindow&) = delete;

  // Creates the hidden window owned by `owner`, installs its outline and makes it topmost.
  // Its picture is read from `pictures` (by default from `instance`), where pictures.rc put
  // it. Key presses on the window request the stop of `run`.
  bool Create(HINSTANCE instance, HWND owner, SaverRun& run, HMODULE pictures = nullptr);
  // The face the label draws the verse in, from Create on.
  void ChooseFace(ChosenFace face) { face_ = std::move(face); }

  HWND handle() const { return window_; }

  // The label's text (the stored verse, UTF-16) and text colour; the window repaints on a
  // change. Text() is the text without the blanks that pad a stored verse.
  void SetText(std::u16string_view text);
  const std::u16string& Text() const { return verseLabel_.Text(); }
  // How the label laid out its text at the last paint (see VerseLabel).
  const VerseLabel& Label() const { return verseLabel_; }
  void SetTextColor(COLORREF color);
  COLORREF TextColor() const { return textColor_; }

  // The window's place and size in twips.
  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return descriptor_.width; }
  int32_t Height() const { return descriptor_.height; }

  // Moves the window to (left, top) twips. Returns true when its pixel position changed;
  // a move within the same pixel only records the twips.
  bool MoveTo(int32_t left, int32_t top);
  // Where the window stands on the screen, in pixels.
  POINT ScreenPixels() const { return pixels_; }

  // Shows the window modeless, the first time at its first placement on the owner (on the
  // owner's part of the primary monitor), and gives it the keyboard focus.
  void ShowOwned();
  void Hide();
  void Show();

  // A new region holding the outline with the window's top-left corner at (x, y) pixels.
  Region OutlineRegionAt(int xPixels, int yPixels) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void PaintAll(HDC dc);
  void PaintBackground(HDC dc);
  void PaintLabel(HDC dc);
  void Repaint();
  POINT PixelPosition() const;

  VerseWindowDescriptor descriptor_;
  TwipsPerPixel twips_;
  COLORREF backColor_;
  double scale_;
  COLORREF textColor_;
  VerseLabel verseLabel_;
  int32_t left_ = 0;
  int32_t top_ = 0;
  POINT pixels_{};  // where the window stands on the screen
  SIZE size_{};     // the window's size in pixels
  RECT label_{};    // the label's rectangle in client pixels
  bool placed_ = false;
  SaverRun* run_ = nullptr;
  HWND owner_ = nullptr;
  HWND window_ = nullptr;
  Bitmap picture_;
  Font font_;
  ChosenFace face_;
};

}  // namespace sovelin
