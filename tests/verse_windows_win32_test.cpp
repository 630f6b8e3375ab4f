// End to end: each DisplayOption shows its own verse window over the running saver, sized
// for the display's DPI, cut to its outline at the window's scale and filled by its picture,
// with the verses of the verse file beside it, changed by the timer. tests/dpi-test runs this
// at several DPIs, naming the one to expect in SOVELIN_EXPECT_DPI.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "geometry/screen_win32.h"
#include "saver/saver_window_win32.h"
#include "saver/verse_file_win32.h"
#include "saver/verse_loader.h"
#include "settings/settings_store.h"
#include "tests/saver_driver_win32.h"
#include "tests/scripted_random.h"
#include "versewin/outlines.h"
#include "versewin/verse_window_kind.h"
#include "versewin/verse_window_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kStartMs = 20000;
constexpr DWORD kEndMs = 10000;
constexpr int kPictureWindows = 5;
// Pixels of the window's own colour that may show inside the outline: the picture's own
// light tones may match it here and there, but a band along an edge is hundreds.
constexpr int kStrayBackPixels = 40;

// Copies the screen with the saver's verse window on it into `shot` and the window's rectangle
// into `box`, up to `tries` times until the window stands still (the same rectangle before and
// after the copy). Returns whether it stood still; on a large screen the copy may never be quick
// enough, and the last one is kept.
bool StillShot(DWORD saverId, int tries, RECT& box, Screenshot& shot) {
  for (int attempt = 0; attempt < tries; ++attempt) {
    box = VerseWindowRect(saverId);
    shot = CaptureScreen();
    const RECT after = VerseWindowRect(saverId);
    if (EqualRect(&box, &after)) return true;
  }
  return false;
}

// The verse window's region is its outline at the window's scale, inside the window, and its
// picture covers all of the outline.
void CheckOutlineAndPicture(DWORD saverId, HWND verse, int16_t used, double scale, SIZE size) {
  Region region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(verse, region.get()), ERROR);
  RECT bounds{}, outline{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  GetRgnBox(region.get(), &bounds);
  for (const OutlinePoint& p : ScaledOutline(used, scale)) {
    outline = {std::min<LONG>(outline.left, p.x), std::min<LONG>(outline.top, p.y),
               std::max<LONG>(outline.right, p.x), std::max<LONG>(outline.bottom, p.y)};
  }
  // The region leaves out the polygon's rightmost and lowest edges, and the scroll's thin
  // spikes at its bottom lose a few rows.
  EXPECT_EQ(bounds.left, outline.left);
  EXPECT_EQ(bounds.top, outline.top);
  EXPECT_NEAR(bounds.right, outline.right, 2);
  EXPECT_NEAR(bounds.bottom, outline.bottom, 3 * scale);
  EXPECT_TRUE(bounds.right <= size.cx && bounds.bottom <= size.cy);
  if (used >= kPictureWindows) return;

  RECT box{};
  Screenshot shot;
  StillShot(saverId, 20, box, shot);
  const COLORREF back = GetSysColor(COLOR_BTNFACE);
  const uint32_t backPixel = (GetRValue(back) << 16) | (GetGValue(back) << 8) | GetBValue(back);
  int inside = 0, backShowing = 0;
  for (int y = bounds.top; y < bounds.bottom; ++y) {
    for (int x = bounds.left; x < bounds.right; ++x) {
      const int sx = box.left + x, sy = box.top + y;
      if (PtInRegion(region.get(), x, y) && sx >= 0 && sy >= 0 && sx < shot.width &&
          sy < shot.height) {
        ++inside;
        backShowing += shot.At(sx, sy) == backPixel;
      }
    }
  }
  EXPECT_GT(inside, 10000);
  EXPECT_LE(backShowing, kStrayBackPixels) << "the picture does not fill the outline";
}

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
  // The window start-up makes on this display: shrunk for large fonts, in its pixels.
  const bool largeFonts = IsLargeFonts();
  const TwipsPerPixel twips = DisplayTwipsPerPixel();
  const VerseWindowDescriptor& design = DescriptorFor(static_cast<int16_t>(used));
  const VerseWindowDescriptor kind = largeFonts ? ShrinkForLargeFonts(design) : design;
  const SIZE size{TwipsToPixel(static_cast<float>(kind.width), twips.x),
                  TwipsToPixel(static_cast<float>(kind.height), twips.y)};
  RECT box;
  GetWindowRect(verse, &box);
  SCOPED_TRACE(option);
  EXPECT_EQ(box.right - box.left, size.cx);
  EXPECT_EQ(box.bottom - box.top, size.cy);
  CheckOutlineAndPicture(saver.id(), verse, static_cast<int16_t>(used),
                         VerseWindowScale(twips, largeFonts), size);
  EXPECT_NE(GetWindowLongA(verse, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(GetWindow(verse, GW_OWNER), main);

  PressKey(VK_SPACE);
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
  return used;
}

class VerseWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* dpi = std::getenv("SOVELIN_EXPECT_DPI");
    ASSERT_TRUE(!dpi || ScreenDpi().y == std::atoi(dpi)) << "the display is not at " << dpi;
    ClearSettings();
    WriteSetting("Background", "9");
    WriteSetting("Speed", "0");  // the slowest drift, so the window is easy to catch still
  }
};

