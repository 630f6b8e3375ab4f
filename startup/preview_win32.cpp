#include "startup/preview_win32.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "common/handles_win32.h"
#include "common/texts_win32.h"
#include "common/window_binding_win32.h"
#include "saver/backdrop_win32.h"
#include "startup/preview.h"
#include "versewin/picture_win32.h"

namespace sovelin {

namespace {

constexpr const char* kPreviewClass = "SovelinPreview";
constexpr const char* kPreviewCaption = "Preview";
constexpr UINT_PTR kFrameTimer = 1;

// A handle from the command line as a window handle: 32 bits, sign-extended on 64-bit Windows.
HWND WindowFromHandleValue(int32_t value) {
  return reinterpret_cast<HWND>(static_cast<intptr_t>(value));
}

// 32 bits a pixel at the preview pictures' size, top row first.
BITMAPINFO PreviewPixelFormat() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = kPreviewPictureWidth;
  info.bmiHeader.biHeight = -kPreviewPictureHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A picture's pixels at the preview pictures' size, 32 bits each, top row first; empty when the
// picture is not of that size.
std::vector<uint32_t> PreviewPixels(HBITMAP picture) {
  BITMAP shape{};
  if (!picture || !GetObjectA(picture, sizeof(shape), &shape) ||
      shape.bmWidth != kPreviewPictureWidth || shape.bmHeight != kPreviewPictureHeight) {
    return {};
  }
  std::vector<uint32_t> pixels(static_cast<size_t>(kPreviewPictureWidth) * kPreviewPictureHeight);
  BITMAPINFO info = PreviewPixelFormat();
  WindowDC screen(nullptr);
  if (GetDIBits(screen.get(), picture, 0, kPreviewPictureHeight, pixels.data(), &info,
                DIB_RGB_COLORS) != kPreviewPictureHeight) {
    return {};
  }
  for (uint32_t& pixel : pixels) pixel &= 0xFFFFFF;  // the unused byte may hold anything
  return pixels;
}

Bitmap PreviewBitmap(const std::vector<uint32_t>& pixels) {
  BITMAPINFO info = PreviewPixelFormat();
  void* bits = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bits) return Bitmap();
  std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
  return bitmap;
}

}  // namespace

Bitmap PreviewBackdrop(const SaverSettings& settings) {
  const PixelRect area{0, 0, kPreviewPictureWidth, kPreviewPictureHeight};
  const ScreenLayout layout{area, {area}};
  const std::filesystem::path path(WideText(settings.backdropPath));
  switch (settings.ChosenBackdrop()) {
    case Backdrop::kDesktop:
    case Backdrop::kBlack: return Bitmap();
    case Backdrop::kColor:
      return ColorBackdrop(static_cast<COLORREF>(settings.gBackdropColor), layout);
    case Backdrop::kPicture: return PictureBackdrop(path, layout);
    case Backdrop::kFolder: {
      const std::vector<std::filesystem::path> pictures = PicturesInFolder(path);
      return pictures.empty() ? Bitmap() : PictureBackdrop(pictures.front(), layout);
    }
  }
  return Bitmap();
}

PreviewWindow::PreviewWindow(HINSTANCE instance, HWND parent, HMODULE pictures)
    : instance_(instance), parent_(parent), pictureModule_(pictures ? pictures : instance) {}

PreviewWindow::~PreviewWindow() {
  if (window_) DestroyWindow(window_);
}

bool PreviewWindow::Create() {
  if (!RegisterWindowClass(instance_, kPreviewClass, &PreviewWindow::Procedure)) return false;
  for (int16_t index = -1; index < kPreviewFrameCount; ++index) {
    const std::string name = PreviewPictureName(index);
    pictures_[index < 0 ? kPreviewFrameCount : index] = LoadPictureResource(pictureModule_, name);
  }
  PutBackdropBehindTheBook();
  PreviewFormLoad(frames_);
  // Born a child of the sample monitor, the window never exists as a top-level one that would
  // have to be moved across, possibly into another process's way of counting pixels.
  CreateWindowExA(0, kPreviewClass, kPreviewCaption, WS_CHILD, 0, 0, kPreviewPictureWidth,
                  kPreviewPictureHeight + 1, parent_, nullptr, instance_, this);
  if (!window_) return false;
  FitToParent();
  ShowWindow(window_, SW_SHOWNA);
  SetTimer(window_, kFrameTimer, kPreviewTickMs, nullptr);
  return true;
}

