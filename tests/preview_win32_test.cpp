// The preview in the Display control panel's sample monitor. The test stands in for the
// control panel: it opens a window and puts the preview into it, in this process to read what
// it paints, and as the real saver started with "/p" and the window's handle.
#include "startup/preview_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/saver_driver_win32.h"
#include "versewin/picture_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr int kPictureWidth = 152;
constexpr int kPictureHeight = 112;
constexpr int kBase = 5;  // index of the form's own background among the pictures

// The sample monitor: a captioned window with a client area of the given size in a colour the
// preview never paints, so any part it leaves uncovered shows.
HWND OpenMonitor(int width = 300, int height = 200) {
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
  HWND monitor = CreateWindowExA(
      0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100,
      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, nullptr, nullptr);
  Pump(100);
  return monitor;
}

// The client area in screen coordinates.
RECT ClientOnScreen(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

// The six pictures as the saver holds them, as 0x00RRGGBB rows: frames 0..4, then the
// background.
using Picture = std::vector<uint32_t>;

std::array<Picture, 6> LoadPictures(HMODULE saver) {
  std::array<Picture, 6> pictures;
  for (int index = 0; index < 6; ++index) {
    const std::string name = index == kBase ? "PREVIEW_BASE" : "PREVIEW" + std::to_string(index);
    Bitmap bitmap = LoadPictureResource(saver, name);
    EXPECT_TRUE(bitmap) << name;
    BITMAPINFO info = TopDownPixels(kPictureWidth, kPictureHeight);
    pictures[index].resize(kPictureWidth * kPictureHeight);
    GetDIBits(WindowDC(nullptr).get(), bitmap.get(), 0, kPictureHeight, pictures[index].data(),
              &info, DIB_RGB_COLORS);
    for (uint32_t& pixel : pictures[index]) pixel &= 0x00FFFFFF;
  }
  return pictures;
}

// In this process: what the preview paints, tick by tick.
class PreviewWindowTest : public ::testing::Test {
 protected:
  // The saver module holds the pictures; the tests read them from there.
  HMODULE saver = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  std::array<Picture, 6> pictures = LoadPictures(saver);
};

// How a screenshot compares with `picture` stretched over it. Smooth scaling makes each pixel
// from the picture's pixels around the place it maps to, so each colour channel lies within
// their range (one picture pixel of slack on each side); a pixel equal to none was blended.
struct ScaledComparison {
  int outOfRange = 0;
  int blended = 0;
};

ScaledComparison CompareScaled(const Screenshot& shot, const Picture& picture) {
  ScaledComparison result;
  const auto around = [](int at, int shotSize, int size) {
    return std::pair{std::max(at * size / shotSize - 1, 0),
                     std::min((at + 1) * size / shotSize + 1, size - 1)};
  };
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      const auto [top, bottom] = around(y, shot.height, kPictureHeight);
      const auto [left, right] = around(x, shot.width, kPictureWidth);
      std::array<uint32_t, 3> low{255, 255, 255}, high{};
      bool equal = false;
      for (int py = top; py <= bottom; ++py) {
        for (int px = left; px <= right; ++px) {
          const uint32_t source = picture[py * kPictureWidth + px];
          equal = equal || source == shot.At(x, y);
          for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], (source >> (8 * c)) & 0xFF);
            high[c] = std::max(high[c], (source >> (8 * c)) & 0xFF);
          }
        }
      }
      for (int c = 0; c < 3; ++c) {
        const uint32_t channel = (shot.At(x, y) >> (8 * c)) & 0xFF;
        result.outOfRange += channel < low[c] || channel > high[c];
      }
      result.blended += !equal;
    }
  }
  return result;
}

