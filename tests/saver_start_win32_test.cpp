// End to end: starts the real saver and stops it the ways a user would, with its password,
// and after broken verse files and hand-edited registry values. The prompt's own rules
// (topmost, the saver blocked under it, one prompt at a time) are checked in process in
// password/ask_password_win32_test.cpp.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "password/password_form_win32.h"
#include "password/password_test_support_win32.h"
#include "password/scramble.h"
#include "saver/run_error.h"
#include "saver/saver_window_win32.h"
#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kStartMs = 30000;  // Wine can be slow to start a process, more so on big files
constexpr DWORD kEndMs = 10000;
constexpr const char* kPromptCaption = "Sovelin Screen Saver";

// Pixels outside the verse window that differ from the test pattern standing for the desktop
// (or from black). The verse window moves: its place before and after the screenshot is left
// out.
int PixelsUnlikeTheDesktop(DWORD saverId, bool black = false) {
  const RECT before = VerseWindowRect(saverId);
  const Screenshot shot = CaptureScreen();
  const RECT after = VerseWindowRect(saverId);
  int wrong = 0;
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      const POINT point{x, y};
      if (PtInRect(&before, point) || PtInRect(&after, point)) continue;
      wrong += shot.At(x, y) != (black ? 0u : PatternWindow::ColourAt(x, y));
    }
  }
  return wrong;
}

// The seven settings and the one the saver records itself.
const std::vector<std::string> kSettingNames = {"Speed",         "Frequency",      "PWProtected",
                                                "DisplayOption", "RectangleColor", "ClearScreen",
                                                "Background",    "LastDisplayUsed"};

// Starts the saver (the built one unless a copy is given), checks that both its windows
// appear, that it keeps running with no message box, and that a key ends it cleanly.
void RunsAndStopsOnAKey(const std::string& program = SaverPath()) {
  SaverProcess saver = SaverProcess::Start("/s", program);
  ASSERT_TRUE(saver.started()) << "cannot start " << program;
  ASSERT_NE(WaitForCaption(kSaverCaption, kStartMs, saver.id()), nullptr)
      << "the saver window did not appear";
  EXPECT_TRUE(WaitUntil([&] { return FindVerseWindow(saver.id()) != nullptr; }, kStartMs))
      << "no verse window";
  Pump(1000);
  EXPECT_TRUE(saver.Running()) << "exit code " << saver.ExitCode();
  EXPECT_EQ(FindCaption(kProgramTitle.data(), saver.id()), nullptr) << "an error box shows";
  PressKey(VK_SPACE);
  EXPECT_TRUE(saver.WaitForExit(kEndMs)) << "a key did not end it";
  EXPECT_EQ(saver.ExitCode(), 0u);
}

class SaverStart : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    WriteSetting("Background", "9");  // no design over the screen
    MoveMouseTo(0, 0);
    Pump(100);
  }

  // Waits for the saver's window and lets it settle.
  HWND WaitForSaver(SaverProcess& process) {
    HWND window = WaitForCaption(kSaverCaption, kStartMs, process.id());
    EXPECT_NE(window, nullptr) << "the saver window did not appear";
    Pump(500);  // let it settle: first paint, first mouse position
    return window;
  }
};

TEST_F(SaverStart, CoversThePrimaryScreenBorderlessAndTopmostAndAClickStopsIt) {
  SaverProcess saver = SaverProcess::Start("/s");
  HWND window = WaitForSaver(saver);
  ASSERT_NE(window, nullptr);
  RECT box;
  GetWindowRect(window, &box);
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EXPECT_TRUE(EqualRect(&box, &screen));
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
  EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(ReadSetting("LastDisplayUsed"), "0");
  ClickMouse();  // a click stops it
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
  EXPECT_EQ(saver.ExitCode(), 0u);
}

TEST_F(SaverStart, CloseMessagesAndTheFirstMovementAreIgnoredAndTheNextPixelStops) {
  SaverProcess saver = SaverProcess::Start("");  // no arguments start the saver too
  HWND window = WaitForSaver(saver);
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_CLOSE, 0, 0);
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  MoveMouseTo(300, 200);  // far, but the first position seen
  Pump(1500);
  EXPECT_TRUE(saver.Running());
  MoveMouseTo(301, 200);
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
}

TEST_F(SaverStart, ASecondStartOpensNothingAndWritesNothing) {
  WriteSetting("DisplayOption", "9");  // out of range: recorded as it is
  SaverProcess first = SaverProcess::Start("/s");
  ASSERT_NE(WaitForSaver(first), nullptr);
  EXPECT_EQ(ReadSetting("LastDisplayUsed"), "9");
  WriteSetting("LastDisplayUsed", "42");
  SaverProcess second = SaverProcess::Start("/s");
  EXPECT_TRUE(second.WaitForExit(kStartMs));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(CountCaption(kSaverCaption), 1);
  EXPECT_EQ(ReadSetting("LastDisplayUsed"), "42");
  PressKeys({VK_MENU, VK_F4});  // system keys stop it as any key does
  EXPECT_TRUE(first.WaitForExit(kEndMs));
}