// The parent's client area is read while the window is its child, so both sizes count in the
// same pixels; the control panel may also resize its sample monitor while the preview runs.
void PreviewWindow::FitToParent() {
  RECT parentClient{}, client{};
  GetClientRect(parent_, &parentClient);
  GetClientRect(window_, &client);
  if (client.right == parentClient.right && client.bottom == parentClient.bottom) return;
  SetWindowPos(window_, nullptr, 0, 0, parentClient.right, parentClient.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK PreviewWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DispatchToOwner(window, message, wParam, lParam, &PreviewWindow::window_,
                         &PreviewWindow::Handle);
}

LRESULT PreviewWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kFrameTimer) OnTimer();
      return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_SIZE: InvalidateRect(window_, nullptr, FALSE); return 0;
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers everything
    case WM_DESTROY:
      // The window goes with its parent, and the process with the window: Windows starts a
      // new preview each time the saver is picked, so none may linger.
      KillTimer(window_, kFrameTimer);
      PostQuitMessage(0);
      return 0;
    default: break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void PreviewWindow::OnTimer() {
  // A parent in another process may vanish without taking its children along.
  if (!IsWindow(parent_)) {
    DestroyWindow(window_);
    return;
  }
  FitToParent();
  const int16_t before = PreviewPictureShown(frames_);
  PreviewTimerTick(frames_);
  if (PreviewPictureShown(frames_) != before) InvalidateRect(window_, nullptr, FALSE);
}

// Each frame shows the book over the form's own background: where a frame's pixel is the
// background's, the backdrop's shows instead, and the background itself becomes the backdrop.
void PreviewWindow::PutBackdropBehindTheBook() {
  const std::vector<uint32_t> backdrop = PreviewPixels(backdrop_.get());
  const std::vector<uint32_t> background = PreviewPixels(pictures_[kPreviewFrameCount].get());
  if (backdrop.empty() || background.empty()) return;
  for (int16_t index = 0; index < kPreviewFrameCount; ++index) {
    std::vector<uint32_t> frame = PreviewPixels(pictures_[index].get());
    if (frame.empty()) continue;
    for (size_t at = 0; at < frame.size(); ++at) {
      if (frame[at] == background[at]) frame[at] = backdrop[at];
    }
    if (Bitmap composed = PreviewBitmap(frame)) pictures_[index] = std::move(composed);
  }
  pictures_[kPreviewFrameCount] = PreviewBitmap(backdrop);
}

HBITMAP PreviewWindow::PictureBitmap() const {
  const int16_t shown = PreviewPictureShown(frames_);
  return pictures_[shown < 0 ? kPreviewFrameCount : shown].get();
}

// The picture shown now, stretched over the whole client area: the sample monitor stands
// for the screen, whatever its size. Halftone stretching averages the picture's pixels, so it
// stays smooth enlarged or reduced. Painted off-screen first, so a frame change never flickers.
void PreviewWindow::OnPaint() {
  PaintDC paint(window_);
  RECT client{};
  GetClientRect(window_, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  OwnedDC buffer(CreateCompatibleDC(paint.get()));
  Bitmap bits(CreateCompatibleBitmap(paint.get(), client.right, client.bottom));
  SelectGuard selectBits(buffer.get(), bits.get());
  FillRect(buffer.get(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (HBITMAP picture = PictureBitmap()) {
    OwnedDC source(CreateCompatibleDC(paint.get()));
    SelectGuard selectPicture(source.get(), picture);
    SetStretchBltMode(buffer.get(), HALFTONE);
    SetBrushOrgEx(buffer.get(), 0, 0, nullptr);  // as halftone stretching asks
    StretchBlt(buffer.get(), 0, 0, client.right, client.bottom, source.get(), 0, 0,
               kPreviewPictureWidth, kPreviewPictureHeight, SRCCOPY);
  }
  BitBlt(paint.get(), 0, 0, client.right, client.bottom, buffer.get(), 0, 0, SRCCOPY);
}

namespace {

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace

int ShowPreview(HINSTANCE instance, const std::string& arguments, const SaverSettings& settings) {
  HWND parent = WindowFromHandleValue(PreviewHandleFromArguments(arguments));
  // Without a window to live in there is nothing to show, and nothing would ever end us.
  if (!parent || !IsWindow(parent)) return 0;
  PreviewWindow preview(instance, parent);
  preview.SetBackdrop(PreviewBackdrop(settings));
  if (!preview.Create()) return 0;
  return RunMessageLoop();
}

}  // namespace sovelin
