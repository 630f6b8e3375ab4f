// The shaped verse window on real Windows (or Wine): its outline, its place among the windows,
// what it shows on the screen, how it moves, and which input stops the saver.
#include "versewin/verse_window_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "common/scripted_random.h"
#include "startup/settings_store.h"
#include "tests/saver_driver_win32.h"
#include "versewin/outlines.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr COLORREF kOwnerColor = RGB(0x20, 0x40, 0x60);
constexpr COLORREF kBoxColor = 0x00336699;
constexpr int kBook = 0;
constexpr int kPC = 3;
constexpr int kBox = 5;
constexpr int kWindowCount = 7;

// A screenshot pixel (0x00RRGGBB) as a Windows colour value (red in the low byte).
COLORREF AsColorRef(uint32_t pixel) {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

// A full-screen window in one plain colour, standing for the saver window.
class OwnerWindow {
 public:
  OwnerWindow() {
    static Brush brush(CreateSolidBrush(kOwnerColor));
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = brush.get();
    windowClass.lpszClassName = "SovelinTestOwner";
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, windowClass.lpszClassName, "owner", WS_POPUP | WS_VISIBLE, 0, 0,
                              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                              nullptr, windowClass.hInstance, nullptr);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
  }
  ~OwnerWindow() { DestroyWindow(window_); }
  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// The pixels of a 24-bit bitmap file as 0x00RRGGBB, top row first.
Screenshot ReadPictureFile(const std::string& name) {
  const std::string path = WindowsPath(std::string(SOVELIN_SOURCE_DIR) + "/resources/" + name);
  Bitmap bitmap(static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  Screenshot picture;
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap.get(), sizeof(info), &info)) return picture;
  picture.width = info.bmWidth;
  picture.height = info.bmHeight;
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof(request.bmiHeader);
  request.bmiHeader.biWidth = picture.width;
  request.bmiHeader.biHeight = -picture.height;
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  WindowDC screen(nullptr);
  GetDIBits(screen.get(), bitmap.get(), 0, picture.height, picture.pixels.data(), &request,
            DIB_RGB_COLORS);
  for (uint32_t& pixel : picture.pixels) pixel &= 0x00FFFFFF;
  return picture;
}

