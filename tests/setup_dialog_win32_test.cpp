// End to end: opens the real settings dialog from the saver as Explorer (no argument) and the
// control panel (/c:HWND) do, and drives it as a user would, then reads what it left in the
// registry.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "common/handles_win32.h"
#include "common/texts_win32.h"
#include "geometry/screen_win32.h"
#include "setup/help_texts.h"
#include "setup/setup_form.h"
#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kStartMs = 30000;  // Wine can be slow to start a process
constexpr DWORD kWaitMs = 15000;

// A control's caption in wide characters, as a text in any language reads back.
std::wstring Caption(HWND control) {
  wchar_t text[512] = {};
  SendMessageW(control, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
  return text;
}

bool IsChecked(HWND control, LRESULT state = BST_CHECKED) {
  return SendMessageA(control, BM_GETCHECK, 0, 0) == state;
}

// Clicks a control through its own message queue, so that a modal window it opens does not
// block this test.
void Click(HWND control) {
  PostMessageA(control, BM_CLICK, 0, 0);
}

class SetupDialogTest : public ::testing::Test {
 protected:
  // The dialog speaks the display language; so do the captions this test waits for.
  void SetUp() override {
    ClearSettings();
    UseUserInterfaceLanguage();
  }
  void TearDown() override { UseLanguage(nullptr); }

  // Starts the saver with these arguments (none, as Explorer's "Configure" does) and waits for
  // the dialog.
  HWND Open(const std::string& arguments = "") {
    saver_ = std::make_unique<SaverProcess>(SaverProcess::Start(arguments));
    EXPECT_TRUE(saver_->started());
    dialog_ = WaitForCaption(std::string(Tr(kSetupCaption)).c_str(), kStartMs, saver_->id());
    EXPECT_NE(dialog_, nullptr) << "the settings dialog did not appear";
    return dialog_;
  }

  HWND Item(ControlId id) const { return GetDlgItem(dialog_, id); }
  HWND Option(OptionGroup group, int16_t index) const { return Item(OptionId(group, index)); }

  void ShowTab(SetupTab tab) {
    SendMessageA(Item(kTbsOptions), TCM_SETCURFOCUS, static_cast<WPARAM>(tab), 0);
    Pump(100);
  }

  // Clicks a control and waits until the condition holds.
  bool ClickUntil(ControlId id, const std::function<bool()>& condition) {
    Click(Item(id));
    return WaitUntil(condition, kWaitMs);
  }
  // Clicks an option and waits until it is checked.
  bool Select(OptionGroup group, int16_t index) {
    return ClickUntil(OptionId(group, index),
                      [=, this] { return IsChecked(Option(group, index)); });
  }

  // Clicks OK or Cancel and waits for the saver to end.
  bool ClosesOn(ControlId button) {
    Click(Item(button));
    return saver_->WaitForExit(kWaitMs);
  }

  // Chooses a list as a user does, which tells the dialog of the change.
  void ChooseVerseList(int index) {
    SendMessageW(Item(kCboVerseList), CB_SETCURSEL, index, 0);
    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(kCboVerseList, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(kCboVerseList)));
  }

  bool StatusBecomes(const std::string& text) {
    return WaitUntil([&] { return WindowText(Item(kLblVerseStatus)) == text; }, kWaitMs);
  }

  std::unique_ptr<SaverProcess> saver_;
  HWND dialog_ = nullptr;
};

