// The shaped verse window on real Windows (or Wine): its outline, what it shows on the screen,
// how it moves, and which input stops the saver. tests/verse_windows_win32_test.cpp checks
// its place among the saver's windows end to end.
#include "versewin/verse_window_win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "settings/settings_store.h"
#include "tests/saver_driver_win32.h"
#include "tests/scripted_random.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr COLORREF kOwnerColor = RGB(0x20, 0x40, 0x60);
constexpr COLORREF kBoxColor = 0x00336699;
constexpr int kBox = 5;

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

// The number of window pixels inside the installed outline for which pick(x, y, colour on the
// screen) holds.
template <typename Pick>
int CountOutlinePixels(HWND window, const Screenshot& shot, Pick pick) {
  Region outline(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(window, outline.get());
  const RECT box = WindowBox(window);
  int count = 0;
  for (int y = 0; y < box.bottom - box.top; ++y)
    for (int x = 0; x < box.right - box.left; ++x)
      count += PtInRegion(outline.get(), x, y) &&
               pick(x, y, SwapRedBlue(shot.At(box.left + x, box.top + y)));
  return count;
}

class VerseWindowTest : public ::testing::Test {
 protected:
  void TearDown() override { Pump(100); }

  // A verse window in kBoxColor, created and owned by the owner window, the box unless told.
  std::unique_ptr<VerseWindow> MakeWindow(const VerseWindowDescriptor& kind = DescriptorFor(kBox),
                                          TwipsPerPixel twips = {}) {
    auto window = std::make_unique<VerseWindow>(kind, twips, kBoxColor);
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

TEST_F(VerseWindowTest, AtTwelveTwipsAPixelTheShrunkWindowKeepsItsSizeAndMovesByNearestPixel) {
  auto window = MakeWindow(ScaledDescriptor(DescriptorFor(kBox), kLargeFontsFactor), {12, 12});
  const auto box = [&] { return WindowBox(window->handle()); };
  EXPECT_EQ(std::pair(box().right - box().left, box().bottom - box().top), std::pair(288L, 170L));
  EXPECT_TRUE(window->MoveTo(1206, 1194));  // 100.5 and 99.5 pixels: halves to even
  EXPECT_EQ(box().left * 1000 + box().top, 100100);
  EXPECT_TRUE(window->MoveTo(1218, 1206));  // 101.5 and 100.5
  EXPECT_EQ(box().left * 1000 + box().top, 102100);
  // Moved away behind its back: a move within the same pixel does not touch the window.
  SetWindowPos(window->handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_FALSE(window->MoveTo(1220, 1205));
  EXPECT_EQ(box().left, 0);
  EXPECT_EQ(window->Left() * 10000 + window->Top(), 12201205);
}

TEST_F(VerseWindowTest, TheBoxShowsItsColourInsideTheOutlineAndTheVerseCutAtTheLabel) {
  auto window = MakeWindow();
  std::u16string verse;  // far more than the label holds
  for (int i = 0; i < 80; ++i) verse += u"everlasting ";
  window->SetText(verse);
  ShowAndSettle(*window);
  const Screenshot shot = CaptureScreen();
  const RECT box = WindowBox(window->handle());
  const auto at = [&](int x, int y) { return SwapRedBlue(shot.At(box.left + x, box.top + y)); };
  EXPECT_EQ(std::vector({at(7, 6), at(279, 169), at(6, 6), at(7, 5), at(280, 100)}),
            std::vector({kBoxColor, kBoxColor, kOwnerColor, kOwnerColor, kOwnerColor}));
  // The same outline placed on the screen, for the saver's trail repair.
  RECT bounds{};
  const RECT placed{107, 56, 380, 220};
  GetRgnBox(window->OutlineRegionAt(100, 50).get(), &bounds);
  EXPECT_TRUE(EqualRect(&bounds, &placed));

  // The label's rectangle in window pixels, at 15 twips to the pixel.
  const TwipsBox& twips = DescriptorFor(kBox).lblverse;
  const RECT label{twips.left / 15, twips.top / 15, (twips.left + twips.width) / 15,
                   (twips.top + twips.height) / 15};
  const auto inLabel = [&](int x, int y) { return PtInRect(&label, POINT{x, y}) != FALSE; };
  const auto inLabelIn = [&](const Screenshot& screen, COLORREF color) {
    return CountOutlinePixels(window->handle(), screen, [&](int x, int y, COLORREF pixel) {
      return inLabel(x, y) && pixel == color;
    });
  };
  EXPECT_EQ(CountOutlinePixels(
                window->handle(), shot,
                [&](int x, int y, COLORREF pixel) { return !inLabel(x, y) && pixel != kBoxColor; }),
            0)
      << "text runs over the label's rectangle";
  EXPECT_GT(inLabelIn(shot, RGB(255, 255, 255)), 1000) << "the verse is not drawn in white";
  constexpr COLORREF kRed = RGB(255, 0, 0);
  window->SetTextColor(kRed);
  Pump(400);
  EXPECT_GT(inLabelIn(CaptureScreen(), kRed), 1000) << "the new text colour does not show";
}

TEST_F(VerseWindowTest, AnyKeyOnTheVerseWindowRequestsTheStopButAClickOrCloseDoesNot) {
  auto window = MakeWindow();
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

  // A protected saver asks for the password at once (the last key).
  int prompts = 0;
  run.AskPassword = [&] { ++prompts; };
  for (WORD key : {WORD{VK_SHIFT}, WORD{VK_MENU}, WORD{'A'}, WORD{VK_SPACE}}) {
    SCOPED_TRACE(key);
    window->Show();  // the click may have moved the focus
    run.flags.gStopRequested = false;
    run.settings.gPWProtected = key == VK_SPACE;
    PressKey(key);
    EXPECT_TRUE(
        WaitUntil([&] { return key == VK_SPACE ? prompts == 1 : run.flags.gStopRequested; }, 3000));
  }
}

}  // namespace
}  // namespace sovelin
