#include "setup/setup_dialog_class_win32.h"

#include "common/handles_win32.h"

namespace sovelin {

namespace {

// A Windows colour value as a COLORREF, looking up system colours.
COLORREF ToColorRef(int32_t color) {
  const auto value = static_cast<uint32_t>(color);
  if (value & 0x80000000u) return GetSysColor(static_cast<int>(value & 0xFF));
  return static_cast<COLORREF>(value & 0xFFFFFF);
}

}  // namespace

bool SetupDialog::OnPage(HWND control) const {
  const auto found = descriptors_.find(control);
  return found != descriptors_.end() && found->second->tab != SetupTab::kNone;
}

// The tab control's body as a brush, so that controls on a page show the page's background
// (a visual style may paint it differently from the dialog).
void SetupDialog::MakePageBrush() {
  RECT client;
  GetClientRect(tabs_, &client);
  WindowDC screen(tabs_);
  OwnedDC memory(CreateCompatibleDC(screen.get()));
  Bitmap body(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
  {
    SelectGuard select(memory.get(), body.get());
    FillRect(memory.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
    SendMessageA(tabs_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()),
                 PRF_CLIENT | PRF_ERASEBKGND);
  }
  pageBrush_.Reset(CreatePatternBrush(body.get()));
}

INT_PTR SetupDialog::OnControlColor(HDC dc, HWND control) {
  const auto found = descriptors_.find(control);
  if (found == descriptors_.end() || !OnPage(control) || !pageBrush_) return FALSE;
  if (found->second->kind == ControlKind::kLabel)
    SetTextColor(dc, ToColorRef(found->second->color));
  SetBkMode(dc, TRANSPARENT);
  // Line the pattern up with the tab control's body.
  POINT origin{0, 0};
  MapWindowPoints(control, tabs_, &origin, 1);
  SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
  return reinterpret_cast<INT_PTR>(pageBrush_.get());
}

void SetupDialog::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const auto found = descriptors_.find(item.hwndItem);
  if (found == descriptors_.end()) return;
  const ControlDescriptor& control = *found->second;
  HDC dc = item.hDC;
  const RECT& box = item.rcItem;
  if (control.kind == ControlKind::kLine) {
    Brush pen(CreateSolidBrush(ToColorRef(control.color)));
    FillRect(dc, &box, pen.get());
    return;
  }
  if (pageBrush_) {
    POINT origin{0, 0};
    MapWindowPoints(item.hwndItem, tabs_, &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    FillRect(dc, &box, pageBrush_.get());
  }
  const int boxWidth = box.right - box.left;
  const int boxHeight = box.bottom - box.top;
  if (control.picture == SetupPicture::kProgramIcon && programIcon_) {
    const int size = MulDiv(kIconPixels, dpi_.x, kBaseDpi);
    DrawIconEx(dc, box.left + (boxWidth - size) / 2, box.top + (boxHeight - size) / 2, programIcon_,
               size, size, 0, nullptr, DI_NORMAL);
  } else if (control.picture == SetupPicture::kAboutPicture && aboutPicture_) {
    const int width = MulDiv(kAboutPictureWidth, dpi_.x, kBaseDpi);
    const int height = MulDiv(kAboutPictureHeight, dpi_.y, kBaseDpi);
    OwnedDC memory(CreateCompatibleDC(dc));
    SelectGuard select(memory.get(), aboutPicture_.get());
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, box.left + (boxWidth - width) / 2, box.top + (boxHeight - height) / 2, width,
               height, memory.get(), 0, 0, kAboutPictureWidth, kAboutPictureHeight, SRCCOPY);
  }
}

}  // namespace sovelin
