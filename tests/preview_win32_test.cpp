// The preview in the Display control panel's sample monitor. The test stands in for the
// control panel: it opens a window and puts the preview into it, in this process to read what
// it paints, and as the real saver started with "/p" and the window's handle.
#include "startup/preview_win32.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kStartMs = 20000;  // Wine can be slow to start a process
constexpr DWORD kEndMs = 5000;
constexpr int kPictureWidth = 152;
constexpr int kPictureHeight = 112;
constexpr COLORREF kParentColor = RGB(0xFF, 0x00, 0xFF);
constexpr int kBase = 5;  // index of the form's own background among the pictures

// The sample monitor: a captioned window with a client area of the given size, in a colour
// the preview never paints, so any part it leaves uncovered shows.
class MonitorWindow {
 public:
  MonitorWindow(int width, int height) {
    static Brush brush(CreateSolidBrush(kParentColor));
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = brush.get();
    windowClass.lpszClassName = "SovelinTestMonitor";
    RegisterClassA(&windowClass);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    window_ =
        CreateWindowExA(0, windowClass.lpszClassName, "Sovelin preview host",
                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, windowClass.hInstance, nullptr);
    UpdateWindow(window_);
    Pump(100);
  }
  ~MonitorWindow() { Close(); }
  MonitorWindow(const MonitorWindow&) = delete;
  MonitorWindow& operator=(const MonitorWindow&) = delete;

  HWND get() const { return window_; }
  // The handle as the control panel writes it on the command line.
  std::string HandleText() const {
    return std::to_string(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window_)));
  }
  // The client area in screen coordinates.
  RECT ClientOnScreen() const {
    RECT client{};
    GetClientRect(window_, &client);
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
  }
  void Close() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
  }

 private:
  HWND window_ = nullptr;
};

// The six pictures as the saver holds them, as 0x00RRGGBB rows: frames 0..4, then the
// background.
using Picture = std::vector<uint32_t>;

std::array<Picture, 6> LoadPictures() {
  std::array<Picture, 6> pictures;
  HMODULE saver = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  EXPECT_NE(saver, nullptr);
  for (int index = 0; index < 6; ++index) {
    const std::string name = index == kBase ? "PREVIEW_BASE" : "PREVIEW" + std::to_string(index);
    Bitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(saver, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    EXPECT_TRUE(bitmap) << name;
    BITMAPINFO info = TopDownPixels(kPictureWidth, kPictureHeight);
    Picture& pixels = pictures[index];
    pixels.resize(kPictureWidth * kPictureHeight);
    WindowDC screen(nullptr);
    GetDIBits(screen.get(), bitmap.get(), 0, kPictureHeight, pixels.data(), &info, DIB_RGB_COLORS);
    for (uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;
  }
  if (saver) FreeLibrary(saver);
  return pictures;
}

// Which picture stands at `origin` on the screen (index, kBase for the background), or -1.
int PictureOnScreen(const Screenshot& shot, POINT origin, const std::array<Picture, 6>& pictures) {
  for (int index = 0; index < 6; ++index) {
    bool same = true;
    for (int y = 0; y < kPictureHeight && same; ++y) {
      for (int x = 0; x < kPictureWidth && same; ++x) {
        same = shot.At(origin.x + x, origin.y + y) == pictures[index][y * kPictureWidth + x];
      }
    }
    if (same) return index;
  }
  return -1;
}

// Pixels of `area` on the screen, outside the picture at its top left, that are not black.
int LitBesideThePicture(const Screenshot& shot, const RECT& area) {
  int lit = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      lit += (x >= area.left + kPictureWidth || y >= area.top + kPictureHeight) && shot.At(x, y);
  return lit;
}

// In this process: what the preview paints, tick by tick.
class PreviewWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    Pump(100);
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // from the preview's end
  }
  // The saver module holds the pictures; the tests read them from there.
  HMODULE saver = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  std::array<Picture, 6> pictures = LoadPictures();
};

// A monitor larger than the pictures: they stand at its top left and the rest stays black.
TEST_F(PreviewWindowTest, ShowsTheBackgroundThenRunsToAndFroAtTheTopLeft) {
  MonitorWindow monitor(300, 200);
  PreviewWindow preview(GetModuleHandleA(nullptr), monitor.get(), saver);
  ASSERT_TRUE(preview.Create());
  RECT client{};
  GetClientRect(monitor.get(), &client);
  preview.AttachTo(client);
  Pump(30);  // the first tick comes after 200 ms
  const RECT area = monitor.ClientOnScreen();
  const POINT origin{area.left, area.top};
  Screenshot shot = CaptureScreen();
  EXPECT_EQ(PictureOnScreen(shot, origin, pictures), kBase);
  EXPECT_EQ(LitBesideThePicture(shot, area), 0);

  // Each change of picture, as the timer makes it; the ends stay for two ticks unseen here.
  std::vector<int> changes;
  int16_t shown = preview.PictureShown();
  while (changes.size() < 10) {
    if (!WaitUntil([&] { return preview.PictureShown() != shown; }, 2000)) break;
    shown = preview.PictureShown();
    Pump(30);  // the paint, well before the next tick
    shot = CaptureScreen();
    changes.push_back(PictureOnScreen(shot, origin, pictures));
    EXPECT_EQ(changes.back(), shown);
  }
  EXPECT_EQ(changes, (std::vector<int>{1, 2, 3, 4, 3, 2, 1, 0, 1, 2}));
}

// End to end: the real saver in the monitor of another process.
// HACK: Wine does not show what a window paints into a parent of another process, so the
// pictures are checked in this process above; here only the windows and the process.
TEST(Preview, FillsTheMonitorAndEndsWithIt) {
  MonitorWindow monitor(300, 200);
  SaverProcess preview = SaverProcess::Start("/p " + monitor.HandleText());
  ASSERT_TRUE(preview.started());
  HWND child = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] { return (child = GetWindow(monitor.get(), GW_CHILD)) && IsWindowVisible(child); },
      kStartMs))
      << "no preview window in the monitor";

  DWORD owner = 0;
  GetWindowThreadProcessId(child, &owner);
  EXPECT_EQ(owner, preview.id());
  char caption[64] = {};
  GetWindowTextA(child, caption, sizeof(caption));
  EXPECT_STREQ(caption, "Preview");
  const LONG style = GetWindowLongA(child, GWL_STYLE);
  EXPECT_NE(style & WS_CHILD, 0);
  EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
  RECT box{};
  GetWindowRect(child, &box);
  const RECT client = monitor.ClientOnScreen();
  EXPECT_TRUE(EqualRect(&box, &client))
      << "preview " << box.left << ',' << box.top << ' ' << box.right << ',' << box.bottom;
  Pump(1000);
  EXPECT_TRUE(preview.Running());

  monitor.Close();
  EXPECT_TRUE(preview.WaitForExit(kEndMs)) << "the preview outlived its monitor";
  EXPECT_EQ(preview.ExitCode(), 0u);
}

}  // namespace
}  // namespace sovelin