TEST_F(SetupDialogTest, IsAFixedUnownedDialogThatOnlyCancelClosesWithoutWriting) {
  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(GetWindow(dialog_, GW_OWNER), nullptr);
  EXPECT_EQ(GetWindowLongA(dialog_, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
            0);
  EXPECT_EQ(SendMessageA(Item(kTbsOptions), TCM_GETITEMCOUNT, 0, 0), 6);
  EXPECT_TRUE(IsWindowVisible(Option(OptionGroup::kDisplay, 0)));
  EXPECT_EQ(WindowText(Item(kLblVersion)), "Version 3.0.1");
  EXPECT_FALSE(IsWindowVisible(Item(kLblManaged))) << "no policy, yet the managed line shows";
  ShowTab(SetupTab::kAbout);
  EXPECT_TRUE(IsWindowVisible(Item(kCmdSysInfo)));
  EXPECT_FALSE(IsWindowVisible(Option(OptionGroup::kDisplay, 0)));
  ShowTab(SetupTab::kVerseDisplay);
  ASSERT_TRUE(Select(OptionGroup::kDisplay, 3));
  ASSERT_TRUE(Select(OptionGroup::kVerseSize, 3));
  ASSERT_TRUE(
      ClickUntil(kChkSameVerseAllDay, [&] { return IsChecked(Item(kChkSameVerseAllDay)); }));
  // Enter and Esc press neither OK nor Cancel.
  SetForegroundWindow(dialog_);
  PressKey(VK_ESCAPE);
  PressKey(VK_RETURN);
  Pump(1000);
  EXPECT_TRUE(saver_->Running());
  EXPECT_TRUE(ClosesOn(kCmdCancel));
  for (const char* name : {"DisplayOption", "VerseSize", "SameVerseAllDay"})
    EXPECT_EQ(ReadSetting(name), std::nullopt) << name;
}

// Opened by the control panel with /c:HWND, or with a bare switch ("-C") from the foreground
// window, the dialog is modal to that window: owned by it, which takes no input until the
// dialog closes.
TEST_F(SetupDialogTest, IsModalToTheWindowTheCommandLineNamesOrElseToTheForegroundOne) {
  HWND panel = CreateWindowExA(0, "STATIC", "Screen Saver Settings", WS_POPUP | WS_VISIBLE, 20, 20,
                               300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  const std::string handle =
      std::to_string(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(panel)));
  for (const std::string& arguments : {"/c:" + handle, std::string("-C")}) {
    SCOPED_TRACE(arguments);
    SetForegroundWindow(panel);
    Pump(100);
    ASSERT_NE(Open(arguments), nullptr);
    EXPECT_EQ(GetWindow(dialog_, GW_OWNER), panel);
    EXPECT_FALSE(IsWindowEnabled(panel));
    EXPECT_TRUE(ClosesOn(kCmdCancel));
    EXPECT_TRUE(IsWindowEnabled(panel));
  }
  DestroyWindow(panel);
}

// At the display's DPI (tests/dpi-test runs this at several), every caption on every tab fits
// its control: measured in the dialog's font at that DPI, with room for a button's edges or
// an option's mark, and a label's wrapped text within its height.
TEST_F(SetupDialogTest, EveryCaptionFitsItsControlAtThisDpi) {
  ASSERT_NE(Open(), nullptr);
  const int dpi = ScreenDpi().y;
  const auto dialogFont = [dpi](int weight) {
    return Font(CreateFontA(-MulDiv(8, dpi, 72), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Shell Dlg"));
  };
  const Font normal = dialogFont(FW_NORMAL), bold = dialogFont(FW_BOLD);
  WindowDC dc(nullptr);
  const int edges = 2 * MulDiv(3, dpi, kBaseDpi);
  const int mark = GetSystemMetrics(SM_CXMENUCHECK);
  for (int tab = 0; tab <= static_cast<int>(SetupTab::kAbout); ++tab) {
    ShowTab(static_cast<SetupTab>(tab));
    for (const ControlDescriptor& control : SetupControls()) {
      HWND window = Item(control.id);
      const std::wstring text = Caption(window);
      if (!IsWindowVisible(window) || text.empty() || control.kind == ControlKind::kTabControl)
        continue;
      SCOPED_TRACE(std::string(control.name) + " \"" + WindowText(window) + "\" at " +
                   std::to_string(dpi));
      RECT client{};
      GetClientRect(window, &client);
      SelectGuard select(dc.get(), (control.id == kLblTitle ? bold : normal).get());
      RECT extent{0, 0, client.right, 0};
      // A label's text wraps; a button's or a frame's edges, an option's or a check box's mark
      // need room.
      const ControlKind kind = control.kind;
      DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent,
                DT_CALCRECT | (kind == ControlKind::kLabel ? DT_WORDBREAK : DT_SINGLELINE));
      const int room = kind == ControlKind::kPushButton || kind == ControlKind::kFrame ? edges
                       : kind == ControlKind::kOptionButton || kind == ControlKind::kCheckBox ? mark
                                                                                              : 0;
      EXPECT_LE(extent.right + room, client.right);
      EXPECT_TRUE(room > 0 || extent.bottom <= client.bottom) << extent.bottom;
    }
  }
  EXPECT_TRUE(ClosesOn(kCmdCancel));
}

// Runs with a Spanish display language (LANG=es_ES.UTF-8 under Wine; ctest's *_es entry).
TEST_F(SetupDialogTest, SpanishDisplayLanguageShowsTheDialogInSpanish) {
  ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_SPANISH)
      << "needs a Spanish display language";
  saver_ = std::make_unique<SaverProcess>(SaverProcess::Start(""));
  dialog_ =
      WaitForCaption("Sovelin:El protector de pantalla - Propiedades", kStartMs, saver_->id());
  ASSERT_NE(dialog_, nullptr) << "no dialog with the Spanish caption";
  EXPECT_EQ(Caption(Item(kFrame2)), L"Presentaci\u00f3n del vers\u00edculo");
  EXPECT_EQ(Caption(Option(OptionGroup::kDisplay, 0)), L"Libro abierto");
  EXPECT_EQ(Caption(Item(kCmdCancel)), L"Cancelar");
  ShowTab(SetupTab::kChangeFreq);
  EXPECT_TRUE(WaitUntil(
      [&] { return Caption(Item(kLblVerseStatus)).ends_with(L" vers\u00edculos."); }, kWaitMs))
      << WindowText(Item(kLblVerseStatus));
  EXPECT_TRUE(ClosesOn(kCmdCancel));
}

TEST_F(SetupDialogTest, ShowsTheStoredValuesAndHelpClicksFollowTheRulesAndOkWritesAllNine) {
  // Background 12 is outside the options: none selected; ClearScreen 2 reads as black.
  // clang-format off
  for (const auto& [name, value] :
       {std::pair{"DisplayOption", "5"}, {"Speed", "3"}, {"Frequency", "1"}, {"Background", "12"},
        {"ClearScreen", "2"}, {"PWProtected", "1"}, {"RectangleColor", "255"},
        {"VerseSize", "150"}, {"SameVerseAllDay", "1"}})
    WriteSetting(name, value);
  // clang-format on
  ASSERT_NE(Open(), nullptr);
  std::string selected;  // the options checked in each group
  for (OptionGroup group : {OptionGroup::kDisplay, OptionGroup::kSpeed, OptionGroup::kFreq,
                            OptionGroup::kBackground, OptionGroup::kVerseSize}) {
    for (int16_t index = 0; index < OptionCount(group); ++index)
      if (IsChecked(Option(group, index))) selected += std::to_string(index);
    selected += "|";
  }
  EXPECT_EQ(selected, "5|3|1||1|");
  EXPECT_TRUE(IsChecked(Item(kChkSameVerseAllDay)));
  EXPECT_EQ(SendMessageW(Item(kCboBackdrop), CB_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(IsChecked(Item(kChkPswd)));
  EXPECT_TRUE(IsWindowEnabled(Item(kCmdColorSelect)));
  EXPECT_TRUE(IsWindowEnabled(Item(kCmdPswd)));

  for (const auto& [tab, id] : {std::pair{SetupTab::kVerseDisplay, kCmdDisplayHelp},
                                {SetupTab::kBackground, kCmdBackgroundHelp},
                                {SetupTab::kPassword, kCmdPasswordHelp}}) {
    ShowTab(tab);
    const SetupMessage& message = HelpMessage(*HelpTopicFor(id));
    Click(Item(id));
    HWND box = WaitForCaption(std::string(message.title).c_str(), kWaitMs, saver_->id());
    ASSERT_NE(box, nullptr) << std::string(message.title);
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog_);
    EXPECT_EQ(MessageText(box), message.text);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kWaitMs));
  }
  ShowTab(SetupTab::kVerseDisplay);
  ASSERT_TRUE(ClickUntil(OptionId(OptionGroup::kDisplay, 2),
                         [&] { return !IsWindowEnabled(Item(kCmdColorSelect)); }));
  ASSERT_TRUE(ClickUntil(OptionId(OptionGroup::kDisplay, 6),
                         [&] { return IsWindowEnabled(Item(kCmdColorSelect)) != FALSE; }));
  EXPECT_FALSE(IsChecked(Option(OptionGroup::kDisplay, 2)));
  ASSERT_TRUE(ClickUntil(OptionId(OptionGroup::kDisplay, 7),
                         [&] { return !IsWindowEnabled(Item(kCmdColorSelect)); }));
  ASSERT_TRUE(Select(OptionGroup::kVerseSize, 2));
  EXPECT_FALSE(IsChecked(Option(OptionGroup::kVerseSize, 1)));
  EXPECT_TRUE(IsChecked(Option(OptionGroup::kDisplay, 7))) << "the two groups are apart";
  ASSERT_TRUE(
      ClickUntil(kChkSameVerseAllDay, [&] { return !IsChecked(Item(kChkSameVerseAllDay)); }));
  ShowTab(SetupTab::kVerseSpeed);
  ASSERT_TRUE(Select(OptionGroup::kSpeed, 4));
  ShowTab(SetupTab::kChangeFreq);
  ASSERT_TRUE(Select(OptionGroup::kFreq, 3));
  // Back to the desktop: ClearScreen follows; a clear password box keeps its button off.
  ShowTab(SetupTab::kBackground);
  SendMessageW(Item(kCboBackdrop), CB_SETCURSEL, 0, 0);
  SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(kCboBackdrop, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Item(kCboBackdrop)));
  EXPECT_EQ(Caption(Item(kLblBackdropStatus)), L"The designs grow over a copy of the desktop.");
  ShowTab(SetupTab::kPassword);
  ASSERT_TRUE(ClickUntil(kChkPswd, [&] { return !IsWindowEnabled(Item(kCmdPswd)); }));
  ASSERT_TRUE(ClickUntil(kChkPswd, [&] { return IsWindowEnabled(Item(kCmdPswd)) != FALSE; }));
  ASSERT_TRUE(ClickUntil(kChkPswd, [&] { return !IsWindowEnabled(Item(kCmdPswd)); }));
  EXPECT_FALSE(IsChecked(Item(kChkPswd)));

  EXPECT_TRUE(ClosesOn(kCmdOK));
  std::string stored;  // Background: still none selected
  for (const char* name :
       {"DisplayOption", "Speed", "Frequency", "Background", "ClearScreen", "Backdrop",
        "PWProtected", "RectangleColor", "VerseSize", "SameVerseAllDay"})
    stored += ReadSetting(name).value_or("-") + " ";
  EXPECT_EQ(stored, "7 4 3 10 0 0 0 255 200 0 ");
  // The key path written out, as other programs and earlier versions know it.
  EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER,
                         "Software\\VB and VBA Program Settings\\Sovelin\\ScreenSaverSettings",
                         "Speed", RRF_RT_REG_SZ, nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
}

