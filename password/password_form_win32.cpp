#include "password/password_form_win32.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "common/texts_win32.h"
#include "geometry/screen_win32.h"
#include "password/scramble.h"

namespace sovelin {

namespace {

constexpr int kFirstControlId = 100;
constexpr int kIconPixels = 32;

int ToPixels(int32_t twips, int dpi) {
  return TwipsToPixelsAtDpi(twips, dpi);
}

DWORD FormStyle(const PasswordForm& form) {
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  // A modal frame has no room for an icon in the title bar.
  return form.showsIcon ? style : style | DS_MODALFRAME;
}

// A dialog template with no controls: LayOutPasswordForm adds them at their exact pixels.
std::vector<WORD> FormTemplate(const PasswordForm& form) {
  std::vector<WORD> words;
  const DWORD style = FormStyle(form);
  words.push_back(LOWORD(style));
  words.push_back(HIWORD(style));
  words.push_back(0);  // extended style
  words.push_back(0);
  words.push_back(0);                                                         // no controls
  for (int coordinate = 0; coordinate < 4; ++coordinate) words.push_back(0);  // x, y, cx, cy
  words.push_back(0);                                                         // no menu
  words.push_back(0);                                                         // standard class
  for (wchar_t c : TrW(form.caption)) words.push_back(static_cast<WORD>(c));
  words.push_back(0);
  return words;
}

// A resource name as EnumResourceNames gives it: a string or an integer id. The string is
// copied, since the system frees its buffer when the enumeration returns.
struct ResourceName {
  std::string text;
  ULONG_PTR id = 0;
  bool found = false;

  LPCSTR get() const { return text.empty() ? MAKEINTRESOURCEA(id) : text.c_str(); }
};

BOOL CALLBACK TakeFirstIcon(HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
  auto& first = *reinterpret_cast<ResourceName*>(found);
  if (IS_INTRESOURCE(name)) {
    first.id = reinterpret_cast<ULONG_PTR>(name);
  } else {
    first.text = name;
  }
  first.found = true;
  return FALSE;
}

// The program's first icon, or the system's application icon when it has none.
HICON ProgramIcon() {
  HMODULE program = GetModuleHandleA(nullptr);
  ResourceName name;
  EnumResourceNamesA(program, RT_GROUP_ICON, &TakeFirstIcon, reinterpret_cast<LONG_PTR>(&name));
  if (name.found) {
    if (auto icon = static_cast<HICON>(
            LoadImageA(program, name.get(), IMAGE_ICON, kIconPixels, kIconPixels, LR_SHARED)))
      return icon;
  }
  return LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
}

Font CreateFormFont(const Dpi& dpi) {
  // 8.25 points at the dialog's vertical DPI.
  const int height = -MulDiv(825, dpi.y, 7200);
  const std::string face(kPasswordFontName);
  return Font(CreateFontA(height, 0, 0, 0, kPasswordFontBold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                          FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str()));
}

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD extendedStyle;
};

ControlClass ClassOf(const PasswordControl& control) {
  switch (control.kind) {
    case PasswordControlKind::Label: return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case PasswordControlKind::TextBox:
      return {L"EDIT", static_cast<DWORD>(ES_AUTOHSCROLL | (control.masked ? ES_PASSWORD : 0)),
              WS_EX_CLIENTEDGE};
    case PasswordControlKind::Button:
      return {L"BUTTON", static_cast<DWORD>(control.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
              0};
    case PasswordControlKind::Icon: return {L"STATIC", SS_ICON, 0};
  }
  return {L"STATIC", 0, 0};
}

// The controls in the order the dialog creates them: the ones that take the focus by their tab
// position (the creation order is the tab order), then the others.
std::vector<const PasswordControl*> CreationOrder(std::span<const PasswordControl> controls) {
  std::vector<const PasswordControl*> order;
  for (const PasswordControl& control : controls) order.push_back(&control);
  std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
    const int first = a->tabIndex == kNoTabStop ? INT_MAX : a->tabIndex;
    const int second = b->tabIndex == kNoTabStop ? INT_MAX : b->tabIndex;
    return first < second;
  });
  return order;
}

void CreateControl(HWND dialog, std::span<const PasswordControl> controls,
                   const PasswordControl& control, const Dpi& dpi,
                   const PasswordFormResources& resources, bool firstTabStop) {
  const ControlClass type = ClassOf(control);
  DWORD style = WS_CHILD | WS_VISIBLE | type.style;
  if (control.tabIndex != kNoTabStop) style |= WS_TABSTOP | (firstTabStop ? WS_GROUP : 0);
  const std::wstring text = TrW(control.text);
  HWND window = CreateWindowExW(
      type.extendedStyle, type.name, text.c_str(), style, ToPixels(control.left, dpi.x),
      ToPixels(control.top, dpi.y), ToPixels(control.width, dpi.x), ToPixels(control.height, dpi.y),
      dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(PasswordControlId(controls, control))),
      GetModuleHandleA(nullptr), nullptr);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(resources.font.get()), FALSE);
  if (control.kind == PasswordControlKind::Icon)
    SendMessageA(window, STM_SETICON, reinterpret_cast<WPARAM>(resources.icon), 0);
  if (control.kind == PasswordControlKind::TextBox) {
    if (control.masked) SendMessageA(window, EM_SETPASSWORDCHAR, '*', 0);
    SendMessageA(window, EM_LIMITTEXT, kMaxPasswordLength, 0);
  }
}

