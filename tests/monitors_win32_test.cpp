// End to end on several monitors: the real saver covers them all, shows each its own part of
// the desktop, lets the verse window roam them and stops for input on any of them.
// tests/monitors-test runs it on two-monitor displays; on one monitor only the desktop copy runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "common/handles_win32.h"
#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kEndMs = 10000;
constexpr DWORD kRoamMs = 60000;

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

class Monitors : public ::testing::Test {
 protected:
  void SetUp() override {
    monitors = driver::Monitors();
    ClearSettings();
    WriteSetting("Background", "9");  // no design over the screen
    WriteSetting("Speed", "4");       // Fastest
    MoveMouseTo(0, 0);
    Pump(100);
  }

  std::vector<RECT> monitors;
};

// On one monitor or more: ClearScreen 0 shows each monitor a pixel-exact copy of its part of
// the desktop, any other value black, also in the trail the moving verse window leaves behind.
TEST_F(Monitors, CoversEveryMonitorWithAPixelExactCopyOfTheDesktopOrBlackAlsoInTheTrail) {
  for (const bool black : {false, true}) {
    WriteSetting("ClearScreen", black ? "2" : "0");
    HWND desktop = OpenPatternWindow();
    SaverProcess saver = SaverProcess::Start("/s");
    HWND window = WaitForSaver(saver);
    DestroyWindow(desktop);  // whatever shows now is the saver's own
    ASSERT_NE(window, nullptr);
    const RECT box = WindowBox(window), screen = VirtualScreen();
    EXPECT_TRUE(EqualRect(&box, &screen));
    const RECT start = VerseWindowRect(saver.id());
    EXPECT_TRUE(WaitUntil(
        [&] {
          const RECT now = VerseWindowRect(saver.id());
          return std::abs(now.left - start.left) > 300 || std::abs(now.top - start.top) > 200;
        },
        kRoamMs))
        << "the verse window did not move";
    // A screenshot may catch a repaint still under way; a trail never repaired stays wrong.
    std::vector<int> wrong;
    EXPECT_TRUE(WaitUntil(
        [&] {
          return (wrong = PixelsUnlikeTheDesktop(saver.id(), black)) ==
                 decltype(wrong)(monitors.size(), 0);
        },
        kEndMs))
        << wrong[0] << " and " << wrong.back() << " wrong pixels on the "
        << (black ? "black screen" : "desktop copy");
    PressKey('Q');
    EXPECT_TRUE(saver.WaitForExit(kEndMs));
  }
}

TEST_F(Monitors, TheVerseWindowVisitsBothMonitorsAndNeverLeavesThem) {
  if (monitors.size() < 2) GTEST_SKIP() << "one monitor";
  SaverProcess saver = SaverProcess::Start("/s");
  ASSERT_NE(WaitForSaver(saver), nullptr);
  bool visited[2] = {};
  WaitUntil(
      [&] {
        const RECT box = VerseWindowRect(saver.id());
        if (IsRectEmpty(&box)) return false;
        EXPECT_TRUE(OnMonitors(monitors, box)) << box.left << ',' << box.top;
        // The window is on the monitor its middle lies on.
        const POINT middle{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        for (int i = 0; i < 2; ++i) visited[i] = visited[i] || PtInRect(&monitors[i], middle);
        return visited[0] && visited[1];
      },
      kRoamMs);
  EXPECT_TRUE(visited[0]) << "never on the primary monitor";
  EXPECT_TRUE(visited[1]) << "never on the second monitor";
  PressKey('Q');
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
}

TEST_F(Monitors, AMouseMoveOnTheSecondMonitorStopsTheSaver) {
  if (monitors.size() < 2) GTEST_SKIP() << "one monitor";
  const POINT second{(monitors[1].left + monitors[1].right) / 2,
                     (monitors[1].top + monitors[1].bottom) / 2};
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
