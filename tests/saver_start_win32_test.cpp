// End to end: starts the real saver and stops it the ways a user would.
#include <gtest/gtest.h>

#include <cstdlib>

#include "saver/saver_window_win32.h"
#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kStartMs = 20000;  // Wine can be slow to start a process
constexpr DWORD kEndMs = 10000;

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
    EXPECT_EQ(PixelsUnlikeTheDesktop(saver.id(), black), 0) << (black ? "black" : "desktop");
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

}  // namespace
}  // namespace sovelin