// The lists beside the built saver are offered by name; OK stores the file name chosen.
// Edit... where the own list's folder cannot be made (a file stands in its place) says so,
// keeps the choice and opens no editor. Where it can, it makes the user's own list from the
// list chosen before, in UTF-8 with a byte-order mark, and opens it; back in the dialog, it
// tells what the list holds.
TEST_F(SetupDialogTest, OffersTheListsBesideItAndOkWritesTheChoiceAndEditMakesTheOwnList) {
  const std::filesystem::path folder = OwnVerseList().parent_path();
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  std::ofstream(folder, std::ios::binary) << "a file where the folder belongs";
  ASSERT_NE(Open(), nullptr);
  ShowTab(SetupTab::kChangeFreq);
  EXPECT_TRUE(IsWindowVisible(Item(kCboVerseList)));
  const wchar_t* offered[] = {L"King James Version (English)", L"Reina-Valera 1909 (Espa\u00F1ol)",
                              L"World English Bible (English)", L"My own verses"};
  ASSERT_EQ(SendMessageW(Item(kCboVerseList), CB_GETCOUNT, 0, 0), 4);
  for (WPARAM i = 0; i < 4; ++i) {
    wchar_t name[64] = {};
    SendMessageW(Item(kCboVerseList), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
    EXPECT_STREQ(name, offered[i]);
  }
  EXPECT_EQ(SendMessageW(Item(kCboVerseList), CB_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(StatusBecomes("441 verses."));
  ChooseVerseList(2);
  EXPECT_TRUE(StatusBecomes("432 verses."));
  Click(Item(kCmdVerseEdit));
  EXPECT_TRUE(StatusBecomes("Your own list could not be made: its folder cannot be created."));
  EXPECT_EQ(SendMessageW(Item(kCboVerseList), CB_GETCURSEL, 0, 0), 2);
  Pump(500);
  EXPECT_EQ(FindWindowA("Notepad", nullptr), nullptr) << "an editor opened";
  std::filesystem::remove(folder, error);
  EXPECT_TRUE(ClosesOn(kCmdOK));
  EXPECT_EQ(ReadSetting("VerseList"), "web.vrs");

  // Again: the stored choice shows; the King James list, chosen before Edit..., is copied.
  ASSERT_NE(Open(), nullptr);
  ShowTab(SetupTab::kChangeFreq);
  EXPECT_EQ(SendMessageW(Item(kCboVerseList), CB_GETCURSEL, 0, 0), 2);
  ChooseVerseList(3);
  EXPECT_TRUE(StatusBecomes(
      "Your own list is not there yet: Edit... makes it from the list chosen before."));
  ChooseVerseList(0);
  ASSERT_TRUE(ClickUntil(kCmdVerseEdit, [] { return std::filesystem::exists(OwnVerseList()); }));
  EXPECT_EQ(FileBytes(OwnVerseList()),
            "\xEF\xBB\xBF" + FileBytes(SOVELIN_SOURCE_DIR "/resources/sovel.vrs"));
  EXPECT_EQ(SendMessageW(Item(kCboVerseList), CB_GETCURSEL, 0, 0), 3);
  HWND editor = nullptr;
  EXPECT_TRUE(
      WaitUntil([&] { return (editor = FindWindowA("Notepad", nullptr)) != nullptr; }, kStartMs))
      << "no editor opened";
  if (editor) PostMessageA(editor, WM_CLOSE, 0, 0);
  std::ofstream(OwnVerseList(), std::ios::binary | std::ios::app) << "My own line\r\n\r\n";
  PostMessageW(dialog_, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_TRUE(StatusBecomes("Your own list holds 443 verses. No reference on lines 442, 443."));
  EXPECT_TRUE(ClosesOn(kCmdOK));
  EXPECT_EQ(ReadSetting("VerseList"), "*");
  std::filesystem::remove(OwnVerseList(), error);
}

}  // namespace
}  // namespace sovelin
