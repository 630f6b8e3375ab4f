// End to end: each DisplayOption shows its own verse window over the running saver.
#include <gtest/gtest.h>

#include <string>

#include "saver/saver_window_win32.h"
#include "tests/saver_driver_win32.h"
#include "versewin/verse_window_kind.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kStartMs = 20000;
constexpr DWORD kEndMs = 10000;

// Starts the saver with `option`, checks that its verse window is the one for the window
// number the saver recorded, and stops it. Returns that number.
int CheckVerseWindow(const char* option) {
  WriteSetting("DisplayOption", option);
  SaverProcess saver = SaverProcess::Start("/s");
  HWND main = WaitForCaption(kSaverCaption, kStartMs, saver.id());
  EXPECT_NE(main, nullptr);
  HWND verse = nullptr;
  WaitUntil([&] { return (verse = FindVerseWindow(saver.id())) != nullptr; }, kStartMs);
  if (!main || !verse) {
    ADD_FAILURE() << "no verse window for option " << option;
    return -1;
  }
  const int used = std::stoi(ReadSetting("LastDisplayUsed").value_or("-1"));
  const VerseWindowDescriptor& kind = DescriptorFor(static_cast<int16_t>(used));
  RECT box;
  GetWindowRect(verse, &box);
  EXPECT_EQ(box.right - box.left, kind.width / 15) << option;
  EXPECT_EQ(box.bottom - box.top, kind.height / 15) << option;
  EXPECT_NE(GetWindowLongA(verse, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << option;
  EXPECT_EQ(GetWindow(verse, GW_OWNER), main) << option;

  PressKey(VK_SPACE);
  EXPECT_TRUE(saver.WaitForExit(kEndMs)) << option;
  return used;
}

class VerseWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    WriteSetting("Background", "9");
  }
};

TEST_F(VerseWindows, EachOptionShowsItsOwnWindowTopmostAndOwned) {
  for (const char* option : {"0", "1", "2", "3", "4", "5", "6"}) {
    EXPECT_EQ(CheckVerseWindow(option), std::stoi(option));
  }
}

TEST_F(VerseWindows, TheRandomOptionNeverRepeatsThePreviousWindow) {
  int previous = CheckVerseWindow("7");
  for (int run = 0; run < 4; ++run) {
    const int used = CheckVerseWindow("7");
    EXPECT_GE(used, 0);
    EXPECT_LE(used, 6);
    EXPECT_NE(used, previous);
    if (previous == 5 || previous == 6) {
      EXPECT_LE(used, 4);
    }
    previous = used;
  }
}

}  // namespace
}  // namespace sovelin
