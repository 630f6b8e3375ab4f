// End to end: opens the real settings dialog from the saver with /c and drives it as a user
// would, then reads what it left in the registry.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "common/handles_win32.h"
#include "geometry/screen_win32.h"
#include "setup/help_texts.h"
#include "setup/setup_form.h"
#include "setup/sysinfo.h"
#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kStartMs = 30000;  // Wine can be slow to start a process
constexpr DWORD kWaitMs = 15000;
constexpr const char* kHelperName = "MSINFO32.EXE";
constexpr const char* kMarkerName = "sysinfo-started";

// A copy of this program named MSINFO32.EXE stands for the System Information program: it
// leaves a marker file beside itself and ends before any test runs.
const bool kRunsAsSysInfoHelper = [] {
  const std::string program = ThisProgram();
  const std::string name = program.substr(program.find_last_of('\\') + 1);
  if (lstrcmpiA(name.c_str(), kHelperName) != 0) return false;
  std::ofstream(FolderOf(program) + "\\" + kMarkerName) << "started\n";
  ExitProcess(0);
}();

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
  void SetUp() override { ClearSettings(); }

  // Starts the saver with /c and waits for the dialog.
  HWND Open() {
    saver_ = std::make_unique<SaverProcess>(SaverProcess::Start("/c"));
    EXPECT_TRUE(saver_->started());
    dialog_ = WaitForCaption(std::string(kSetupCaption).c_str(), kStartMs, saver_->id());
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

  bool Closes() { return saver_->WaitForExit(kWaitMs); }

  std::unique_ptr<SaverProcess> saver_;
  HWND dialog_ = nullptr;
};

TEST_F(SetupDialogTest, IsAFixedUnownedDialogLaidOutFromTheTable) {
  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(GetWindow(dialog_, GW_OWNER), nullptr);
  const LONG style = GetWindowLongA(dialog_, GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_NE(style & WS_SYSMENU, 0);

  HDC screen = GetDC(nullptr);
  const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
  const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  RECT client;
  GetClientRect(dialog_, &client);
  EXPECT_EQ(client.right, MulDiv(kSetupClientWidth, dpiX, 1440));
  EXPECT_EQ(client.bottom, MulDiv(kSetupClientHeight, dpiY, 1440));

  HWND tabs = Item(kTbsOptions);
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 6);
  EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);

  for (const ControlDescriptor& control : SetupControls()) {
    HWND window = Item(control.id);
    ASSERT_NE(window, nullptr) << control.name << " " << control.index;
    // Every control stands where the table puts it, within its frame and tab page.
    const TwipPoint origin = PositionInDialog(control);
    POINT corner{0, 0};
    MapWindowPoints(window, dialog_, &corner, 1);
    EXPECT_EQ(corner.x, MulDiv(origin.x, dpiX, 1440)) << control.name << " " << control.index;
    EXPECT_EQ(corner.y, MulDiv(origin.y, dpiY, 1440)) << control.name << " " << control.index;
    const bool captioned = control.kind != ControlKind::kTabControl &&
                           control.kind != ControlKind::kPictureButton && control.id != kLblVersion;
    if (captioned) {
      EXPECT_EQ(WindowText(window), control.caption) << control.name << " " << control.index;
    }
    const LONG controlStyle = GetWindowLongA(window, GWL_STYLE);
    if (control.kind == ControlKind::kOptionButton) {
      EXPECT_EQ(controlStyle & BS_TYPEMASK, BS_AUTORADIOBUTTON);
      EXPECT_EQ((controlStyle & WS_GROUP) != 0, control.index == 0) << control.name;
    }
    if (control.kind == ControlKind::kCheckBox) {
      EXPECT_EQ(controlStyle & BS_TYPEMASK, BS_3STATE);
    }
    // Only the first tab's controls and those on the dialog itself show.
    const bool shown = control.tab == SetupTab::kNone || control.tab == kInitialTab;
    EXPECT_EQ(IsWindowVisible(window) != FALSE, shown) << control.name << " " << control.index;
  }
  EXPECT_EQ(WindowText(Item(kLblVersion)), "Version 3.0.1");

  ShowTab(SetupTab::kAbout);
  EXPECT_TRUE(IsWindowVisible(Item(kCmdSysInfo)));
  EXPECT_FALSE(IsWindowVisible(Option(OptionGroup::kDisplay, 0)));

  // Enter and Esc press neither OK nor Cancel.
  SetForegroundWindow(dialog_);
  PressKey(VK_ESCAPE);
  PressKey(VK_RETURN);
  Pump(1000);
  EXPECT_TRUE(saver_->Running());
  Click(Item(kCmdCancel));
  EXPECT_TRUE(Closes());
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
  const Font normal = dialogFont(FW_NORMAL);
  const Font bold = dialogFont(FW_BOLD);
  WindowDC dc(nullptr);
  const int edges = 2 * MulDiv(3, dpi, kBaseDpi);
  const int mark = GetSystemMetrics(SM_CXMENUCHECK);
  for (int tab = 0; tab <= static_cast<int>(SetupTab::kAbout); ++tab) {
    ShowTab(static_cast<SetupTab>(tab));
    for (const ControlDescriptor& control : SetupControls()) {
      HWND window = Item(control.id);
      const std::string text = WindowText(window);
      if (!IsWindowVisible(window) || text.empty() || control.kind == ControlKind::kTabControl)
        continue;
      SCOPED_TRACE(std::string(control.name) + " \"" + text + "\" at " + std::to_string(dpi));
      RECT client{};
      GetClientRect(window, &client);
      SelectGuard select(dc.get(), (control.id == kLblTitle ? bold : normal).get());
      RECT extent{0, 0, client.right, 0};
      const bool wraps = control.kind == ControlKind::kLabel;
      DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent,
                DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
      switch (control.kind) {
        case ControlKind::kPushButton:
        case ControlKind::kFrame: EXPECT_LE(extent.right + edges, client.right); break;
        case ControlKind::kOptionButton:
        case ControlKind::kCheckBox: EXPECT_LE(mark + extent.right, client.right); break;
        default:
          EXPECT_LE(extent.right, client.right);
          EXPECT_LE(extent.bottom, client.bottom);
          break;
      }
    }
  }
  Click(Item(kCmdCancel));
  EXPECT_TRUE(Closes());
}