// A child window's rectangle in its dialog's client pixels.
RECT RectInDialog(HWND dialog, HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Labels whose text does not fit in the form's font, for a font wider than the one the layout
// was made for (as at some DPIs): a label widens up to the control beside it or the form's
// edge, and a label whose wrapped text is still too tall grows downwards. Returns the client
// height the form needs to show every label whole.
int FitLabels(HWND dialog, std::span<const PasswordControl> controls, HFONT font, SIZE client) {
  WindowDC dc(dialog);
  SelectGuard select(dc.get(), font);
  const int margin = MulDiv(4, WindowDpi(dialog).x, kBaseDpi);
  int height = client.cy;
  for (const PasswordControl& control : controls) {
    if (control.kind != PasswordControlKind::Label) continue;
    HWND label = GetDlgItem(dialog, PasswordControlId(controls, control));
    RECT rect = RectInDialog(dialog, label);
    RECT line{};
    const std::wstring text = TrW(control.text);
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &line,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    if (line.right > rect.right - rect.left) {
      LONG right = client.cx - margin;
      for (const PasswordControl& other : controls) {
        const RECT beside =
            RectInDialog(dialog, GetDlgItem(dialog, PasswordControlId(controls, other)));
        if (beside.left >= rect.right && beside.top < rect.bottom && beside.bottom > rect.top)
          right = std::min<LONG>(right, beside.left - 1);
      }
      rect.right = std::max(rect.right, std::min<LONG>(rect.left + line.right, right));
    }
    RECT wrapped{0, 0, rect.right - rect.left, 0};
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &wrapped,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    rect.bottom = std::max(rect.bottom, rect.top + wrapped.bottom);
    SetWindowPos(label, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    height = std::max<int>(height, rect.bottom);
  }
  return height;
}

// Gives the dialog its client size in pixels and puts it in the middle of the screen.
void SizeAndCentre(HWND dialog, int clientWidth, int clientHeight) {
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(dialog, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

INT_PTR RunPasswordForm(HWND owner, const PasswordForm& form, DLGPROC procedure, LPARAM parameter) {
  const std::vector<WORD> formTemplate = FormTemplate(form);
  // The form is laid out at the system scale, also over a saver that counts in physical
  // pixels, and centred on the primary monitor in the same units.
  const SystemAwareWindows systemScale;
  return DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                 reinterpret_cast<LPCDLGTEMPLATEA>(formTemplate.data()), owner,
                                 procedure, parameter);
}

PasswordFormResources LayOutPasswordForm(HWND dialog, const PasswordForm& form,
                                         std::span<const PasswordControl> controls) {
  const Dpi dpi = WindowDpi(dialog);
  PasswordFormResources resources;
  resources.font = CreateFormFont(dpi);
  resources.icon = ProgramIcon();
  SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(resources.font.get()), FALSE);
  if (form.showsIcon) {
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(resources.icon));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(resources.icon));
  }
  bool firstTabStop = true;
  for (const PasswordControl* control : CreationOrder(controls)) {
    CreateControl(dialog, controls, *control, dpi, resources, firstTabStop);
    firstTabStop = firstTabStop && control->tabIndex == kNoTabStop;
  }
  const SIZE client{ToPixels(form.clientWidth, dpi.x), ToPixels(form.clientHeight, dpi.y)};
  SizeAndCentre(dialog, client.cx, FitLabels(dialog, controls, resources.font.get(), client));
  return resources;
}

int PasswordControlId(std::span<const PasswordControl> controls, const PasswordControl& control) {
  if (control.name == "cmdOK") return IDOK;
  if (control.name == "cmdCancel") return IDCANCEL;
  for (size_t index = 0; index < controls.size(); ++index) {
    if (controls[index].name == control.name) return kFirstControlId + static_cast<int>(index);
  }
  return -1;
}

HWND PasswordControlWindow(HWND dialog, std::span<const PasswordControl> controls,
                           const PasswordControl& control) {
  return GetDlgItem(dialog, PasswordControlId(controls, control));
}

std::string ReadPasswordField(HWND field) {
  // Read at its full length: a text put there by a program may be longer than typing allows.
  std::string text(static_cast<size_t>(GetWindowTextLengthA(field)) + 1, '\0');
  const int length = GetWindowTextA(field, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(std::max(length, 0)));
  return text;
}

void ClearPasswordField(HWND field) {
  const int length = GetWindowTextLengthA(field);
  if (length > 0) {
    std::string blanks(static_cast<size_t>(length), ' ');
    SetWindowTextA(field, blanks.c_str());
  }
  SetWindowTextA(field, "");
}

void ShowPasswordError(HWND owner, const ErrorMessage& message) {
  MessageBoxW(owner, TrW(message.text).c_str(), TrW(message.title).c_str(), MB_OK | MB_ICONSTOP);
}

INT_PTR PasswordFormColors(UINT message, WPARAM wParam) {
  if (message != WM_CTLCOLORDLG && message != WM_CTLCOLORSTATIC) return 0;
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
}

}  // namespace sovelin
