#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "common/handles_win32.h"
#include "settings/settings.h"
#include "startup/preview.h"

namespace sovelin {

// The "/P" mode: plays the preview animation as a child window filling the client area of the
// window whose handle ends `arguments`, its pictures stretched to that size, until that window goes
// away, and returns the exit code (0). Without a window behind the handle it shows nothing and
// returns 0 at once. A colour, picture or folder backdrop in `settings` shows behind the book.
int ShowPreview(HINSTANCE instance, const std::string& arguments, const SaverSettings& settings);

// The chosen backdrop at the preview pictures' size: the colour, the picture or a folder's first
// picture, covering it centred and cropped. Empty for the desktop and black (the preview's own
// background stands for them) and for a picture or folder that cannot show.
Bitmap PreviewBackdrop(const SaverSettings& settings);

// The preview form: a borderless child window of the control panel's sample monitor, filling
// its client area, that steps through the frames of the animation on a 200 ms timer. Its
// destruction (with its parent, or when the parent has vanished) posts the quit message that ends
// the preview's message loop.
class PreviewWindow final {
 public:
  // The pictures are read from `pictures` (by default from `instance`), where preview.rc put
  // them.
  PreviewWindow(HINSTANCE instance, HWND parent, HMODULE pictures = nullptr);
  ~PreviewWindow();
  PreviewWindow(const PreviewWindow&) = delete;
  PreviewWindow& operator=(const PreviewWindow&) = delete;

  // Loads the form (pictures, frame state, timer) and shows it as a child of the parent,
  // filling the parent's client area.
  bool Create();

  // A backdrop at the pictures' size (PreviewBackdrop) to show in the place of the form's own
  // background, behind the book; before Create.
  void SetBackdrop(Bitmap backdrop) { backdrop_ = std::move(backdrop); }

  HWND handle() const { return window_; }
  // The picture shown now: -1 for the form's own background, else the frame's index.
  int16_t PictureShown() const { return PreviewPictureShown(frames_); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void FitToParent();
  void OnTimer();
  void OnPaint();
  HBITMAP PictureBitmap() const;
  void PutBackdropBehindTheBook();

  HINSTANCE instance_;
  HWND parent_;
  HMODULE pictureModule_;
  HWND window_ = nullptr;
  PreviewFrames frames_;
  // The five frames, then the form's own background.
  std::array<Bitmap, kPreviewFrameCount + 1> pictures_;
  Bitmap backdrop_;
};

}  // namespace sovelin
