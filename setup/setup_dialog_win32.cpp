#include "setup/setup_dialog_win32.h"

#include <commctrl.h>
#include <commdlg.h>

#include <array>
#include <optional>

#include "common/system_code_page_win32.h"
#include "common/texts_win32.h"
#include "common/window_binding_win32.h"
#include "password/change_password_dialog_win32.h"
#include "settings/setting_table.h"
#include "setup/backdrop_pickers_win32.h"
#include "setup/help_texts.h"
#include "setup/setup_dialog_class_win32.h"
#include "setup/sysinfo_win32.h"
#include "verses/verse_file_report.h"

namespace sovelin {

namespace {

// The system colour dialog, with the custom colours kept while the settings dialog is open.
class Win32ColorPicker final : public ColorPicker {
 public:
  explicit Win32ColorPicker(HWND owner) : owner_(owner) { custom_.fill(RGB(255, 255, 255)); }

  std::optional<int32_t> PickColor(const ColorDialogRequest& request) override {
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner_;
    choose.rgbResult = static_cast<COLORREF>(request.initialColor);
    choose.lpCustColors = custom_.data();
    choose.Flags = request.flags;
    if (!ChooseColorA(&choose)) return std::nullopt;
    return static_cast<int32_t>(choose.rgbResult & 0xFFFFFF);
  }

 private:
  HWND owner_;
  std::array<COLORREF, 16> custom_{};
};

// The system font dialog for the face and style only: the size stays each verse window's own.
class Win32FontPicker final : public FontPicker {
 public:
  explicit Win32FontPicker(HWND owner) : owner_(owner) {}

  std::optional<FontChoice> PickFont(const FontChoice& current) override {
    LOGFONTW shape{};
    shape.lfWeight = current.bold ? FW_BOLD : FW_NORMAL;
    shape.lfItalic = current.italic;
    shape.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(shape.lfFaceName, WideText(current.face).c_str(), LF_FACESIZE);
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner_;
    choose.lpLogFont = &shape;
    choose.Flags = CF_SCREENFONTS | CF_NOSIZESEL | CF_NOSCRIPTSEL |
                   (current.face.empty() ? 0 : CF_INITTOLOGFONTSTRUCT);
    if (!ChooseFontW(&choose)) return std::nullopt;
    const std::wstring face(shape.lfFaceName);
    return FontChoice{Utf8Text(face), shape.lfWeight >= FW_SEMIBOLD, shape.lfItalic != 0};
  }

 private:
  HWND owner_;
};

// The window the dialog is modal to, disabled while the dialog is open (as a modal dialog box
// does to its owner). Should an error end the process meanwhile, the owner (a window of
// another program, such as the Screen Saver Settings) is enabled again first.
class DisabledOwner {
 public:
  explicit DisabledOwner(HWND owner) : owner_(owner) {
    if (!owner_) return;
    EnableWindow(owner_, FALSE);
    current_ = owner_;
    outerHandler_ = WindowErrorHandlerSlot();
    SetWindowErrorHandler(&EnableThenReport);
  }
  ~DisabledOwner() { Enable(); }
  DisabledOwner(const DisabledOwner&) = delete;
  DisabledOwner& operator=(const DisabledOwner&) = delete;

  // Enables the owner again, before the dialog goes, so that the owner takes the activation.
  void Enable() {
    if (!owner_) return;
    EnableWindow(owner_, TRUE);
    SetWindowErrorHandler(outerHandler_);
    current_ = nullptr;
    owner_ = nullptr;
  }

 private:
  static void EnableThenReport(int number, const char* description) {
    if (current_) EnableWindow(current_, TRUE);
    if (outerHandler_) outerHandler_(number, description);
    ExitProcess(1);
  }