TEST_F(SetupDialogTest, ShowsTheStoredValuesAndCancelWritesNothing) {
  WriteSetting("DisplayOption", "5");
  WriteSetting("Speed", "3");
  WriteSetting("Frequency", "1");
  WriteSetting("Background", "12");  // outside the options: none selected
  WriteSetting("ClearScreen", "2");  // greyed
  WriteSetting("PWProtected", "1");
  WriteSetting("RectangleColor", "255");
  ASSERT_NE(Open(), nullptr);

  const auto selected = [this](OptionGroup group) {
    int found = -1;
    for (int16_t index = 0; index < OptionCount(group); ++index) {
      if (IsChecked(Option(group, index)))
        found = found == -1 ? index : 99;  // two selected would be a fault
    }
    return found;
  };
  EXPECT_EQ(selected(OptionGroup::kDisplay), 5);
  EXPECT_EQ(selected(OptionGroup::kSpeed), 3);
  EXPECT_EQ(selected(OptionGroup::kFreq), 1);
  EXPECT_EQ(selected(OptionGroup::kBackground), -1);
  EXPECT_TRUE(IsChecked(Item(kChkBackgroundClear), BST_INDETERMINATE));
  EXPECT_TRUE(IsChecked(Item(kChkPswd)));
  EXPECT_TRUE(IsWindowEnabled(Item(kCmdColorSelect)));
  EXPECT_TRUE(IsWindowEnabled(Item(kCmdPswd)));

  // Changes on several tabs, then Cancel.
  ASSERT_TRUE(ClickUntil(OptionId(OptionGroup::kDisplay, 2),
                         [&] { return !IsWindowEnabled(Item(kCmdColorSelect)); }));
  ShowTab(SetupTab::kPassword);
  ASSERT_TRUE(ClickUntil(kChkPswd, [&] { return !IsWindowEnabled(Item(kCmdPswd)); }));
  Click(Item(kCmdCancel));
  EXPECT_TRUE(Closes());
  EXPECT_EQ(ReadSetting("DisplayOption"), "5");
  EXPECT_EQ(ReadSetting("Background"), "12");
  EXPECT_EQ(ReadSetting("ClearScreen"), "2");
  EXPECT_EQ(ReadSetting("PWProtected"), "1");
  EXPECT_EQ(ReadSetting("RectangleColor"), "255");
}

TEST_F(SetupDialogTest, ClicksFollowTheEnablingRulesAndOkWritesAllSeven) {
  WriteSetting("Background", "12");
  WriteSetting("ClearScreen", "2");
  ASSERT_NE(Open(), nullptr);
  EXPECT_FALSE(IsWindowEnabled(Item(kCmdColorSelect)));
  EXPECT_FALSE(IsWindowEnabled(Item(kCmdPswd)));
  EXPECT_FALSE(IsChecked(Item(kChkPswd)));

  ASSERT_TRUE(ClickUntil(OptionId(OptionGroup::kDisplay, 6),
                         [&] { return IsWindowEnabled(Item(kCmdColorSelect)) != FALSE; }));
  EXPECT_FALSE(IsChecked(Option(OptionGroup::kDisplay, 0)));
  ASSERT_TRUE(ClickUntil(OptionId(OptionGroup::kDisplay, 7),
                         [&] { return !IsWindowEnabled(Item(kCmdColorSelect)); }));

  ShowTab(SetupTab::kVerseSpeed);
  ASSERT_TRUE(ClickUntil(OptionId(OptionGroup::kSpeed, 4),
                         [&] { return IsChecked(Option(OptionGroup::kSpeed, 4)); }));
  ShowTab(SetupTab::kChangeFreq);
  ASSERT_TRUE(ClickUntil(OptionId(OptionGroup::kFreq, 3),
                         [&] { return IsChecked(Option(OptionGroup::kFreq, 3)); }));

  // A click on a greyed box ticks it; a greyed or clear password box keeps its button off.
  ShowTab(SetupTab::kBackground);
  ASSERT_TRUE(
      ClickUntil(kChkBackgroundClear, [&] { return IsChecked(Item(kChkBackgroundClear)); }));

  ShowTab(SetupTab::kPassword);
  ASSERT_TRUE(ClickUntil(kChkPswd, [&] { return IsWindowEnabled(Item(kCmdPswd)) != FALSE; }));
  ASSERT_TRUE(ClickUntil(kChkPswd, [&] { return !IsWindowEnabled(Item(kCmdPswd)); }));
  EXPECT_FALSE(IsChecked(Item(kChkPswd)));

  Click(Item(kCmdOK));
  EXPECT_TRUE(Closes());
  EXPECT_EQ(ReadSetting("DisplayOption"), "7");
  EXPECT_EQ(ReadSetting("Speed"), "4");
  EXPECT_EQ(ReadSetting("Frequency"), "3");
  EXPECT_EQ(ReadSetting("Background"), "10");  // still none selected
  EXPECT_EQ(ReadSetting("ClearScreen"), "1");
  EXPECT_EQ(ReadSetting("PWProtected"), "0");
  EXPECT_EQ(ReadSetting("RectangleColor"), "0");
}

