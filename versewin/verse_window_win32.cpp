#include "versewin/verse_window_win32.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/numbers.h"
#include "common/window_binding_win32.h"
#include "versewin/outlines.h"
#include "versewin/picture_win32.h"

namespace sovelin {

namespace {

constexpr const char* kVerseClass = "SovelinVerseWindow";

// Twips to the nearest pixel, halves to the even pixel.
int TwipsToPixels(int32_t twips, int twipsPerPixel) {
  return TwipsToPixel(static_cast<float>(twips), twipsPerPixel);
}

// A Windows colour value as GDI takes it: the top bit names a system colour by its index.
COLORREF ResolveColor(COLORREF color) {
  if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFFu));
  return color & 0x00FFFFFFu;
}

// The outline polygon of window `display` at `scale` as a new region, in window pixels: an
// empty region that receives a copy of the polygon region, which is then deleted.
Region BuildOutline(int16_t display, double scale) {
  Region outline(CreateRectRgn(0, 0, 0, 0));
  const auto table = ScaledOutline(display, scale);
  std::vector<POINT> points(table.size());
  std::transform(table.begin(), table.end(), points.begin(), [](const OutlinePoint& point) {
    return POINT{point.x, point.y};
  });
  Region polygon(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE));
  CombineRgn(outline.get(), polygon.get(), polygon.get(), RGN_COPY);
  return outline;
}