  HWND owner_;
  static inline HWND current_ = nullptr;
  static inline WindowErrorHandler outerHandler_ = nullptr;
};

}  // namespace

SetupDialog::SetupDialog(HINSTANCE instance, SaverSettings& settings, PolicySettingsStore& store,
                         HWND owner)
    : instance_(instance),
      store_(store),
      model_(settings),
      owner_(owner),
      verseReports_([](const std::filesystem::path& path) {
        return CheckVerseFile(path, DecodeSystemCodePage);
      }) {}

int SetupDialog::Run() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  const std::vector<WORD> dialogTemplate = DialogTemplate();
  dialog_ = CreateDialogIndirectParamA(
      instance_, reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()), owner_,
      &SetupDialog::Procedure, reinterpret_cast<LPARAM>(this));
  if (!dialog_) return 1;
  DisabledOwner disabled(owner_);
  ShowWindow(dialog_, SW_SHOWNORMAL);
  SetForegroundWindow(dialog_);

  // The dialog's own modal loop, where Ctrl+Tab switches tabs.
  MSG message;
  while (!model_.state().closed && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (HandleTabKeys(message) || IsDialogMessageA(dialog_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  disabled.Enable();
  DestroyWindow(dialog_);
  if (programIcon_) DestroyIcon(programIcon_);
  if (helpIcon_) DestroyIcon(helpIcon_);
  return 0;
}

INT_PTR CALLBACK SetupDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    auto* self = reinterpret_cast<SetupDialog*>(lParam);
    self->dialog_ = window;
  }
  auto* self = reinterpret_cast<SetupDialog*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!self) return FALSE;
  return CallGuarded<INT_PTR>(FALSE, [&] { return self->Handle(message, wParam, lParam); });
}

INT_PTR SetupDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: OnInitDialog(); return FALSE;  // focus is set
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE)
        ShowTab(static_cast<SetupTab>(TabCtrl_GetCurSel(tabs_)));
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
      MakePageBrush();
      InvalidateRect(dialog_, nullptr, TRUE);
      return FALSE;
    case WM_ACTIVATE:
      // Back from the editor: what the user's own list holds now.
      if (LOWORD(wParam) != WA_INACTIVE && !verseLists_.empty()) ShowVerseListStatus();
      return FALSE;
    case WM_CLOSE:
      // The close box cancels.
      model_.cmdCancel_Click();
      return TRUE;
    default: return FALSE;
  }
}

void SetupDialog::OnInitDialog() {
  dpi_ = ScreenDpi();
  LoadPictures();
  CreateControls();
  PlaceDialog();
  MakePageBrush();
  model_.Form_Load();
  Win32BackdropProbe probe;
  model_.ShowBackdrop(probe);
  DisableManaged();
  FillVerseLists();
  FillBackdrops();
  Sync();
  SelectTab(static_cast<int>(kInitialTab));
  SetFocus(tabs_);
}

void SetupDialog::OnCommand(int id, int code) {
  if (id == kCboVerseList) {
    if (code == CBN_SELCHANGE && !model_.state().closed) OnVerseListChosen();
    return;
  }
  if (id == kCboBackdrop) {
    if (code == CBN_SELCHANGE && !model_.state().closed) {
      const LRESULT chosen = SendMessageW(Item(kCboBackdrop), CB_GETCURSEL, 0, 0);
      Win32BackdropProbe probe;
      if (chosen >= 0 && chosen < static_cast<LRESULT>(kBackdropCaptions.size()))
        model_.cboBackdrop_Click(static_cast<Backdrop>(chosen), probe);
      Sync();
    }
    return;
  }
  if (code != BN_CLICKED || model_.state().closed) return;
  if (managed_.contains(static_cast<ControlId>(id))) {
    // A disabled control may still be clicked by a program: it keeps the policy's value.
    Sync();
    return;
  }
  if (const std::optional<OptionRef> option = OptionFromId(static_cast<ControlId>(id))) {
    model_.SelectOption(option->group, option->index);
    Sync();
    return;
  }
  OnClick(static_cast<ControlId>(id));
}