TEST_F(SetupDialogTest, TheCloseBoxWritesNothing) {
  ASSERT_NE(Open(), nullptr);
  ASSERT_TRUE(ClickUntil(OptionId(OptionGroup::kDisplay, 3),
                         [&] { return IsChecked(Option(OptionGroup::kDisplay, 3)); }));
  PostMessageA(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(Closes());
  EXPECT_EQ(ReadSetting("DisplayOption"), std::nullopt);
  EXPECT_EQ(ReadSetting("Speed"), std::nullopt);
}

TEST_F(SetupDialogTest, HelpButtonsShowTheirMessages) {
  ASSERT_NE(Open(), nullptr);
  const std::pair<SetupTab, ControlId> buttons[] = {
      {SetupTab::kVerseDisplay, kCmdDisplayHelp},
      {SetupTab::kBackground, kCmdBackgroundHelp},
      {SetupTab::kPassword, kCmdPasswordHelp},
  };
  for (const auto& [tab, id] : buttons) {
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
  EXPECT_TRUE(saver_->Running());
  Click(Item(kCmdCancel));
  EXPECT_TRUE(Closes());
}

class SysInfoTest : public SetupDialogTest {
 protected:
  void SetUp() override {
    SetupDialogTest::SetUp();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "sovelin-sysinfo";
    CreateDirectoryA(folder_.c_str(), nullptr);
    DeleteFileA(Marker().c_str());
    DeleteFileA(Helper().c_str());
    RemoveValues();
  }
  void TearDown() override {
    RemoveValues();
    DeleteFileA(Marker().c_str());
    DeleteFileA(Helper().c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  static void RemoveValues() {
    DeleteLocalMachineValue(std::string(kMsInfoKey), std::string(kMsInfoPathValue));
    DeleteLocalMachineValue(std::string(kSharedToolsLocationKey), std::string(kMsInfoFolderValue));
  }
  std::string Helper() const { return folder_ + "\\" + kHelperName; }
  std::string Marker() const { return folder_ + "\\" + kMarkerName; }
  void InstallHelper() const {
    ASSERT_TRUE(CopyFileA(ThisProgram().c_str(), Helper().c_str(), FALSE));
  }

  // Presses "System Info..." and returns the unavailable message box, if one appears.
  HWND PressSysInfo() {
    ShowTab(SetupTab::kAbout);
    Click(Item(kCmdSysInfo));
    return WaitForCaption(std::string(kSysInfoUnavailable.title).c_str(), 5000, saver_->id());
  }

  std::string folder_;
};

TEST_F(SysInfoTest, StartsTheRegisteredProgram) {
  InstallHelper();
  SetLocalMachineValue(std::string(kMsInfoKey), std::string(kMsInfoPathValue), Helper());
  ASSERT_NE(Open(), nullptr);
  ShowTab(SetupTab::kAbout);
  Click(Item(kCmdSysInfo));
  EXPECT_TRUE(WaitUntil([&] { return FileExists(Marker()); }, kStartMs));
  EXPECT_EQ(FindCaption(std::string(kSysInfoUnavailable.title).c_str(), saver_->id()), nullptr);
  // The dialog stays open and usable.
  EXPECT_TRUE(saver_->Running());
  Click(Item(kCmdCancel));
  EXPECT_TRUE(Closes());
}

TEST_F(SysInfoTest, SaysUnavailableWithoutTheProgram) {
  // The folder is registered but holds no MSINFO32.EXE.
  SetLocalMachineValue(std::string(kSharedToolsLocationKey), std::string(kMsInfoFolderValue),
                       folder_);
  ASSERT_NE(Open(), nullptr);
  HWND box = PressSysInfo();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageText(box), kSysInfoUnavailable.text);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kWaitMs));
  Click(Item(kCmdCancel));
  EXPECT_TRUE(Closes());
}

}  // namespace
}  // namespace sovelin
