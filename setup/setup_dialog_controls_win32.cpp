#include "setup/setup_dialog_class_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/texts_win32.h"
#include "setup/setup_dialog_win32.h"

namespace sovelin {

namespace {

// The dialog font: the shell's dialog face at 8 points, which the dialog manager scales to
// the display's DPI.
constexpr WORD kFontPoints = 8;
constexpr const char* kFontFace = "MS Shell Dlg";

int TwipsToPixels(int32_t twips, int dpi) {
  return TwipsToPixelsAtDpi(twips, dpi);
}

// The control's rectangle in the dialog's client area in pixels. Edges are converted rather
// than sizes, so controls that meet in twips still meet in pixels.
RECT PixelRect(const ControlDescriptor& control, Dpi dpi) {
  const TwipPoint origin = PositionInDialog(control);
  RECT rect{TwipsToPixels(origin.x, dpi.x), TwipsToPixels(origin.y, dpi.y),
            TwipsToPixels(origin.x + control.width, dpi.x),
            TwipsToPixels(origin.y + control.height, dpi.y)};
  if (control.kind == ControlKind::kLine)
    rect.bottom = rect.top + std::max(1, MulDiv(control.lineWidthPixels, dpi.y, kBaseDpi));
  return rect;
}

// An option button ends where a push button of its frame begins: an option paints its whole
// rectangle, so one overlapping "Select Color" would hide the button.
RECT LayoutRect(const ControlDescriptor& control, Dpi dpi) {
  RECT rect = PixelRect(control, dpi);
  if (control.kind != ControlKind::kOptionButton) return rect;
  for (const ControlDescriptor& other : SetupControls()) {
    if (other.kind != ControlKind::kPushButton || other.container != control.container) continue;
    const RECT button = PixelRect(other, dpi);
    RECT overlap;
    if (IntersectRect(&overlap, &rect, &button) && button.left > rect.left)
      rect.right = std::min(rect.right, button.left);
  }
  return rect;
}

}  // namespace

std::vector<WORD> SetupDialog::DialogTemplate() {
  std::vector<WORD> words;
  const auto add = [&words](uint32_t value, bool twoWords) {
    words.push_back(static_cast<WORD>(value & 0xFFFF));
    if (twoWords) words.push_back(static_cast<WORD>(value >> 16));
  };
  const auto addText = [&words](std::string_view text) {
    for (wchar_t c : WideText(text)) words.push_back(static_cast<WORD>(c));
    words.push_back(0);
  };
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT |
                      DS_FIXEDSYS | WS_CLIPCHILDREN;
  add(1, false);       // dlgVer
  add(0xFFFF, false);  // signature: extended template
  add(0, true);        // helpID
  add(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, true);
  add(style, true);
  add(0, false);                              // no items
  for (int i = 0; i < 4; ++i) add(0, false);  // x, y, cx, cy: set in pixels later
  add(0, false);                              // no menu
  add(0, false);                              // the standard dialog class
  addText(Tr(kSetupCaption));
  add(kFontPoints, false);
  add(FW_NORMAL, false);
  add(0, false);  // italic, charset
  addText(kFontFace);
  return words;
}

void SetupDialog::LoadPictures() {
  const int iconSize = MulDiv(kIconPixels, dpi_.x, kBaseDpi);
  programIcon_ = static_cast<HICON>(
      LoadImageA(instance_, kSetupIconResource, IMAGE_ICON, iconSize, iconSize, 0));
  helpIcon_ = static_cast<HICON>(
      LoadImageA(instance_, kSetupHelpResource, IMAGE_ICON, iconSize, iconSize, 0));
  if (!helpIcon_) {
    // Without a help picture of its own the button shows the system's question mark.
    helpIcon_ = static_cast<HICON>(
        CopyImage(LoadIconA(nullptr, IDI_QUESTION), IMAGE_ICON, iconSize, iconSize, 0));
  }
  aboutPicture_.Reset(static_cast<HBITMAP>(
      LoadImageA(instance_, kSetupAboutResource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (programIcon_) {
    SendMessageA(dialog_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(programIcon_));
    SendMessageA(dialog_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(programIcon_));
  }
}

void SetupDialog::CreateControls() {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0));
  LOGFONTA bold{};
  GetObjectA(font, sizeof(bold), &bold);
  bold.lfWeight = FW_BOLD;
  titleFont_.Reset(CreateFontIndirectA(&bold));

  for (const ControlDescriptor& control : SetupControls()) {
    HWND window = CreateControl(control);
    if (!window) continue;
    descriptors_[window] = &control;
    SendMessageA(window, WM_SETFONT,
                 reinterpret_cast<WPARAM>(control.id == kLblTitle ? titleFont_.get() : font),
                 FALSE);
    if (control.kind == ControlKind::kPictureButton && helpIcon_)
      SendMessageA(window, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(helpIcon_));
  }
  tabs_ = Item(kTbsOptions);
  for (size_t i = 0; i < kTabCaptions.size(); ++i) {
    std::wstring caption = TrW(kTabCaptions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(tabs_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  FitTabRow();
  WidenToFitCaptions();
  // The tab control stays first, above the pages' controls in z-order: it paints before them,
  // and a frame's open middle shows the tab's body.
}

HWND SetupDialog::CreateControl(const ControlDescriptor& control) {
  const wchar_t* windowClass = L"BUTTON";
  DWORD style = WS_CHILD;
  switch (control.kind) {
    case ControlKind::kTabControl:
      windowClass = WC_TABCONTROLW;
      style |= TCS_SINGLELINE;
      break;
    case ControlKind::kPushButton: style |= BS_PUSHBUTTON; break;
    case ControlKind::kPictureButton: style |= BS_PUSHBUTTON | BS_ICON; break;
    case ControlKind::kFrame: style |= BS_GROUPBOX; break;
    case ControlKind::kOptionButton: style |= BS_AUTORADIOBUTTON; break;
    case ControlKind::kCheckBox:
      // Three states: a stored 2 shows greyed; a click goes back to ticked or clear.
      style |= BS_3STATE;
      break;
    case ControlKind::kLabel:
      windowClass = L"STATIC";
      style |= SS_LEFT | SS_NOPREFIX;
      break;
    case ControlKind::kPicture:
    case ControlKind::kLine:
      windowClass = L"STATIC";
      style |= SS_OWNERDRAW;
      break;
    case ControlKind::kComboBox:
      windowClass = L"COMBOBOX";
      style |= CBS_DROPDOWNLIST | WS_VSCROLL;
      break;
  }
  if (control.groupStart) style |= WS_GROUP;
  if (control.tabStop) style |= WS_TABSTOP;
  if (!control.enabled) style |= WS_DISABLED;
  if (control.tab == SetupTab::kNone || control.tab == kInitialTab) style |= WS_VISIBLE;

  const RECT rect = LayoutRect(control, dpi_);
  // Picture buttons show no caption; the name is for screen readers.
  const std::wstring text =
      TrW(control.kind == ControlKind::kPictureButton ? "Help" : control.caption);
  if (control.kind == ControlKind::kComboBox) {
    // A Unicode list, as list names are in any language; its window's height includes the list
    // when dropped, room for eight lists.
    const int dropped = rect.bottom - rect.top + MulDiv(8 * 15, dpi_.y, kBaseDpi);
    return CreateWindowExW(
        0, L"COMBOBOX", L"", style, rect.left, rect.top, rect.right - rect.left, dropped, dialog_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance_, nullptr);
  }
  return CreateWindowExW(0, windowClass, text.c_str(), style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, dialog_,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance_,
                         nullptr);
}

void SetupDialog::PlaceDialog() {
  RECT frame{0, 0, TwipsToPixels(kSetupClientWidth, dpi_.x),
             TwipsToPixels(kSetupClientHeight, dpi_.y)};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(dialog_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(dialog_, GWL_EXSTYLE)));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  // Centred in the work area.
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + std::max<int>(0, (work.right - work.left - width) / 2);
  const int top = work.top + std::max<int>(0, (work.bottom - work.top - height) / 2);
  SetWindowPos(dialog_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace sovelin