void SetupDialog::OnClick(ControlId id) {
  if (const std::optional<HelpTopic> topic = HelpTopicFor(id)) {
    ShowSetupMessage(dialog_, HelpMessage(*topic));
    return;
  }
  switch (id) {
    case kChkPswd: model_.ClickCheckBox(SetupCheckBox::kPswd); break;
    case kChkSameVerseAllDay: model_.ClickCheckBox(SetupCheckBox::kSameVerseAllDay); break;
    case kCmdColorSelect:
      if (model_.state().cmdColorSelectEnabled) {
        Win32ColorPicker picker(dialog_);
        model_.cmdColorSelect_Click(picker);
      }
      break;
    case kCmdBackdropColor: {
      Win32ColorPicker picker(dialog_);
      Win32BackdropProbe probe;
      model_.cmdBackdropColor_Click(picker, probe);
      break;
    }
    case kCmdBackdropPicture:
    case kCmdBackdropFolder: {
      Win32PathPicker picker(dialog_);
      Win32BackdropProbe probe;
      model_.cmdBackdropPath_Click(
          id == kCmdBackdropFolder ? Backdrop::kFolder : Backdrop::kPicture, picker, probe);
      break;
    }
    case kCmdFont: {
      Win32FontPicker picker(dialog_);
      model_.cmdFont_Click(picker);
      break;
    }
    case kCmdPswd:
      if (model_.state().cmdPswdEnabled) ShowChangePasswordDialog(dialog_, store_);
      break;
    case kCmdSysInfo: {
      Win32SysInfoPlatform platform(dialog_);
      StartSysInfo(platform);
      break;
    }
    case kCmdVerseEdit: EditOwnVerses(); break;
    case kCmdOK:
      model_.cmdOK_Click(store_);
      store_.Write(keys::kVerseList, ChosenVerseList());
      break;
    case kCmdCancel: model_.cmdCancel_Click(); break;
    default:
      // Enter and Esc arrive as IDOK and IDCANCEL: neither button is the default or cancel
      // button, so they do nothing.
      return;
  }
  Sync();
}

void SetupDialog::Sync() {
  const SetupState& state = model_.state();
  const std::array<std::pair<OptionGroup, int16_t>, 5> groups = {{
      {OptionGroup::kDisplay, state.optDisplay},
      {OptionGroup::kSpeed, state.optSpeed},
      {OptionGroup::kFreq, state.optFreq},
      {OptionGroup::kBackground, state.optBackground},
      {OptionGroup::kVerseSize, state.optVerseSize},
  }};
  for (const auto& [group, selected] : groups) {
    for (int16_t index = 0; index < OptionCount(group); ++index) {
      HWND option = Item(OptionId(group, index));
      SendMessageA(option, BM_SETCHECK, index == selected ? BST_CHECKED : BST_UNCHECKED, 0);
      // Tab enters a group at its selected option, or at the first when none is selected.
      const bool tabStop = index == (selected == kNoOption ? 0 : selected);
      LONG style = GetWindowLongA(option, GWL_STYLE);
      style = tabStop ? style | WS_TABSTOP : style & ~WS_TABSTOP;
      SetWindowLongA(option, GWL_STYLE, style);
    }
  }
  // The check box values 0, 1 and 2 are BST_UNCHECKED, BST_CHECKED and BST_INDETERMINATE.
  SendMessageW(Item(kCboBackdrop), CB_SETCURSEL, state.cboBackdrop, 0);
  SetWindowTextW(Item(kLblBackdropStatus), WideText(state.lblBackdropStatus).c_str());
  SendMessageA(Item(kChkPswd), BM_SETCHECK, state.chkPswd, 0);
  SendMessageA(Item(kChkSameVerseAllDay), BM_SETCHECK, state.chkSameVerseAllDay, 0);
  Enable(kCmdColorSelect, state.cmdColorSelectEnabled);
  Enable(kCmdPswd, state.cmdPswdEnabled);
  SetWindowTextW(Item(kLblVersion), WideText(state.lblVersion).c_str());
  SetWindowTextW(Item(kLblFont), WideText(state.lblFont).c_str());
}

void SetupDialog::FillBackdrops() {
  for (const std::string_view caption : kBackdropCaptions)
    SendMessageW(Item(kCboBackdrop), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(TrW(caption).c_str()));
}

void SetupDialog::DisableManaged() {
  for (const SettingDefinition& setting : PolicySettings()) {
    if (!store_.IsManaged(setting.name)) continue;
    for (const ControlId id : ControlsShowing(setting.name)) managed_.insert(id);
  }
  for (const ControlId id : managed_) EnableWindow(Item(id), FALSE);
  ShowWindow(Item(kLblManaged), managed_.empty() ? SW_HIDE : SW_SHOWNA);
}

void SetupDialog::Enable(ControlId id, bool enabled) {
  EnableWindow(Item(id), enabled && !managed_.contains(id));
}

int ShowSetupDialog(HINSTANCE instance, SaverSettings& settings, PolicySettingsStore& store,
                    HWND owner) {
  SetupDialog dialog(instance, settings, store, owner);
  return dialog.Run();
}

}  // namespace sovelin
