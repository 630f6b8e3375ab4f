// End to end: the backdrop chosen instead of the desktop copy. A picture covers every monitor,
// a picture that cannot be shown leaves the desktop copy with no error box, and a folder's
// pictures take turns at the verse changes.
#include <gtest/gtest.h>

#include <wincodec.h>

#include <filesystem>
#include <fstream>

#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kEndMs = 10000;
constexpr DWORD kShowMs = 15000;
// The shortest verse change is 30 s; a tick every 2 s notices it.
constexpr DWORD kVerseChangeMs = 60000;
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

class Backdrops : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / L"Sovelin backdrop \u00e9t\u00e9";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ClearSettings();
    WriteSetting("Background", "9");  // no design over the screen
    WriteSetting("Frequency", "0");   // a new verse every 30 s
    MoveMouseTo(0, 0);
    Pump(100);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  // A pixel of the screen outside the verse window, or nothing while the window covers it.
  std::optional<uint32_t> ShownAt(DWORD saverId, POINT point) {
    const RECT verse = VerseWindowRect(saverId);
    if (PtInRect(&verse, point)) return std::nullopt;
    return CaptureScreen({point.x, point.y, point.x + 1, point.y + 1}).At(0, 0);
  }

  // Whether the screen comes to show `color` at column x of the monitor, in its top or its
  // bottom row (the verse window covers at most one of them).
  void ExpectShows(DWORD saverId, const RECT& monitor, LONG x, uint32_t color) {
    std::optional<uint32_t> top, bottom;
    EXPECT_TRUE(WaitUntil(
        [&] {
          top = ShownAt(saverId, {x, monitor.top + 3});
          bottom = ShownAt(saverId, {x, monitor.bottom - 4});
          return (top && LooksLike(*top, color)) || (bottom && LooksLike(*bottom, color));
        },
        kShowMs))
        << "at x " << x << ": " << std::hex << top.value_or(0) << " / " << bottom.value_or(0)
        << " for " << color;
  }

  std::filesystem::path folder;
};

// A 600 x 200 picture of three upright bands, red, green and blue, covers a landscape monitor
// W x H (W < 3H) at 3H x H, of which the middle W columns show: the screen's column dx shows
// band ((3H - W) / 2 + dx) / H. At dx = W / 6 a stretched picture would still show red.
TEST_F(Backdrops, AJpegCoversEveryMonitorCentredAndCropped) {
  const std::filesystem::path jpeg = folder / L"bands \u05e9.jpg";
  const uint32_t bands[] = {kRed, kGreen, kBlue};
  ASSERT_TRUE(WritePicture(jpeg, GUID_ContainerFormatJpeg, 600, 200,
                           [&](int x, int) { return bands[x / 200]; }));
  WriteSetting("Backdrop", "3");
  WriteSetting("BackdropPath", reinterpret_cast<const char*>(jpeg.u8string().c_str()));
  SaverProcess saver = SaverProcess::Start("/s");
  ASSERT_NE(WaitForSaver(saver), nullptr);
  for (const RECT& monitor : Monitors()) {
    const LONG width = monitor.right - monitor.left, height = monitor.bottom - monitor.top;
    ASSERT_LT(width, 3 * height);
    for (const LONG dx : {LONG{3}, width / 6, width / 2, width - 4})
      ExpectShows(saver.id(), monitor, monitor.left + dx,
                  bands[((3 * height - width) / 2 + dx) / height]);
  }
  PressKey('Q');
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
}

// A corrupt picture, a missing one and a folder without pictures all show the desktop copy.
TEST_F(Backdrops, APictureThatCannotBeShownLeavesTheDesktopWithNoErrorBox) {
  const std::filesystem::path corrupt = folder / L"corrupt.jpg", empty = folder / L"empty";
  std::ofstream(corrupt, std::ios::binary) << "\xFF\xD8\xFF\xE0 not a picture after all";
  std::filesystem::create_directories(empty);
  std::ofstream(empty / L"notes.txt") << "no pictures here";
  const std::pair<const char*, std::filesystem::path> cases[] = {
      {"3", corrupt}, {"3", folder / L"missing.png"}, {"4", empty}};
  for (const auto& [backdrop, path] : cases) {
    WriteSetting("Backdrop", backdrop);
    WriteSetting("BackdropPath", reinterpret_cast<const char*>(path.u8string().c_str()));
    HWND desktop = OpenPatternWindow();
    SaverProcess saver = SaverProcess::Start("/s");
    HWND window = WaitForSaver(saver);
    DestroyWindow(desktop);
    ASSERT_NE(window, nullptr) << path;
    std::vector<int> wrong;
    EXPECT_TRUE(WaitUntil(
        [&] {
          return (wrong = PixelsUnlikeTheDesktop(saver.id(), false)) ==
                 std::vector<int>(Monitors().size(), 0);
        },
        kEndMs))
        << path << ": " << wrong[0] << " wrong pixels";
    EXPECT_EQ(CountCaption("Sovelin"), 0) << "an error box for " << path;
    PressKey('Q');
    EXPECT_TRUE(saver.WaitForExit(kEndMs)) << path;
  }
}

// Three one-colour pictures: whichever shows first, another shows after a verse change.
TEST_F(Backdrops, AFolderShowsAnotherPictureAfterAVerseChange) {
  const std::pair<const wchar_t*, uint32_t> pictures[] = {
      {L"a.png", kRed}, {L"b.bmp", kGreen}, {L"c.jpg", kBlue}};
  for (const auto& [name, color] : pictures) {
    const GUID& format = name[2] == L'p'   ? GUID_ContainerFormatPng
                         : name[2] == L'b' ? GUID_ContainerFormatBmp
                                           : GUID_ContainerFormatJpeg;
    ASSERT_TRUE(WritePicture(folder / name, format, 64, 48, [c = color](int, int) { return c; }));
  }
  WriteSetting("Backdrop", "4");
  WriteSetting("BackdropPath", reinterpret_cast<const char*>(folder.u8string().c_str()));
  SaverProcess saver = SaverProcess::Start("/s");
  ASSERT_NE(WaitForSaver(saver), nullptr);
  const auto shownColor = [&]() -> std::optional<uint32_t> {
    for (const POINT point : {POINT{5, 5}, POINT{5, GetSystemMetrics(SM_CYSCREEN) - 6}}) {
      const std::optional<uint32_t> pixel = ShownAt(saver.id(), point);
      if (!pixel) continue;
      for (const auto& [name, color] : pictures) {
        if (LooksLike(*pixel, color)) return color;
      }
    }
    return std::nullopt;
  };
  std::optional<uint32_t> first, now;
  ASSERT_TRUE(WaitUntil([&] { return (first = shownColor()).has_value(); }, kShowMs));
  EXPECT_TRUE(WaitUntil([&] { return (now = shownColor()) && now != first; }, kVerseChangeMs))
      << std::hex << *first << " still shows";
  PressKey('Q');
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
}

}  // namespace
}  // namespace sovelin