// The label's font at its point size on this display (9.75 points is 975 hundredths), in the
// chosen face when there is one.
Font CreateLabelFont(const LabelFont& font, const ChosenFace& chosen) {
  WindowDC screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  const int hundredths = static_cast<int>(RoundHalfEven(font.points * 100.0));
  const int height = -MulDiv(hundredths, dpi, 7200);
  if (!chosen.name.empty()) {
    LOGFONTW shape{};
    shape.lfHeight = height;
    shape.lfWeight = chosen.bold ? FW_BOLD : FW_NORMAL;
    shape.lfItalic = chosen.italic;
    shape.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(shape.lfFaceName, reinterpret_cast<const wchar_t*>(chosen.name.c_str()), LF_FACESIZE);
    return Font(CreateFontIndirectW(&shape));
  }
  const std::string face(font.name);
  return Font(CreateFontA(height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                          static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

}  // namespace

VerseWindow::VerseWindow(const VerseWindowDescriptor& descriptor, TwipsPerPixel twips,
                         COLORREF backColor, double scale)
    : descriptor_(descriptor),
      twips_(twips),
      backColor_(backColor),
      scale_(scale),
      textColor_(static_cast<COLORREF>(descriptor.textColor)) {
  verseLabel_.SetText(std::u16string(descriptor.designText.begin(), descriptor.designText.end()));
  size_ = {TwipsToPixels(descriptor_.width, twips_.x), TwipsToPixels(descriptor_.height, twips_.y)};
  // Each edge is rounded on its own, so a label of 196.67 pixels ends at the nearest pixel.
  const TwipsBox& label = descriptor_.lblverse;
  label_ = {TwipsToPixels(label.left, twips_.x), TwipsToPixels(label.top, twips_.y),
            TwipsToPixels(label.left + label.width, twips_.x),
            TwipsToPixels(label.top + label.height, twips_.y)};
}

VerseWindow::~VerseWindow() {
  if (window_) DestroyWindow(window_);
}

bool VerseWindow::Create(HINSTANCE instance, HWND owner, SaverRun& run, HMODULE pictures) {
  if (!RegisterWindowClass(instance, kVerseClass, &VerseWindow::Procedure)) return false;
  run_ = &run;
  owner_ = owner;
  picture_ = LoadVersePicture(pictures ? pictures : instance, descriptor_.picture,
                              descriptor_.pictureWidth, descriptor_.pictureHeight, scale_);
  font_ = CreateLabelFont(descriptor_.font, face_);
  pixels_ = PixelPosition();
  const std::string caption(descriptor_.caption);
  // A tool window has no taskbar button.
  CreateWindowExA(WS_EX_TOOLWINDOW, kVerseClass, caption.c_str(), WS_POPUP, pixels_.x, pixels_.y,
                  size_.cx, size_.cy, owner, nullptr, instance, this);
  if (!window_) return false;
  // The system owns the outline once it is installed.
  SetWindowRgn(window_, BuildOutline(descriptor_.display, scale_).release(), TRUE);
  // Topmost; without activating the still hidden window, which would take the keys away.
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void VerseWindow::SetText(std::u16string_view text) {
  if (!verseLabel_.SetText(text)) return;
  // The window's name is its verse, for screen readers.
  if (window_)
    SetWindowTextW(window_, reinterpret_cast<const wchar_t*>(verseLabel_.Text().c_str()));
  Repaint();
}

void VerseWindow::SetTextColor(COLORREF color) {
  if (color == textColor_) return;
  textColor_ = color;
  Repaint();
}

POINT VerseWindow::PixelPosition() const {
  return {TwipsToPixels(left_, twips_.x), TwipsToPixels(top_, twips_.y)};
}

bool VerseWindow::MoveTo(int32_t left, int32_t top) {
  left_ = left;
  top_ = top;
  const POINT target = PixelPosition();
  if (target.x == pixels_.x && target.y == pixels_.y) return false;
  pixels_ = target;
  if (window_) {
    SetWindowPos(window_, nullptr, pixels_.x, pixels_.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return true;
}

void VerseWindow::ShowOwned() {
  if (!window_) return;
  if (!placed_) {
    RECT owner{};
    GetWindowRect(owner_, &owner);
    // An owner over several monitors is centred on for its part on the primary monitor.
    const RECT primary{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (RECT onPrimary; IntersectRect(&onPrimary, &owner, &primary)) owner = onPrimary;
    const TwipsBox ownerTwips{owner.left * twips_.x, owner.top * twips_.y,
                              (owner.right - owner.left) * twips_.x,
                              (owner.bottom - owner.top) * twips_.y};
    const TwipsPoint first = FirstPosition(descriptor_, ownerTwips);
    MoveTo(first.left, first.top);
    placed_ = true;
  }
  Show();
}

void VerseWindow::Hide() {
  if (!window_) return;
  ShowWindow(window_, SW_HIDE);
}

void VerseWindow::Show() {
  if (!window_) return;
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(window_);
  UpdateWindow(window_);
}

Region VerseWindow::OutlineRegionAt(int xPixels, int yPixels) const {
  Region outline = BuildOutline(descriptor_.display, scale_);
  OffsetRgn(outline.get(), xPixels, yPixels);
  return outline;
}

LRESULT CALLBACK VerseWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DispatchToOwner(window, message, wParam, lParam, &VerseWindow::window_,
                         &VerseWindow::Handle);
}

LRESULT VerseWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers everything
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:  // Alt and F10 alone are key presses like any other
      if (run_) RequestStop(*run_);
      return 0;
    case WM_SYSKEYUP:
    case WM_SYSCHAR: return 0;  // no menu mode, no beep
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
      return 0;  // a click on the verse neither stops the saver nor asks for the password
    case WM_CLOSE: return 0;  // only the stop path ends the saver
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE || (wParam & 0xFFF0) == SC_KEYMENU) return 0;
      break;
    default: break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void VerseWindow::Repaint() {
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

// Paints into an off-screen bitmap first, so a new text never flickers.
void VerseWindow::OnPaint() {
  PaintDC paint(window_);
  OwnedDC buffer(CreateCompatibleDC(paint.get()));
  Bitmap bits(CreateCompatibleBitmap(paint.get(), size_.cx, size_.cy));
  SelectGuard select(buffer.get(), bits.get());
  PaintAll(buffer.get());
  BitBlt(paint.get(), 0, 0, size_.cx, size_.cy, buffer.get(), 0, 0, SRCCOPY);
}

void VerseWindow::PaintAll(HDC dc) {
  PaintBackground(dc);
  PaintLabel(dc);
}

// The window's colour, then the picture (already at the window's scale) at the client origin,
// clipped.
void VerseWindow::PaintBackground(HDC dc) {
  const RECT client{0, 0, size_.cx, size_.cy};
  Brush back(CreateSolidBrush(ResolveColor(backColor_)));
  FillRect(dc, &client, back.get());
  if (!picture_) return;
  BITMAP picture{};
  GetObjectA(picture_.get(), sizeof(picture), &picture);
  OwnedDC source(CreateCompatibleDC(dc));
  SelectGuard select(source.get(), picture_.get());
  BitBlt(dc, 0, 0, std::min<LONG>(picture.bmWidth, size_.cx),
         std::min<LONG>(picture.bmHeight, size_.cy), source.get(), 0, 0, SRCCOPY);
}

// The verse on a transparent background, wrapped within the label's rectangle (VerseLabel);
// lines below its bottom edge are cut off.
void VerseWindow::PaintLabel(HDC dc) {
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, label_.left, label_.top, label_.right, label_.bottom);
  SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ResolveColor(textColor_));
  verseLabel_.Draw(dc, font_.get(), label_);
  RestoreDC(dc, saved);
}

}  // namespace sovelin
