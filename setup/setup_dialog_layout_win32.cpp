#include "setup/setup_dialog_class_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "common/handles_win32.h"
#include "common/texts_win32.h"

namespace sovelin {

// Narrows the space around the tab captions until the six tabs fit in one row, for a dialog
// font wider than the one the layout was made for.
void SetupDialog::FitTabRow() {
  RECT client;
  GetClientRect(tabs_, &client);
  const int lastTab = static_cast<int>(kTabCaptions.size()) - 1;
  for (int padding = MulDiv(6, dpi_.x, kBaseDpi); padding >= 1; --padding) {
    RECT last{};
    SendMessageA(tabs_, TCM_GETITEMRECT, lastTab, reinterpret_cast<LPARAM>(&last));
    if (last.right < client.right - 2) return;
    SendMessageA(tabs_, TCM_SETPADDING, 0, MAKELPARAM(padding, MulDiv(3, dpi_.y, kBaseDpi)));
    // The tab control measures its items again when its font is set.
    SendMessageA(tabs_, WM_SETFONT, SendMessageA(tabs_, WM_GETFONT, 0, 0), FALSE);
  }
}

RECT SetupDialog::RectInDialog(HWND control) const {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Widens option buttons, check boxes and push buttons whose caption does not fit, for a dialog
// font wider than the one the layout was made for (as at some DPIs), as far as their frame or
// page and the controls beside them allow.
void SetupDialog::WidenToFitCaptions() {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0));
  WindowDC dc(dialog_);
  SelectGuard select(dc.get(), font);
  const int margin = MulDiv(6, dpi_.x, kBaseDpi);
  const int mark = GetSystemMetrics(SM_CXMENUCHECK) + margin;
  // A push button centres its caption between its edges, with a margin on either side.
  const int edges = 2 * margin;
  for (const auto& [window, control] : descriptors_) {
    const bool button = control->kind == ControlKind::kPushButton;
    if (control->kind != ControlKind::kOptionButton && control->kind != ControlKind::kCheckBox &&
        !button)
      continue;
    RECT text{};
    const std::wstring caption = TrW(control->caption);
    DrawTextW(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CALCRECT | DT_SINGLELINE);
    const RECT rect = RectInDialog(window);
    int right = rect.left + (button ? edges : mark) + text.right;
    if (right <= rect.right) continue;
    const HWND container = control->container != kNoControl ? Item(control->container) : tabs_;
    right = std::min<int>(right, RectInDialog(container).right - margin);
    for (const auto& [otherWindow, other] : descriptors_) {
      if (other->tab != control->tab || otherWindow == window) continue;
      const RECT beside = RectInDialog(otherWindow);
      if (beside.left > rect.left && beside.top < rect.bottom && beside.bottom > rect.top)
        right = std::min<int>(right, beside.left - 1);
    }
    if (right > rect.right) {
      SetWindowPos(window, nullptr, 0, 0, right - rect.left, rect.bottom - rect.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
}

void SetupDialog::SelectTab(int index) {
  SendMessageA(tabs_, TCM_SETCURSEL, index, 0);
  ShowTab(static_cast<SetupTab>(index));
}

void SetupDialog::ShowTab(SetupTab tab) {
  for (const auto& [window, control] : descriptors_) {
    if (control->tab != SetupTab::kNone)
      ShowWindow(window, control->tab == tab ? SW_SHOWNA : SW_HIDE);
  }
  HWND focus = GetFocus();
  if (!focus || !IsWindowVisible(focus)) SetFocus(tabs_);
}

bool SetupDialog::HandleTabKeys(const MSG& message) {
  if (message.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0) return false;
  if (message.hwnd != dialog_ && !IsChild(dialog_, message.hwnd)) return false;
  int step = 0;
  if (message.wParam == VK_TAB)
    step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
  else if (message.wParam == VK_NEXT)
    step = 1;
  else if (message.wParam == VK_PRIOR)
    step = -1;
  if (step == 0) return false;
  const int count = static_cast<int>(kTabCaptions.size());
  const int current = static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0));
  SelectTab((current + step + count) % count);
  return true;
}

}  // namespace sovelin