// ClearScreen 0 shows a pixel-exact copy of the desktop, any other value black, also in the
// trail the moving verse window leaves behind.
TEST_F(SaverStart, ShowsAPixelExactCopyOfTheDesktopOrBlackAlsoBehindTheMovingVerseWindow) {
  WriteSetting("Speed", "4");
  for (const bool black : {false, true}) {
    WriteSetting("ClearScreen", black ? "2" : "0");
    PatternWindow desktop;
    SaverProcess saver = SaverProcess::Start("/s");
    ASSERT_NE(WaitForSaver(saver), nullptr);
    desktop.Close();  // whatever shows now is the saver's own
    const RECT start = VerseWindowRect(saver.id());
    EXPECT_TRUE(WaitUntil(
        [&] {
          const RECT now = VerseWindowRect(saver.id());
          return std::abs(now.left - start.left) > 300 || std::abs(now.top - start.top) > 200;
        },
        kStartMs))
        << "the verse window did not move";
    // A screenshot may catch a repaint still under way; a trail never repaired stays wrong.
    int wrong = 0;
    EXPECT_TRUE(
        WaitUntil([&] { return (wrong = PixelsUnlikeTheDesktop(saver.id(), black)) == 0; }, kEndMs))
        << wrong << " wrong pixels on the " << (black ? "black screen" : "desktop copy");
    PressKey('Q');
    EXPECT_TRUE(saver.WaitForExit(kEndMs));
  }
}

TEST_F(SaverStart, APreviewWithoutAWindowEndsCleanlyAndWritesNothing) {
  for (const char* arguments : {"/p 1234", "/P"}) {
    SaverProcess process = SaverProcess::Start(arguments);
    EXPECT_TRUE(process.WaitForExit(kStartMs)) << arguments;
    EXPECT_EQ(process.ExitCode(), 0u) << arguments;
    EXPECT_FALSE(ReadSetting("LastDisplayUsed").has_value()) << arguments;
  }
}

TEST_F(SaverStart, AProtectedSaverRefusesAWrongPasswordGoesBackOnCancelAndEndsOnTheRightOne) {
  WriteSetting("PWProtected", "1");
  WriteSetting("Password", ScramblePassword("Grace", UpperCaseWindows1252));
  SaverProcess saver = SaverProcess::Start("/s");
  ASSERT_NE(WaitForSaver(saver), nullptr);
  const auto waitForPrompt = [&] { return WaitForCaption(kPromptCaption, kEndMs, saver.id()); };
  const auto field = [](HWND prompt) {
    return GetDlgItem(prompt, PasswordControlId(prompt_form::kControls, prompt_form::kTxtPswd));
  };
  // Upper-case letters as key presses give small letters.
  const auto typeKeys = [](const char* keys) {
    for (const char* key = keys; *key; ++key) PressKey(static_cast<WORD>(*key));
    Pump(300);
  };
  PressKey('A');
  HWND prompt = waitForPrompt();
  ASSERT_NE(prompt, nullptr) << "a key opens the prompt";

  typeKeys("XY");
  PressKey(VK_RETURN);
  HWND error = WaitForCaption("Error", kEndMs, saver.id());
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(driver::MessageText(error),
            "Incorrect password;\r\n\r\nCheck your screen saver password and\r\ntry again.");
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return !FindCaption("Error", saver.id()); }, kEndMs));
  EXPECT_EQ(FindCaption(kPromptCaption, saver.id()), prompt) << "the prompt stays";
  EXPECT_EQ(GetWindowTextLengthA(field(prompt)), 0) << "the field is emptied";

  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !FindCaption(kPromptCaption, saver.id()); }, kEndMs));
  Pump(1000);
  EXPECT_TRUE(saver.Running()) << "Cancel goes back to the saver";

  PressKey('B');
  prompt = waitForPrompt();
  ASSERT_NE(prompt, nullptr) << "the next key asks again";
  EXPECT_EQ(GetWindowTextLengthA(field(prompt)), 0);
  typeKeys("GRACE");  // typed as "grace"
  PressKey(VK_RETURN);
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
  EXPECT_EQ(saver.ExitCode(), 0u);
}

TEST_F(SaverStart, MissingOrBinaryVerseFilesLeaveTheSaverRunning) {
  RunsAndStopsOnAKey(SaverCopyFor("missing"));
  std::mt19937 random(8);
  std::string binary(64 * 1024, '\0');
  for (char& c : binary) c = static_cast<char>(random() & 0xFF);
  const std::string copy = SaverCopyFor("binary");
  WriteVerseFile(copy, binary);
  RunsAndStopsOnAKey(copy);
}

// Text that is no usable number, given to every setting at once; then numbers where text
// belongs: none of them turns the password on, not even a 1.
TEST_F(SaverStart, SettingsThatAreHugeNegativeOrOfTheWrongRegistryType) {
  for (const char* value : {"99999999999999999999", "-32768"}) {
    SCOPED_TRACE(std::string("every setting \"") + value + "\"");
    ClearSettings();
    for (const std::string& name : kSettingNames) WriteSetting(name, value);
    RunsAndStopsOnAKey();
  }
  for (const std::string& name : kSettingNames)
    ASSERT_TRUE(WriteRawSetting(name, REG_DWORD, {1, 0, 0, 0}));
  RunsAndStopsOnAKey();
}

}  // namespace
}  // namespace sovelin
