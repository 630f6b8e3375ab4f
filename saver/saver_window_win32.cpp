#include "saver/saver_window_win32.h"

#include <windowsx.h>

#include "common/window_binding_win32.h"
#include "geometry/screen_win32.h"

namespace sovelin {

namespace {

constexpr const char* kSaverClass = "SovelinSaverWindow";
constexpr UINT_PTR kVerseTimer = 1;
constexpr UINT kVerseTimerMs = 2000;
// Posted to itself when another program took the activation.
constexpr UINT kForegroundLost = WM_APP + 1;

}  // namespace

SaverWindow::SaverWindow(SaverRun& run, Bitmap background, ScreenLayout layout)
    : run_(run), layout_(std::move(layout)) {
  TakeBackground(std::move(background));
}

void SaverWindow::TakeBackground(Bitmap background) {
  if (!background) return;
  if (!backgroundDC_) backgroundDC_ = OwnedDC(CreateCompatibleDC(nullptr));
  // The new bitmap goes in before the old one is deleted, which a context must not hold.
  SelectObject(backgroundDC_.get(), background.get());
  background_ = std::move(background);
  BITMAP size{};
  GetObjectA(background_.get(), sizeof(size), &size);
  backgroundSize_ = {size.bmWidth, size.bmHeight};
}

void SaverWindow::ReplaceBackground(Bitmap background) {
  if (!background) return;
  TakeBackground(std::move(background));
  if (!window_) return;
  Region whole(CreateRectRgn(0, 0, width_, height_));
  RepaintBackground(ownDC_, whole.get());
}

bool SaverWindow::Create(HINSTANCE instance) {
  // The class keeps one DC for the window's life: cheap to reuse at every placement.
  if (!RegisterWindowClass(instance, kSaverClass, &SaverWindow::Procedure, CS_DBLCLKS | CS_OWNDC))
    return false;
  const PixelRect& screen = layout_.virtualScreen;
  width_ = screen.Width();
  height_ = screen.Height();
  backgroundOrigin_ = {screen.left, screen.top};
  CreateWindowExA(WS_EX_TOPMOST, kSaverClass, kSaverCaption, WS_POPUP, screen.left, screen.top,
                  width_, height_, nullptr, nullptr, instance, this);
  if (!window_) return false;
  ownDC_ = GetDC(window_);
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  KillTimer(window_, kVerseTimer);
  SetTimer(window_, kVerseTimer, kVerseTimerMs, nullptr);
  return true;
}

void SaverWindow::Show() {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  UpdateWindow(window_);
}

LRESULT CALLBACK SaverWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DispatchToOwner(window, message, wParam, lParam, &SaverWindow::window_,
                         &SaverWindow::Handle);
}

LRESULT SaverWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers everything
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:  // Alt, F10, Alt+F4 and Alt+Tab are key presses like any other
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN: OnStopInput(); return 0;
    case WM_MOUSEMOVE: OnMouseMove(lParam); return 0;
    case WM_ACTIVATEAPP:
      // Another program takes the activation (a notification, a chat window): what the user
      // types would go to it, hidden under the saver, so this counts as a key press. It is
      // handled once the change of activation is over. Activation moving between this
      // program's own windows (saver, verse window, prompt) sends no such message.
      if (!wParam) PostMessageA(window_, kForegroundLost, 0, 0);
      return 0;
    case kForegroundLost: OnStopInput(); return 0;
    case WM_TIMER:
      if (wParam == kVerseTimer && onTimer) onTimer();
      return 0;
    case WM_CLOSE: return 0;  // only the stop path ends the saver
    case WM_DISPLAYCHANGE: OnDisplayChange(); break;
    case WM_SYSCOMMAND:
      if (OnSystemCommand(wParam)) return 0;
      break;
    default: break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

bool SaverWindow::OnSystemCommand(WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_CLOSE:
    case SC_KEYMENU:
    case SC_TASKLIST:
    case SC_SCREENSAVE:
    case SC_MINIMIZE:
    case SC_MOVE:
    case SC_SIZE: return true;  // swallowed: the saver stays as it is
    default: return false;
  }
}

void SaverWindow::OnStopInput() {
  RequestStop(run_);
}

void SaverWindow::OnMouseMove(LPARAM position) {
  const float x = static_cast<float>(GET_X_LPARAM(position) * run_.twips.x);
  const float y = static_cast<float>(GET_Y_LPARAM(position) * run_.twips.y);
  if (OnSaverMouseMove(run_.flags, x, y, run_.settings.IsProtected()) && run_.AskPassword) {
    run_.AskPassword();
  }
}

// A monitor came or went: cover the new virtual screen. The desktop copy keeps its place on
// the screen; what it does not cover shows black. The client area may now start elsewhere on
// the screen, so the mouse position recorded in it no longer compares.
void SaverWindow::OnDisplayChange() {
  const ScreenLayout now = ReadScreenLayout();
  if (now.virtualScreen == layout_.virtualScreen && now.monitors == layout_.monitors) return;
  layout_ = now;
  ForgetMousePosition(run_.flags);
  const PixelRect& screen = layout_.virtualScreen;
  width_ = screen.Width();
  height_ = screen.Height();
  SetWindowPos(window_, HWND_TOPMOST, screen.left, screen.top, width_, height_, SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
  if (onDisplayChange) onDisplayChange();
}

void SaverWindow::OnPaint() {
  PaintDC paint(window_);
  Region area(CreateRectRgnIndirect(&paint.area()));
  RepaintBackground(paint.get(), area.get());
}

// The callers hold no clip region of their own, so the area's clip is simply taken off again:
// cheaper than saving and restoring the whole context at every placement of the verse window
// (under Wine a restore selects the font again, which reads the X resources anew).
void SaverWindow::RepaintBackground(HDC dc, HRGN area) {
  RECT box;
  GetRgnBox(area, &box);
  SelectClipRgn(dc, area);
  // The copy's pixel under client pixel (0, 0).
  const POINT shift{layout_.virtualScreen.left - backgroundOrigin_.x,
                    layout_.virtualScreen.top - backgroundOrigin_.y};
  const RECT copied{-shift.x, -shift.y, backgroundSize_.cx - shift.x, backgroundSize_.cy - shift.y};
  RECT shown{};
  IntersectRect(&shown, &box, &copied);
  if (!EqualRect(&shown, &box)) {
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  if (!IsRectEmpty(&shown)) {
    BitBlt(dc, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top,
           backgroundDC_.get(), shown.left + shift.x, shown.top + shift.y, SRCCOPY);
  }
  SelectClipRgn(dc, nullptr);
  if (paintAbove) paintAbove(dc, area);
}

}  // namespace sovelin
