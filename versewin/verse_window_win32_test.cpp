// The shaped verse window on real Windows (or Wine): its outline, its place among the windows,
// what it shows on the screen, how it moves, and which input stops the saver.
#include "versewin/verse_window_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "settings/settings_store.h"
#include "tests/saver_driver_win32.h"
#include "tests/scripted_random.h"
#include "versewin/outlines.h"
#include "versewin/picture_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr COLORREF kOwnerColor = RGB(0x20, 0x40, 0x60);
constexpr COLORREF kBoxColor = 0x00336699;
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

// A picture file of the resources folder, decoded.
PicturePixels PictureFile(const std::string& name) {
  std::ifstream file(std::string(SOVELIN_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return DecodePicture(bytes.data(), bytes.size());
}

// The smallest rectangle holding the outline table's points.
RECT OutlineExtremes(int16_t display) {
  RECT extremes{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  for (const OutlinePoint& point : OutlineFor(display))
    extremes = {std::min<LONG>(extremes.left, point.x), std::min<LONG>(extremes.top, point.y),
                std::max<LONG>(extremes.right, point.x), std::max<LONG>(extremes.bottom, point.y)};
  return extremes;
}

RECT WindowBox(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  return box;
}

// Calls visit(x, y, screen pixel) for each window pixel inside the installed outline.
template <typename Visit>
void ForEachOutlinePixel(HWND window, const Screenshot& shot, Visit visit) {
  Region outline(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(window, outline.get());
  const RECT box = WindowBox(window);
  for (int y = 0; y < box.bottom - box.top; ++y) {
    for (int x = 0; x < box.right - box.left; ++x) {
      if (PtInRegion(outline.get(), x, y))
        visit(x, y, shot.pixels.empty() ? 0u : shot.At(box.left + x, box.top + y));
    }
  }
}

// The label's rectangle in window pixels at 15 twips to the pixel.
RECT LabelPixels(const VerseWindowDescriptor& descriptor) {
  const TwipsBox& label = descriptor.lblverse;
  return {label.left / 15, label.top / 15, (label.left + label.width) / 15,
          (label.top + label.height) / 15};
}

// The window's pixels on the screen compared with `color`, inside and outside the label.
struct PixelCount {
  int matchingInLabel = 0;
  int otherInLabel = 0;
  int otherOutsideLabel = 0;
};

PixelCount CountPixels(const Screenshot& shot, HWND window, const RECT& label, COLORREF color) {
  PixelCount count;
  ForEachOutlinePixel(window, shot, [&](int x, int y, uint32_t pixel) {
    const bool matching = AsColorRef(pixel) == color;
    if (!PtInRect(&label, POINT{x, y}))
      count.otherOutsideLabel += !matching;
    else
      (matching ? count.matchingInLabel : count.otherInLabel)++;
  });
  return count;
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
    auto window = MakeWindow(display);
    HWND handle = window->handle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(GetWindow(handle, GW_OWNER), owner.get());
    EXPECT_NE(GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetWindowLongA(handle, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
    Region installed(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(handle, installed.get()), ERROR);
    RECT bounds{};
    GetRgnBox(installed.get(), &bounds);
    long area = 0;
    ForEachOutlinePixel(handle, Screenshot(), [&](int, int, uint32_t) { ++area; });
    EXPECT_GT(area, 0);
    if (display == kBox) {
      EXPECT_EQ(bounds.right, 280);
      EXPECT_EQ(bounds.bottom, 170);
      EXPECT_EQ(area, 273 * 164);
      // The same outline placed on the screen, for the saver's trail repair.
      GetRgnBox(window->OutlineRegionAt(100, 50).get(), &bounds);
      EXPECT_EQ(bounds.left, 107);
      EXPECT_EQ(bounds.top, 56);
      EXPECT_EQ(bounds.right, 380);
      EXPECT_EQ(bounds.bottom, 220);
    }
  }
}

TEST_F(VerseWindowTest, AtTwelveTwipsAPixelTheShrunkWindowKeepsItsSizeAndMovesByNearestPixel) {
  VerseWindow window(ShrinkForLargeFonts(DescriptorFor(kBox)), {12, 12}, kBoxColor);
  ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr), owner.get(), run));
  HWND handle = window.handle();
  EXPECT_EQ(WindowBox(handle).right - WindowBox(handle).left, 288);
  EXPECT_EQ(WindowBox(handle).bottom - WindowBox(handle).top, 170);

  EXPECT_TRUE(window.MoveTo(1206, 1194));  // 100.5 and 99.5 pixels: halves to even
  EXPECT_EQ(WindowBox(handle).left, 100);
  EXPECT_EQ(WindowBox(handle).top, 100);
  EXPECT_TRUE(window.MoveTo(1218, 1206));  // 101.5 and 100.5
  EXPECT_EQ(WindowBox(handle).left, 102);
  EXPECT_EQ(WindowBox(handle).top, 100);

  // Moved away behind its back: a move within the same pixel does not touch the window.
  SetWindowPos(handle, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_FALSE(window.MoveTo(1220, 1205));
  EXPECT_EQ(WindowBox(handle).left, 0);
  EXPECT_EQ(window.Left(), 1220);
  EXPECT_EQ(window.Top(), 1205);
}

TEST_F(VerseWindowTest, TheBoxShowsItsColourInsideTheOutlineAndTheVerseCutAtTheLabel) {
  auto window = MakeWindow(kBox);
  std::string verse;
  for (int i = 0; i < 80; ++i) verse += "everlasting ";
  window->SetText(verse);
  ShowAndSettle(*window);
  const Screenshot shot = CaptureScreen();
  const RECT box = WindowBox(window->handle());
  const auto at = [&](int x, int y) { return AsColorRef(shot.At(box.left + x, box.top + y)); };
  EXPECT_EQ(at(7, 6), kBoxColor);
  EXPECT_EQ(at(279, 169), kBoxColor);
  EXPECT_EQ(at(6, 6), kOwnerColor);
  EXPECT_EQ(at(7, 5), kOwnerColor);
  EXPECT_EQ(at(280, 100), kOwnerColor);

  const RECT label = LabelPixels(DescriptorFor(kBox));
  const PixelCount onBox = CountPixels(shot, window->handle(), label, kBoxColor);
  EXPECT_GT(onBox.otherInLabel, 1000) << "the verse is not drawn";
  EXPECT_EQ(onBox.otherOutsideLabel, 0) << "text runs over the label's rectangle";
  EXPECT_GT(CountPixels(shot, window->handle(), label, RGB(255, 255, 255)).matchingInLabel, 1000)
      << "the verse is not in its white text colour";

  constexpr COLORREF kRed = RGB(255, 0, 0);
  window->SetTextColor(kRed);
  Pump(400);
  EXPECT_GT(CountPixels(CaptureScreen(), window->handle(), label, kRed).matchingInLabel, 1000)
      << "the new text colour does not show";
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
  int different = 0;
  ForEachOutlinePixel(window->handle(), CaptureScreen(), [&](int x, int y, uint32_t pixel) {
    const RECT box = WindowBox(window->handle());
    different += pixel != plain.At(box.left + x, box.top + y);
  });
  EXPECT_EQ(different, 0) << "the padding moved the reference";
}

TEST_F(VerseWindowTest, PictureWindowsShowTheirPictureUnscaledAndClipped) {
  const char* files[] = {"book.png", "bread.png", "paper.png", "pc.png", "scroll.png"};
  for (int display = 0; display < 5; ++display) {
    SCOPED_TRACE(files[display]);
    const PicturePixels picture = PictureFile(files[display]);
    ASSERT_GT(picture.width, 0);
    auto window = MakeWindow(display, {}, GetSysColor(COLOR_BTNFACE));
    window->SetText("");
    ShowAndSettle(*window);
    int compared = 0;
    int different = 0;
    ForEachOutlinePixel(window->handle(), CaptureScreen(), [&](int x, int y, uint32_t pixel) {
      if (x >= picture.width || y >= picture.height) return;
      ++compared;
      different += pixel != (picture.pixels[static_cast<size_t>(y) * picture.width + x] & 0xFFFFFF);
    });
    EXPECT_GT(compared, 10000);
    EXPECT_EQ(different, 0);
  }
}

// At 144 DPI with large fonts (10 twips to the pixel, scale 1.2) the window is 1.2 times its
// design size, and so are its outline and its picture: the region's box is the scaled
// polygon's, and the picture covers all of it (no pixel of the window's own colour shows).
TEST_F(VerseWindowTest, OnAScaledDisplayTheOutlineAndPictureGrowWithTheWindow) {
  constexpr double kScale = 1.2;
  constexpr COLORREF kMagenta = RGB(255, 0, 255);
  for (int display = 0; display < kWindowCount; ++display) {
    SCOPED_TRACE("window " + std::to_string(display));
    const auto design = static_cast<int16_t>(display);
    VerseWindow window(ShrinkForLargeFonts(DescriptorFor(design)), {10, 10}, kMagenta, kScale);
    ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr), owner.get(), run, pictures));
    window.SetText("");
    ShowAndSettle(window);
    Region installed(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window.handle(), installed.get()), ERROR);
    RECT bounds{};
    GetRgnBox(installed.get(), &bounds);
    const RECT polygon = OutlineExtremes(design);
    EXPECT_EQ(bounds.left, std::lround(polygon.left * kScale));
    EXPECT_EQ(bounds.top, std::lround(polygon.top * kScale));
    EXPECT_NEAR(bounds.right, std::lround(polygon.right * kScale), 2);
    EXPECT_NEAR(bounds.bottom, std::lround(polygon.bottom * kScale), 3);
    const RECT box = WindowBox(window.handle());
    EXPECT_LE(bounds.right, box.right - box.left);
    EXPECT_LE(bounds.bottom, box.bottom - box.top);
    if (display >= kBox) continue;  // the box and oval show their colour
    int magenta = 0;
    ForEachOutlinePixel(window.handle(), CaptureScreen(), [&](int, int, uint32_t pixel) {
      magenta += AsColorRef(pixel) == kMagenta;
    });
    EXPECT_EQ(magenta, 0) << "the picture does not cover the outline";
  }
}