// How the last window this thread made was made, as Windows hands it to a hook.
struct Creation {
  HWND window = nullptr;
  HWND parent = nullptr;
  LONG style = 0;
};
Creation lastCreation;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTA& create = *reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    lastCreation = {reinterpret_cast<HWND>(wParam), create.hwndParent, create.style};
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The sample monitor's size differs between Windows versions and display scales: the picture
// fills it whole, pixel for pixel at its own size, smoothly stretched or shrunk at any other.
// The window is made a child of the monitor from the start, never a pop-up moved in later. On
// the last monitor, each change of picture as the timer makes it, up to the last frame and back,
// and the window follows the monitor when the control panel resizes it.
TEST_F(PreviewWindowTest, IsBornInTheMonitorFillsItAtAnySizeShowsEachFrameAndFollowsItsSize) {
  for (const SIZE size :
       {SIZE{kPictureWidth, kPictureHeight}, SIZE{124, 90}, SIZE{231, 170}, SIZE{300, 200}}) {
    HWND monitor = OpenMonitor(size.cx, size.cy);
    PreviewWindow preview(GetModuleHandleA(nullptr), monitor, saver);
    HHOOK hook = SetWindowsHookExA(WH_CBT, &RecordCreation, nullptr, GetCurrentThreadId());
    const bool created = preview.Create();
    UnhookWindowsHookEx(hook);
    ASSERT_TRUE(hook && created);
    EXPECT_EQ(std::tuple(lastCreation.window, lastCreation.parent,
                         lastCreation.style & (WS_CHILD | WS_POPUP)),
              std::tuple(preview.handle(), monitor, LONG{WS_CHILD}));
    Pump(30);  // the first tick comes after 200 ms
    const auto shows = [&](int index) {
      return CompareScaled(CaptureScreen(ClientOnScreen(monitor)), pictures[index]);
    };
    const ScaledComparison base = shows(kBase);
    EXPECT_EQ(base.outOfRange, 0) << size.cx << " x " << size.cy;
    EXPECT_EQ(base.blended == 0, size.cx == kPictureWidth) << size.cx << " x " << size.cy;
    for (int change = 0; size.cx == 300 && change < 6; ++change) {
      const int16_t before = preview.PictureShown();
      ASSERT_TRUE(WaitUntil([&] { return preview.PictureShown() != before; }, 2000));
      Pump(30);  // the paint, well before the next tick
      const int shown = preview.PictureShown();
      EXPECT_EQ(shows(shown).outOfRange, 0) << "frame " << shown;
      EXPECT_GT(shows(before < 0 ? kBase : before).outOfRange, 0) << "still " << before;
    }
    const auto fills = [&] {
      const RECT box = WindowBox(preview.handle()), client = ClientOnScreen(monitor);
      return EqualRect(&box, &client) && IsWindowVisible(preview.handle());
    };
    EXPECT_TRUE(fills());
    SetWindowPos(monitor, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil(fills, 2000)) << "the preview kept the monitor's first size";
    DestroyWindow(monitor);
  }
}

// A colour backdrop takes the place of the form's own background, behind the book: at the
// pictures' own size, each pixel a frame shares with the background shows the colour, the
// others the frame's own; a picture that cannot show leaves the preview as it was.
TEST_F(PreviewWindowTest, AColourBackdropShowsBehindTheBookAndABadPictureShowsNone) {
  SaverSettings missing{.gBackdrop = 3, .backdropPath = "C:\\no such folder\\a.jpg"};
  EXPECT_FALSE(PreviewBackdrop(missing));
  // 0x0000FF as a Windows colour is red, which a screen pixel holds as 0xFF0000.
  const SaverSettings red{.gBackdrop = 2, .gBackdropColor = 0x0000FF};
  HWND monitor = OpenMonitor(kPictureWidth, kPictureHeight);
  PreviewWindow preview(GetModuleHandleA(nullptr), monitor, saver);
  preview.SetBackdrop(PreviewBackdrop(red));
  ASSERT_TRUE(preview.Create());
  for (int step = 0; step < 3; ++step) {
    const int16_t before = preview.PictureShown();
    Pump(30);
    const int shown = preview.PictureShown() < 0 ? kBase : preview.PictureShown();
    const Screenshot shot = CaptureScreen(ClientOnScreen(monitor));
    int wrong = 0, book = 0;
    for (int y = 0; y < kPictureHeight; ++y) {
      for (int x = 0; x < kPictureWidth; ++x) {
        const size_t at = static_cast<size_t>(y) * kPictureWidth + x;
        const bool behind = pictures[shown][at] == pictures[kBase][at];
        book += !behind;
        wrong += shot.At(x, y) != (behind ? 0xFF0000u : pictures[shown][at]);
      }
    }
    EXPECT_EQ(wrong, 0) << "picture " << shown;
    EXPECT_EQ(book > 0, shown != kBase) << "picture " << shown;
    ASSERT_TRUE(WaitUntil([&] { return preview.PictureShown() != before; }, 2000));
  }
  DestroyWindow(monitor);
}

// End to end: the real saver in the monitor of another process.
// HACK: Wine does not show what a window paints into a parent of another process, so the
// pictures are checked in this process above; here only the windows and the process. The
// handle follows "/p ", or a colon, or "-P " after an unquoted path with a blank.
TEST(Preview, FillsTheMonitorAndEndsWithIt) {
  for (const auto& [switchText, quoted] :
       {std::pair("/p ", true), std::pair("/p:", true), std::pair("-P ", false)}) {
    SCOPED_TRACE(switchText);
    HWND monitor = OpenMonitor();
    SaverProcess preview = SaverProcess::Start(
        switchText + std::to_string(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(monitor))),
        SaverPath(), quoted);
    HWND child = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (child = GetWindow(monitor, GW_CHILD)) && IsWindowVisible(child); }, 20000))
        << "no preview window in the monitor";
    const RECT box = WindowBox(child), client = ClientOnScreen(monitor);
    EXPECT_TRUE(EqualRect(&box, &client));
    Pump(1000);
    EXPECT_TRUE(preview.Running());
    DestroyWindow(monitor);
    EXPECT_TRUE(preview.WaitForExit(5000)) << "the preview outlived its monitor";
    EXPECT_EQ(preview.ExitCode(), 0u);
  }
}

}  // namespace
}  // namespace sovelin
