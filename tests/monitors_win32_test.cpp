// End to end on several monitors: the real saver covers them all, shows each its own part of
// the desktop, lets the verse window roam them and stops for input on any of them.
// tests/monitors-test runs it on two-monitor displays; on one monitor it skips.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/handles_win32.h"
#include "password/scramble.h"
#include "saver/saver_window_win32.h"
#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kStartMs = 20000;
constexpr DWORD kEndMs = 10000;
constexpr DWORD kRoamMs = 60000;

// True when the middle of `box` lies on `monitor`: the window is on that monitor.
bool CentredOn(const RECT& monitor, const RECT& box) {
  const POINT middle{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  return PtInRect(&monitor, middle);
}

// True when every pixel of `box` lies on some monitor.
bool OnMonitors(const std::vector<RECT>& monitors, const RECT& box) {
  Region rest(CreateRectRgnIndirect(&box));
  for (const RECT& monitor : monitors) {
    Region part(CreateRectRgnIndirect(&monitor));
    CombineRgn(rest.get(), rest.get(), part.get(), RGN_DIFF);
  }
  RECT left;
  return GetRgnBox(rest.get(), &left) == NULLREGION;
}

std::string Text(const RECT& box) {
  return std::to_string(box.left) + "," + std::to_string(box.top) + "-" +
         std::to_string(box.right) + "," + std::to_string(box.bottom);
}

class Monitors : public ::testing::Test {
 protected:
  void SetUp() override {
    monitors = driver::Monitors();
    if (monitors.size() < 2) GTEST_SKIP() << "one monitor: nothing to test";
    ClearSettings();
    WriteSetting("Background", "9");  // no design over the screen
    WriteSetting("Speed", "3");       // Fast
    MoveMouseTo(0, 0);
    Pump(100);
  }

  HWND WaitForSaver(SaverProcess& process) {
    HWND window = WaitForCaption(kSaverCaption, kStartMs, process.id());
    EXPECT_NE(window, nullptr) << "the saver window did not appear";
    Pump(500);
    return window;
  }

  static void StopWithKey(SaverProcess& saver) {
    PressKey('Q');
    EXPECT_TRUE(saver.WaitForExit(kEndMs));
  }

  // A point well inside the second monitor.
  POINT OnSecond() const {
    return {(monitors[1].left + monitors[1].right) / 2, (monitors[1].top + monitors[1].bottom) / 2};
  }

  // Per monitor, the pixels outside the verse window unlike the pattern (or black).
  std::vector<int> PixelsUnlikeTheDesktop(DWORD saverId, bool black) const {
    const RECT screen = VirtualScreen();
    const RECT before = VerseWindowRect(saverId);
    const Screenshot shot = CaptureScreen(screen);
    const RECT after = VerseWindowRect(saverId);
    std::vector<int> wrong;
    for (const RECT& monitor : monitors) {
      int count = 0;
      for (int y = monitor.top; y < monitor.bottom; ++y) {
        for (int x = monitor.left; x < monitor.right; ++x) {
          const POINT point{x, y};
          if (PtInRect(&before, point) || PtInRect(&after, point)) continue;
          const uint32_t expected = black ? 0u : PatternWindow::ColourAt(x, y);
          count += shot.At(x - screen.left, y - screen.top) != expected;
        }
      }
      wrong.push_back(count);
    }
    return wrong;
  }

  std::vector<RECT> monitors;
};

TEST_F(Monitors, TheSaverCoversEveryMonitorWithItsOwnPartOfTheDesktopOrBlack) {
  WriteSetting("Speed", "0");  // the verse window stays within its place before and after
  for (const bool black : {false, true}) {
    WriteSetting("ClearScreen", black ? "2" : "0");
    PatternWindow desktop(VirtualScreen());
    SaverProcess saver = SaverProcess::Start("/s");
    HWND window = WaitForSaver(saver);
    ASSERT_NE(window, nullptr);
    desktop.Close();  // whatever shows now is the saver's own
    Pump(500);
    RECT box;
    GetWindowRect(window, &box);
    const RECT screen = VirtualScreen();
    EXPECT_TRUE(EqualRect(&box, &screen)) << Text(box);
    EXPECT_EQ(PixelsUnlikeTheDesktop(saver.id(), black), std::vector<int>(monitors.size(), 0))
        << (black ? "black" : "desktop copy");
    StopWithKey(saver);
  }
}

TEST_F(Monitors, TheVerseWindowVisitsBothMonitorsAndNeverLeavesThem) {
  SaverProcess saver = SaverProcess::Start("/s");
  ASSERT_NE(WaitForSaver(saver), nullptr);
  bool visited[2] = {};
  int samples = 0;
  WaitUntil(
      [&] {
        const RECT box = VerseWindowRect(saver.id());
        if (IsRectEmpty(&box)) return false;
        ++samples;
        EXPECT_TRUE(OnMonitors(monitors, box)) << Text(box);
        for (int i = 0; i < 2; ++i) visited[i] = visited[i] || CentredOn(monitors[i], box);
        return visited[0] && visited[1];
      },
      kRoamMs);
  EXPECT_TRUE(visited[0]) << "never on the primary monitor";
  EXPECT_TRUE(visited[1]) << "never on the second monitor";
  EXPECT_GT(samples, 100);
  StopWithKey(saver);
}

TEST_F(Monitors, AKeyWithTheCursorOnTheSecondMonitorStopsTheSaver) {
  const POINT second = OnSecond();
  MoveMouseTo(second.x, second.y);
  Pump(200);
  SaverProcess saver = SaverProcess::Start("/s");
  ASSERT_NE(WaitForSaver(saver), nullptr);
  POINT cursor;
  GetCursorPos(&cursor);
  EXPECT_TRUE(PtInRect(&monitors[1], cursor));
  StopWithKey(saver);
}

TEST_F(Monitors, ThePasswordPromptOpensCentredOnThePrimaryMonitor) {
  WriteSetting("PWProtected", "1");
  WriteSetting("Password", ScramblePassword("Grace", UpperCaseWindows1252));
  const POINT second = OnSecond();
  MoveMouseTo(second.x, second.y);
  Pump(200);
  SaverProcess saver = SaverProcess::Start("/s");
  ASSERT_NE(WaitForSaver(saver), nullptr);
  PressKey('A');
  HWND prompt = WaitForCaption("Sovelin Screen Saver", kEndMs, saver.id());
  ASSERT_NE(prompt, nullptr);
  RECT box;
  GetWindowRect(prompt, &box);
  const RECT& primary = monitors[0];
  EXPECT_LE(std::abs(box.left + box.right - primary.left - primary.right), 2) << Text(box);
  EXPECT_LE(std::abs(box.top + box.bottom - primary.top - primary.bottom), 2) << Text(box);
  for (const char* key = "GRACE"; *key; ++key) PressKey(static_cast<WORD>(*key));
  Pump(300);
  PressKey(VK_RETURN);
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
}

TEST_F(Monitors, AMouseMoveOnTheSecondMonitorStopsTheSaver) {
  const POINT second = OnSecond();
  MoveMouseTo(second.x, second.y);
  Pump(200);
  SaverProcess saver = SaverProcess::Start("/s");
  ASSERT_NE(WaitForSaver(saver), nullptr);
  // The first position the saver sees may only be recorded; the next pixel stops it.
  MoveMouseTo(second.x + 1, second.y);
  if (!saver.WaitForExit(1500)) MoveMouseTo(second.x + 2, second.y);
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
  POINT cursor;
  GetCursorPos(&cursor);
  EXPECT_TRUE(PtInRect(&monitors[1], cursor)) << cursor.x << "," << cursor.y;
}

}  // namespace
}  // namespace sovelin
