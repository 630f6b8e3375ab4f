#include "setup/setup_dialog_win32.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "common/handles_win32.h"
#include "common/program_folder_win32.h"
#include "common/unicode_text.h"
#include "common/window_binding_win32.h"
#include "geometry/screen_win32.h"
#include "password/change_password_dialog_win32.h"
#include "settings/verse_list_win32.h"
#include "setup/help_texts.h"
#include "setup/setup_form.h"
#include "setup/setup_model.h"
#include "setup/sysinfo_win32.h"
#include "setup/verse_choice_win32.h"

namespace sovelin {

namespace {

// The dialog font: the shell's dialog face at 8 points, which the dialog manager scales to
// the display's DPI.
constexpr WORD kFontPoints = 8;
constexpr const char* kFontFace = "MS Shell Dlg";

// Pictures are drawn at their pixel size at 96 DPI and scaled with the display.
constexpr int kIconPixels = 32;
constexpr int kAboutPictureWidth = 200;
constexpr int kAboutPictureHeight = 114;

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

// A Windows colour value as a COLORREF, looking up system colours.
COLORREF ToColorRef(int32_t color) {
  const auto value = static_cast<uint32_t>(color);
  if (value & 0x80000000u) return GetSysColor(static_cast<int>(value & 0xFF));
  return static_cast<COLORREF>(value & 0xFFFFFF);
}

// A dialog template without controls: caption, styles and font. The controls are created
// from the descriptor table when the dialog initialises.
std::vector<WORD> DialogTemplate() {
  std::vector<WORD> words;
  const auto add = [&words](uint32_t value, bool twoWords) {
    words.push_back(static_cast<WORD>(value & 0xFFFF));
    if (twoWords) words.push_back(static_cast<WORD>(value >> 16));
  };
  const auto addText = [&words](std::string_view text) {
    for (char c : text) words.push_back(static_cast<unsigned char>(c));
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
  addText(kSetupCaption);
  add(kFontPoints, false);
  add(FW_NORMAL, false);
  add(0, false);  // italic, charset
  addText(kFontFace);
  return words;
}

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
    lstrcpynW(shape.lfFaceName, WideFromUtf8(current.face).c_str(), LF_FACESIZE);
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner_;
    choose.lpLogFont = &shape;
    choose.Flags = CF_SCREENFONTS | CF_NOSIZESEL | CF_NOSCRIPTSEL |
                   (current.face.empty() ? 0 : CF_INITTOLOGFONTSTRUCT);
    if (!ChooseFontW(&choose)) return std::nullopt;
    const std::wstring face(shape.lfFaceName);
    return FontChoice{EncodeUtf8(std::u16string(face.begin(), face.end())),
                      shape.lfWeight >= FW_SEMIBOLD, shape.lfItalic != 0};
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

class SetupDialog {
 public:
  SetupDialog(HINSTANCE instance, SaverSettings& settings, SettingsStore& store,
              const VerseFileCheck& checkVerseFile, HWND owner)
      : instance_(instance),
        store_(store),
        model_(settings),
        owner_(owner),
        checkVerseFile_(checkVerseFile) {}

  int Run();

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void OnInitDialog();
  void CreateControls();
  HWND CreateControl(const ControlDescriptor& control);
  void LoadPictures();
  void PlaceDialog();
  void OnCommand(int id, int code);
  void OnClick(ControlId id);
  INT_PTR OnControlColor(HDC dc, HWND control);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  bool HandleTabKeys(const MSG& message);

  void FitTabRow();
  void WidenToFitCaptions();
  RECT RectInDialog(HWND control) const;
  void SelectTab(int index);
  void ShowTab(SetupTab tab);
  void MakePageBrush();
  // Puts the model's state into the controls.
  void Sync();

  // The verse list: the lists beside the program and the user's own.
  void FillVerseLists();
  std::string ChosenVerseList() const;
  void OnVerseListChosen();
  void EditOwnVerses();
  void ShowVerseListStatus();

  HWND Item(ControlId id) const { return GetDlgItem(dialog_, id); }
  bool OnPage(HWND control) const;

  HINSTANCE instance_;
  SettingsStore& store_;
  SetupModel model_;
  HWND owner_ = nullptr;
  HWND dialog_ = nullptr;
  HWND tabs_ = nullptr;
  Dpi dpi_;
  Font titleFont_;
  Brush pageBrush_;
  Bitmap aboutPicture_;
  HICON programIcon_ = nullptr;
  HICON helpIcon_ = nullptr;
  std::map<HWND, const ControlDescriptor*> descriptors_;
  VerseFileCheck checkVerseFile_;
  std::filesystem::path programFolder_;
  std::filesystem::path appDataFolder_;
  std::vector<VerseListEntry> verseLists_;
  std::string listBeforeOwn_;  // the list the user's own list starts as a copy of
};

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
  FillVerseLists();
  Sync();
  SelectTab(static_cast<int>(kInitialTab));
  SetFocus(tabs_);
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
    std::string caption(kTabCaptions[i]);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageA(tabs_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  FitTabRow();
  WidenToFitCaptions();
  // The tab control stays first, above the pages' controls in z-order: it paints before them,
  // and a frame's open middle shows the tab's body.
}

HWND SetupDialog::CreateControl(const ControlDescriptor& control) {
  const char* windowClass = "BUTTON";
  DWORD style = WS_CHILD;
  switch (control.kind) {
    case ControlKind::kTabControl:
      windowClass = WC_TABCONTROLA;
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
      windowClass = "STATIC";
      style |= SS_LEFT | SS_NOPREFIX;
      break;
    case ControlKind::kPicture:
    case ControlKind::kLine:
      windowClass = "STATIC";
      style |= SS_OWNERDRAW;
      break;
    case ControlKind::kComboBox:
      windowClass = "COMBOBOX";
      style |= CBS_DROPDOWNLIST | WS_VSCROLL;
      break;
  }
  if (control.groupStart) style |= WS_GROUP;
  if (control.tabStop) style |= WS_TABSTOP;
  if (!control.enabled) style |= WS_DISABLED;
  if (control.tab == SetupTab::kNone || control.tab == kInitialTab) style |= WS_VISIBLE;

  const RECT rect = LayoutRect(control, dpi_);
  const std::string caption(control.caption);
  // Picture buttons show no caption; the name is for screen readers.
  const char* text = control.kind == ControlKind::kPictureButton ? "Help" : caption.c_str();
  if (control.kind == ControlKind::kComboBox) {
    // A Unicode list, as list names are in any language; its window's height includes the list
    // when dropped, room for eight lists.
    const int dropped = rect.bottom - rect.top + MulDiv(8 * 15, dpi_.y, kBaseDpi);
    return CreateWindowExW(
        0, L"COMBOBOX", L"", style, rect.left, rect.top, rect.right - rect.left, dropped, dialog_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance_, nullptr);
  }
  return CreateWindowExA(0, windowClass, text, style, rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top, dialog_,
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

void SetupDialog::OnCommand(int id, int code) {
  if (id == kCboVerseList) {
    if (code == CBN_SELCHANGE && !model_.state().closed) OnVerseListChosen();
    return;
  }
  if (code != BN_CLICKED || model_.state().closed) return;
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
    case kChkBackgroundClear: model_.ClickCheckBox(SetupCheckBox::kBackgroundClear); break;
    case kChkPswd: model_.ClickCheckBox(SetupCheckBox::kPswd); break;
    case kChkSameVerseAllDay: model_.ClickCheckBox(SetupCheckBox::kSameVerseAllDay); break;
    case kCmdColorSelect:
      if (model_.state().cmdColorSelectEnabled) {
        Win32ColorPicker picker(dialog_);
        model_.cmdColorSelect_Click(picker);
      }
      break;
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
  SendMessageA(Item(kChkBackgroundClear), BM_SETCHECK, state.chkBackgroundClear, 0);
  SendMessageA(Item(kChkPswd), BM_SETCHECK, state.chkPswd, 0);
  SendMessageA(Item(kChkSameVerseAllDay), BM_SETCHECK, state.chkSameVerseAllDay, 0);
  EnableWindow(Item(kCmdColorSelect), state.cmdColorSelectEnabled);
  EnableWindow(Item(kCmdPswd), state.cmdPswdEnabled);
  SetWindowTextA(Item(kLblVersion), state.lblVersion.c_str());
  SetWindowTextW(Item(kLblFont), WideFromUtf8(state.lblFont).c_str());
}

void SetupDialog::FillVerseLists() {
  programFolder_ = ProgramFolder();
  appDataFolder_ = AppDataFolder();
  verseLists_ = OfferedVerseLists(FileNamesIn(programFolder_));
  HWND box = Item(kCboVerseList);
  for (const VerseListEntry& list : verseLists_) {
    const std::wstring name = WideFromUtf8(list.displayName);
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  const std::string stored = store_.Read(keys::kVerseList, "");
  SendMessageW(box, CB_SETCURSEL, OfferedListIndex(verseLists_, stored), 0);
  listBeforeOwn_ = stored == kOwnVersesChoice ? std::string() : stored;
  ShowVerseListStatus();
}

std::string SetupDialog::ChosenVerseList() const {
  const LRESULT chosen = SendMessageW(Item(kCboVerseList), CB_GETCURSEL, 0, 0);
  if (chosen < 0 || static_cast<size_t>(chosen) >= verseLists_.size()) return {};
  return verseLists_[static_cast<size_t>(chosen)].value;
}

void SetupDialog::OnVerseListChosen() {
  const std::string chosen = ChosenVerseList();
  if (chosen != kOwnVersesChoice) listBeforeOwn_ = chosen;
  ShowVerseListStatus();
}

// Makes the user's own list when it is not there yet, as a copy of the list chosen before,
// chooses it and opens it in the user's editor.
void SetupDialog::EditOwnVerses() {
  if (appDataFolder_.empty()) return;
  const std::filesystem::path own = OwnVerseFile(appDataFolder_);
  if (!VerseFileExists(own)) {
    MakeOwnVerseFile(
        VerseFileToLoad(listBeforeOwn_, programFolder_, appDataFolder_, VerseFileExists), own);
  }
  SendMessageW(Item(kCboVerseList), CB_SETCURSEL, verseLists_.size() - 1, 0);
  ShowVerseListStatus();
  if (VerseFileExists(own)) OpenInTextEditor(dialog_, own);
}

void SetupDialog::ShowVerseListStatus() {
  const std::string chosen = ChosenVerseList();
  const bool own = chosen == kOwnVersesChoice;
  const std::filesystem::path file =
      own ? OwnVerseFile(appDataFolder_) : programFolder_ / PathFromUtf8(chosen);
  const std::string text =
      own && appDataFolder_.empty()
          ? std::string("This account has no application data folder for its own list.")
          : DescribeVerseFile(checkVerseFile_ ? checkVerseFile_(file) : VerseFileReport{}, own);
  SetWindowTextW(Item(kLblVerseStatus), WideFromUtf8(text).c_str());
}

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
    DrawTextA(dc.get(), control->caption.data(), static_cast<int>(control->caption.size()), &text,
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

}  // namespace

int ShowSetupDialog(HINSTANCE instance, SaverSettings& settings, SettingsStore& store,
                    const VerseFileCheck& checkVerseFile, HWND owner) {
  SetupDialog dialog(instance, settings, store, checkVerseFile, owner);
  return dialog.Run();
}

}  // namespace sovelin