// The area of a polygon by the shoelace formula, and the length of its edges.
struct PolygonMeasure {
  double area = 0;
  double perimeter = 0;
  RECT extremes{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
};

PolygonMeasure Measure(int16_t display) {
  PolygonMeasure measure;
  const auto points = OutlineFor(display);
  double twiceArea = 0;
  for (size_t i = 0; i < points.size(); ++i) {
    const OutlinePoint& a = points[i];
    const OutlinePoint& b = points[(i + 1) % points.size()];
    twiceArea += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
    measure.perimeter += std::hypot(b.x - a.x, b.y - a.y);
    measure.extremes.left = std::min<LONG>(measure.extremes.left, a.x);
    measure.extremes.top = std::min<LONG>(measure.extremes.top, a.y);
    measure.extremes.right = std::max<LONG>(measure.extremes.right, a.x);
    measure.extremes.bottom = std::max<LONG>(measure.extremes.bottom, a.y);
  }
  measure.area = std::abs(twiceArea) / 2;
  return measure;
}

// The number of pixels in a region, from its rectangles.
long RegionArea(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<char> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  GetRegionData(region, size, data);
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  long area = 0;
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    area += (rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
  return area;
}

RECT WindowBox(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  return box;
}

// The label's rectangle in window pixels at 15 twips to the pixel.
RECT LabelPixels(const VerseWindowDescriptor& descriptor) {
  const TwipsBox& label = descriptor.lblverse;
  return {label.left / 15, label.top / 15, (label.left + label.width) / 15,
          (label.top + label.height) / 15};
}

class VerseWindowTest : public ::testing::Test {
 protected:
  void TearDown() override { Pump(100); }

  // The box window in kBoxColor, created and owned by the owner window.
  std::unique_ptr<VerseWindow> MakeWindow(int display, TwipsPerPixel twips = {},
                                          COLORREF back = kBoxColor) {
    auto window =
        std::make_unique<VerseWindow>(DescriptorFor(static_cast<int16_t>(display)), twips, back);
    EXPECT_TRUE(window->Create(GetModuleHandleA(nullptr), owner.get(), run, pictures));
    return window;
  }

  void ShowAndSettle(VerseWindow& window) {
    window.ShowOwned();
    Pump(400);
  }

  MemorySettingsStore store;
  ScriptedRandom random;
  SaverRun run{store, random};
  OwnerWindow owner;
  // The saver module holds the pictures; the tests read them from there.
  HMODULE pictures = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
};

TEST_F(VerseWindowTest, EachWindowIsCutToItsOutlineTopmostAndOwned) {
  for (int display = 0; display < kWindowCount; ++display) {
    SCOPED_TRACE("window " + std::to_string(display));
    const VerseWindowDescriptor& descriptor = DescriptorFor(static_cast<int16_t>(display));
    auto window = MakeWindow(display);
    HWND handle = window->handle();
    ASSERT_NE(handle, nullptr);

    const RECT box = WindowBox(handle);
    EXPECT_EQ(box.right - box.left, descriptor.width / 15);
    EXPECT_EQ(box.bottom - box.top, descriptor.height / 15);
    EXPECT_EQ(GetWindow(handle, GW_OWNER), owner.get());
    EXPECT_NE(GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_NE(GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(GetWindowLongA(handle, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);

    Region installed(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(handle, installed.get()), ERROR);
    RECT bounds{};
    GetRgnBox(installed.get(), &bounds);
    const PolygonMeasure polygon = Measure(static_cast<int16_t>(display));
    // The platform's interior leaves out the rightmost and lowest edges; thin spikes of the
    // scroll may lose their last pixel rows.
    EXPECT_EQ(bounds.left, polygon.extremes.left);
    EXPECT_EQ(bounds.top, polygon.extremes.top);
    EXPECT_NEAR(bounds.right, polygon.extremes.right, 2);
    EXPECT_NEAR(bounds.bottom, polygon.extremes.bottom, 3);
    EXPECT_LE(bounds.right, box.right - box.left);
    EXPECT_LE(bounds.bottom, box.bottom - box.top);
    EXPECT_NEAR(RegionArea(installed.get()), polygon.area, polygon.perimeter / 2);
  }
}

TEST_F(VerseWindowTest, TheBoxOutlineIs273By164PixelsFrom7And6) {
  auto window = MakeWindow(kBox);
  Region installed(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(window->handle(), installed.get());
  RECT bounds{};
  GetRgnBox(installed.get(), &bounds);
  EXPECT_EQ(bounds.left, 7);
  EXPECT_EQ(bounds.top, 6);
  EXPECT_EQ(bounds.right, 280);
  EXPECT_EQ(bounds.bottom, 170);
  EXPECT_EQ(RegionArea(installed.get()), 273 * 164);

  // The same outline placed on the screen, for the saver's trail repair.
  Region placed = window->OutlineRegionAt(100, 50);
  GetRgnBox(placed.get(), &bounds);
  EXPECT_EQ(bounds.left, 107);
  EXPECT_EQ(bounds.top, 56);
  EXPECT_EQ(bounds.right, 380);
  EXPECT_EQ(bounds.bottom, 220);
}

TEST_F(VerseWindowTest, OnALargeFontsDisplayTheShrunkWindowKeepsItsPixelSize) {
  auto shrunk = std::make_unique<VerseWindow>(ShrinkForLargeFonts(DescriptorFor(kBox)),
                                              TwipsPerPixel{12, 12}, kBoxColor);
  ASSERT_TRUE(shrunk->Create(GetModuleHandleA(nullptr), owner.get(), run));
  const RECT box = WindowBox(shrunk->handle());
  EXPECT_EQ(box.right - box.left, 288);
  EXPECT_EQ(box.bottom - box.top, 170);
}

TEST_F(VerseWindowTest, FirstShownCentredOnTheOwnerExceptTheComputer) {
  auto box = MakeWindow(kBox);
  box->ShowOwned();
  const RECT boxPlace = WindowBox(box->handle());
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(boxPlace.left, (screenWidth * 15 - 4320) / 2 / 15);
  EXPECT_EQ(boxPlace.top, (screenHeight * 15 - 2550) / 2 / 15);
  EXPECT_TRUE(IsWindowVisible(box->handle()));
  box.reset();

  auto pc = MakeWindow(kPC);
  pc->ShowOwned();
  const RECT pcPlace = WindowBox(pc->handle());
  EXPECT_EQ(pcPlace.left, 187);
  EXPECT_EQ(pcPlace.top, 117);
  EXPECT_EQ(pc->Left(), 2805);
  EXPECT_EQ(pc->Top(), 1755);
}

TEST_F(VerseWindowTest, MovesToTheNearestPixelHalvesToEvenAndSkipsSamePixelMoves) {
  auto window = MakeWindow(kBox, TwipsPerPixel{12, 12});
  HWND handle = window->handle();
  EXPECT_TRUE(window->MoveTo(1206, 1194));  // 100.5 and 99.5 pixels
  EXPECT_EQ(WindowBox(handle).left, 100);
  EXPECT_EQ(WindowBox(handle).top, 100);
  EXPECT_TRUE(window->MoveTo(1218, 1206));  // 101.5 and 100.5
  EXPECT_EQ(WindowBox(handle).left, 102);
  EXPECT_EQ(WindowBox(handle).top, 100);

  // Moved away behind its back: a move within the same pixel does not touch the window.
  SetWindowPos(handle, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_FALSE(window->MoveTo(1220, 1205));
  EXPECT_EQ(WindowBox(handle).left, 0);
  EXPECT_EQ(window->Left(), 1220);
  EXPECT_EQ(window->Top(), 1205);
  EXPECT_EQ(window->Width(), 4320);
  EXPECT_EQ(window->Height(), 2550);
}

// The window's pixels on the screen compared with `color`, inside and outside the label's
// rectangle; only pixels inside the outline count.
struct PixelCount {
  int matchingInLabel = 0;
  int otherInLabel = 0;
  int otherOutsideLabel = 0;
};

PixelCount CountPixels(const Screenshot& shot, HWND window, const RECT& label, COLORREF color) {
  Region outline(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(window, outline.get());
  const RECT box = WindowBox(window);
  PixelCount count;
  for (int y = 0; y < box.bottom - box.top; ++y) {
    for (int x = 0; x < box.right - box.left; ++x) {
      if (!PtInRegion(outline.get(), x, y)) continue;
      const bool matching = AsColorRef(shot.At(box.left + x, box.top + y)) == color;
      const POINT point{x, y};
      if (!PtInRect(&label, point))
        count.otherOutsideLabel += !matching;
      else
        (matching ? count.matchingInLabel : count.otherInLabel)++;
    }
  }
  return count;
}

TEST_F(VerseWindowTest, TheBoxShowsItsColourInsideTheOutlineAndWhatIsBehindOutside) {
  auto window = MakeWindow(kBox);
  window->SetText("And God said, Let there be light: and there was light.\r\nGenesis 1:3");
  ShowAndSettle(*window);
  const Screenshot shot = CaptureScreen();
  const RECT box = WindowBox(window->handle());
  const auto at = [&](int x, int y) { return AsColorRef(shot.At(box.left + x, box.top + y)); };
  EXPECT_EQ(at(7, 6), kBoxColor);
  EXPECT_EQ(at(279, 169), kBoxColor);
  EXPECT_EQ(at(6, 6), kOwnerColor);
  EXPECT_EQ(at(7, 5), kOwnerColor);
  EXPECT_EQ(at(280, 100), kOwnerColor);
  EXPECT_EQ(at(287, 169), kOwnerColor);

  const RECT label = LabelPixels(DescriptorFor(kBox));
  const PixelCount onBox = CountPixels(shot, window->handle(), label, kBoxColor);
  EXPECT_GT(onBox.otherInLabel, 100) << "the verse is not drawn";
  EXPECT_EQ(onBox.otherOutsideLabel, 0);
  EXPECT_GT(CountPixels(shot, window->handle(), label, RGB(255, 255, 255)).matchingInLabel, 100)
      << "the verse is not in its white text colour";
}

TEST_F(VerseWindowTest, ALongVerseIsCutAtTheLabelsEdgesAndANewColourShows) {
  auto window = MakeWindow(kBox);
  std::string verse;
  for (int i = 0; i < 80; ++i) verse += "everlasting ";
  window->SetText(verse);
  ShowAndSettle(*window);
  const RECT label = LabelPixels(DescriptorFor(kBox));
  const PixelCount text = CountPixels(CaptureScreen(), window->handle(), label, kBoxColor);
  EXPECT_GT(text.otherInLabel, 1000);
  EXPECT_EQ(text.otherOutsideLabel, 0) << "text runs over the label's rectangle";

  constexpr COLORREF kRed = RGB(255, 0, 0);
  window->SetTextColor(kRed);
  Pump(400);
  EXPECT_GT(CountPixels(CaptureScreen(), window->handle(), label, kRed).matchingInLabel, 1000)
      << "the new text colour does not show";
  EXPECT_EQ(window->TextColor(), kRed);
}

TEST_F(VerseWindowTest, TheBlanksThatPadAStoredVerseChangeNothingOnTheScreen) {
  const std::string verse =
      "For God so loved the world, that he gave his only begotten Son, that whosoever "
      "believeth in him should not perish, but have everlasting life.\r\nJohn 3:16";
  auto window = MakeWindow(kBox);
  window->SetText(verse);
  ShowAndSettle(*window);
  const Screenshot plain = CaptureScreen();
  std::string padded = verse;
  padded.resize(252, ' ');
  window->SetText(padded);
  Pump(400);
  EXPECT_EQ(window->Text(), padded);
  const Screenshot shot = CaptureScreen();
  const RECT box = WindowBox(window->handle());
  int different = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) different += plain.At(x, y) != shot.At(x, y);
  }
  EXPECT_EQ(different, 0) << "the padding moved the reference";
}

TEST_F(VerseWindowTest, PictureWindowsShowTheirPictureUnscaledAndClipped) {
  const char* files[] = {"book.bmp", "bread.bmp", "paper.bmp", "pc.bmp", "scroll.bmp"};
  for (int display = 0; display < 5; ++display) {
    SCOPED_TRACE(files[display]);
    const Screenshot picture = ReadPictureFile(files[display]);
    ASSERT_GT(picture.width, 0);
    auto window = MakeWindow(display, {}, GetSysColor(COLOR_BTNFACE));
    window->SetText("");
    ShowAndSettle(*window);
    const Screenshot shot = CaptureScreen();
    const RECT box = WindowBox(window->handle());
    Region outline(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(window->handle(), outline.get());
    int compared = 0;
    int different = 0;
    for (int y = 0; y < box.bottom - box.top; ++y) {
      for (int x = 0; x < box.right - box.left; ++x) {
        if (!PtInRegion(outline.get(), x, y) || x >= picture.width || y >= picture.height) continue;
        ++compared;
        different += shot.At(box.left + x, box.top + y) != picture.At(x, y);
      }
    }
    EXPECT_GT(compared, 10000);
    EXPECT_EQ(different, 0);
    // Outside the outline the owner shows through.
    EXPECT_EQ(AsColorRef(shot.At(box.left + 1, box.top)), kOwnerColor);
  }
}

TEST_F(VerseWindowTest, AnyKeyOnTheVerseWindowRequestsTheStopAndAClickDoesNot) {
  auto window = MakeWindow(kBox);
  ShowAndSettle(*window);
  ASSERT_EQ(GetFocus(), window->handle());

  const RECT box = WindowBox(window->handle());
  MoveMouseTo((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  ClickMouse();
  Pump(500);
  EXPECT_FALSE(run.flags.gStopRequested);

  PostMessageA(window->handle(), WM_CLOSE, 0, 0);
  PostMessageA(window->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump(300);
  EXPECT_TRUE(IsWindowVisible(window->handle()));
  EXPECT_FALSE(run.flags.gStopRequested);

  for (WORD key : {WORD{VK_SHIFT}, WORD{VK_MENU}, WORD{'A'}}) {
    SCOPED_TRACE(key);
    window->Show();  // the click may have moved the focus
    run.flags.gStopRequested = false;
    PressKey(key);
    EXPECT_TRUE(WaitUntil([&] { return run.flags.gStopRequested; }, 3000));
  }
}

TEST_F(VerseWindowTest, AKeyOnAProtectedSaverAsksForThePassword) {
  run.settings.gPWProtected = 1;
  int prompts = 0;
  run.AskPassword = [&] { ++prompts; };
  auto window = MakeWindow(kBox);
  ShowAndSettle(*window);
  PressKey(VK_SPACE);
  EXPECT_TRUE(WaitUntil([&] { return prompts == 1; }, 3000));
  EXPECT_TRUE(run.flags.gStopRequested);
}

TEST_F(VerseWindowTest, HidesAndShowsAgainWithTheKeyboardFocus) {
  auto window = MakeWindow(kBox);
  ShowAndSettle(*window);
  window->MoveTo(1500, 1200);
  window->Hide();
  Pump(100);
  EXPECT_FALSE(IsWindowVisible(window->handle()));
  window->ShowOwned();  // shown again where it was, not at its first placement
  Pump(100);
  EXPECT_TRUE(IsWindowVisible(window->handle()));
  EXPECT_EQ(GetFocus(), window->handle());
  EXPECT_EQ(WindowBox(window->handle()).left, 100);
  EXPECT_EQ(WindowBox(window->handle()).top, 80);
}

}  // namespace
}  // namespace sovelin