TEST_F(VerseWindows, EachOptionShowsItsOwnWindowTopmostAndOwned) {
  for (const char* option : {"0", "3", "6"}) EXPECT_EQ(CheckVerseWindow(option), std::stoi(option));
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
  for (int color = 0; color < 3; ++color)
    for (const std::string& line : lines) {
      window.SetText(StoredVerse(std::u16string(line.begin(), line.end())));
      window.SetTextColor(kColors[color]);
      Pump(100);
      labels[color].push_back(ReadLabel(CaptureScreen(), POINT{0, 0}));
    }
  return labels;
}

// The line the running saver shows (as `labels` has it), or -1 when none shows in time.
int ShownLine(DWORD saverId, const std::vector<Label>& labels) {
  int found = -1;
  WaitUntil(
      [&] {
        RECT box{};
        Screenshot shot;
        if (!StillShot(saverId, 1, box, shot)) return false;
        const Label shown = ReadLabel(shot, POINT{box.left, box.top});
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

// A verse file in the Windows-1252 code page, with accents and the code page's own letters
// (the euro, curly quotes, the dash, oe), as older verse files are.
constexpr char kCodePageVerse[] =
    "\x93\xC9l dijo: \xABSe\xF1or, \xBF"
    "d\xF3nde est\xE1?\xBB \x96 \xC7"
    "a suffit, na\xEFve "
    "fa\xE7"
    "ade, \x9C"
    "uvre \x80 5, \x91gr\xFC\xDF\x92 und \xC6rger, \xD8re, \xE5r.\x94 "
    "J\xE9r\xE9mie 3:12\r\n";

// The open book with the verse of that file, as this process draws it: the window's pixels
// inside its outline (others black), rows from the top.
Screenshot CodePageVerseWindow() {
  const std::filesystem::path file =
      std::filesystem::path(SaverPath()).parent_path() / "code-page-1252.vrs";
  std::ofstream(file, std::ios::binary) << kCodePageVerse;
  VerseStore verses;
  LoadVerses(verses, file);
  MemorySettingsStore store;
  ScriptedRandom random;
  SaverRun run{store, random};
  HMODULE pictures = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  VerseWindow window(DescriptorFor(0), {}, GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(window.Create(GetModuleHandleA(nullptr), nullptr, run, pictures));
  window.SetText(verses.gVerses[1]);
  window.MoveTo(0, 0);
  window.Show();
  Pump(300);
  RECT box{};
  GetWindowRect(window.handle(), &box);
  Screenshot shot = CaptureScreen(box);
  Region outline(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(window.handle(), outline.get());
  for (int y = 0; y < shot.height; ++y)
    for (int x = 0; x < shot.width; ++x)
      if (!PtInRegion(outline.get(), x, y))
        shot.pixels[static_cast<size_t>(y) * shot.width + x] = 0;
  return shot;
}

// The reference picture: a 32-bit bitmap file of top-down rows.
const std::filesystem::path kReferencePicture =
    SOVELIN_SOURCE_DIR "/tests/reference/code-page-verse.bmp";

void WriteBitmap(const std::filesystem::path& path, const Screenshot& shot) {
  const BITMAPINFO info = TopDownPixels(shot.width, shot.height);
  const DWORD bits = static_cast<DWORD>(shot.pixels.size() * 4);
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof(header) + sizeof(info.bmiHeader);
  header.bfSize = header.bfOffBits + bits;
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(&header), sizeof(header));
  file.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
  file.write(reinterpret_cast<const char*>(shot.pixels.data()), bits);
}

Screenshot ReadBitmap(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  BITMAPFILEHEADER header{};
  BITMAPINFOHEADER info{};
  file.read(reinterpret_cast<char*>(&header), sizeof(header));
  file.read(reinterpret_cast<char*>(&info), sizeof(info));
  Screenshot shot{info.biWidth, -info.biHeight, {}};
  if (!file || shot.width <= 0 || shot.height <= 0) return {};
  shot.pixels.resize(static_cast<size_t>(shot.width) * shot.height);
  file.read(reinterpret_cast<char*>(shot.pixels.data()),
            static_cast<std::streamsize>(shot.pixels.size() * 4));
  return shot;
}

// A verse of a code-page file shows exactly as the build before Unicode verse files drew it.
// SOVELIN_WRITE_REFERENCE=1 writes the picture instead (done once, with that build).
TEST_F(VerseWindows, ACodePageVerseWithAccentsLooksExactlyAsItsReferencePicture) {
  if (GetACP() != 1252) GTEST_SKIP() << "the reference was made on a Western system (1252)";
  const Screenshot shown = CodePageVerseWindow();
  if (std::getenv("SOVELIN_WRITE_REFERENCE")) {
    WriteBitmap(kReferencePicture, shown);
    GTEST_SKIP() << "wrote " << kReferencePicture.string();
  }
  const Screenshot reference = ReadBitmap(kReferencePicture);
  ASSERT_EQ(shown.width, reference.width);
  ASSERT_EQ(shown.height, reference.height);
  size_t differ = 0;
  for (size_t i = 0; i < shown.pixels.size(); ++i) differ += shown.pixels[i] != reference.pixels[i];
  EXPECT_EQ(differ, 0u) << "pixels unlike the reference picture";
}

}  // namespace
}  // namespace sovelin
