// End to end: each DisplayOption shows its own verse window over the running saver, with the
// verses of the verse file beside it, changed by the timer.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "saver/saver_window_win32.h"
#include "saver/verse_loader.h"
#include "settings/settings_store.h"
#include "tests/saver_driver_win32.h"
#include "tests/scripted_random.h"
#include "versewin/verse_window_kind.h"
#include "versewin/verse_window_win32.h"

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
  for (const char* option : {"0", "3", "6"}) {
    EXPECT_EQ(CheckVerseWindow(option), std::stoi(option));
  }
}

TEST_F(VerseWindows, TheRandomOptionNeverRepeatsThePreviousWindow) {
  const int previous = CheckVerseWindow("7");
  const int used = CheckVerseWindow("7");
  EXPECT_TRUE(used >= 0 && used <= 6 && used != previous) << previous << " then " << used;
}

constexpr int16_t kBox = 5;
constexpr COLORREF kBoxColor = 0x00336699;

// The pixels of the box window's verse label at `origin` on the screen.
using Label = std::vector<uint32_t>;

Label ReadLabel(const Screenshot& shot, POINT origin) {
  const TwipsBox& label = DescriptorFor(kBox).lblverse;
  Label pixels;
  for (int y = label.top / 15; y < (label.top + label.height) / 15; ++y)
    for (int x = label.left / 15; x < (label.left + label.width) / 15; ++x)
      pixels.push_back(shot.At(origin.x + x, origin.y + y));
  return pixels;
}

// The box's text colours: white, cyan, yellow, white, then again.
constexpr COLORREF kColors[] = {0x00FFFFFF, 0x00FFFF00, 0x0000FFFF, 0x00FFFFFF};

// The label as a box window of this process shows each line in each colour of the cycle.
std::vector<std::vector<Label>> ExpectedLabels(const std::vector<std::string>& lines) {
  MemorySettingsStore store;
  ScriptedRandom random;
  SaverRun run{store, random};
  VerseWindow window(DescriptorFor(kBox), {}, kBoxColor);
  EXPECT_TRUE(window.Create(GetModuleHandleA(nullptr), nullptr, run));
  window.MoveTo(0, 0);
  window.Show();
  std::vector<std::vector<Label>> labels(3);
  for (int color = 0; color < 3; ++color) {
    for (const std::string& line : lines) {
      window.SetText(StoredVerse(line));
      window.SetTextColor(kColors[color]);
      Pump(100);
      labels[color].push_back(ReadLabel(CaptureScreen(), POINT{0, 0}));
    }
  }
  return labels;
}

// The line the running saver shows (as `labels` has it), or -1 when none shows in time.
int ShownLine(DWORD saverId, const std::vector<Label>& labels) {
  int found = -1;
  WaitUntil(
      [&] {
        const RECT before = VerseWindowRect(saverId);
        const Screenshot shot = CaptureScreen();
        const RECT after = VerseWindowRect(saverId);
        if (!EqualRect(&before, &after)) return false;  // it moved during the shot
        const Label shown = ReadLabel(shot, POINT{before.left, before.top});
        for (size_t line = 0; line < labels.size(); ++line)
          if (shown == labels[line]) found = static_cast<int>(line);
        return found >= 0;
      },
      kStartMs);
  return found;
}

TEST_F(VerseWindows, ShowsAVerseOfItsOwnFolderAndTheTimerChangesTextAndColour) {
  const std::vector<std::string> lines = {"Jesus wept. John 11:35", "God is love. 1 John 4:8",
                                          "Pray without ceasing. 1 Thess. 5:17",
                                          "Rejoice evermore. 1 Thess. 5:16"};
  const std::vector<std::vector<Label>> labels = ExpectedLabels(lines);
  WriteSetting("DisplayOption", "5");
  WriteSetting("RectangleColor", std::to_string(kBoxColor));
  WriteSetting("Speed", "0");
  WriteSetting("Frequency", "0");  // the shortest change period, 30 s
  const std::string copy = SaverCopyFor("four-verses");
  std::string file;
  for (const std::string& line : lines) file += line + "\r\n";
  WriteVerseFile(copy, file);
  SaverProcess saver = SaverProcess::Start("/s", copy);
  HWND main = WaitForCaption(kSaverCaption, kStartMs, saver.id());
  ASSERT_NE(main, nullptr);
  const int first = ShownLine(saver.id(), labels[0]);
  ASSERT_GE(first, 0) << "the verse window shows no verse of its file in white";
  // The timer ticks every 2 s and the shortest change period is 30 s: its 15 ticks are sent at
  // once. The verse is drawn at random, so it may take a few changes until another shows.
  int shown = first;
  for (int change = 1; change <= 8 && shown == first; ++change) {
    for (int tick = 0; tick < 15; ++tick) PostMessageA(main, WM_TIMER, 1, 0);
    const int color = change % 4 == 3 ? 0 : change % 4;  // the fourth colour is white again
    shown = ShownLine(saver.id(), labels[color]);
    ASSERT_GE(shown, 0) << "no verse in the colour of change " << change;
  }
  EXPECT_NE(shown, first);
  PressKey(VK_SPACE);
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
}

}  // namespace
}  // namespace sovelin