TEST_F(VerseWindowTest, AnyKeyOnTheVerseWindowRequestsTheStopButAClickOrCloseDoesNot) {
  auto window = MakeWindow(kBox);
  ShowAndSettle(*window);
  ASSERT_EQ(GetFocus(), window->handle());
  const RECT box = WindowBox(window->handle());
  MoveMouseTo((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  ClickMouse();
  PostMessageA(window->handle(), WM_CLOSE, 0, 0);
  PostMessageA(window->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump(500);
  EXPECT_TRUE(IsWindowVisible(window->handle()));
  EXPECT_FALSE(run.flags.gStopRequested);

  for (WORD key : {WORD{VK_SHIFT}, WORD{VK_MENU}, WORD{'A'}}) {
    SCOPED_TRACE(key);
    window->Show();  // the click may have moved the focus
    run.flags.gStopRequested = false;
    PressKey(key);
    EXPECT_TRUE(WaitUntil([&] { return run.flags.gStopRequested; }, 3000));
  }

  // A protected saver asks for the password at once.
  run.settings.gPWProtected = 1;
  int prompts = 0;
  run.AskPassword = [&] { ++prompts; };
  PressKey(VK_SPACE);
  EXPECT_TRUE(WaitUntil([&] { return prompts == 1; }, 3000));
}

}  // namespace
}  // namespace sovelin
