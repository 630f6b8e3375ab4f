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
#include <string>
#include <vector>

#include "common/unicode_text.h"
#include "geometry/screen_win32.h"
#include "saver/saver_window_win32.h"
#include "settings/settings_store.h"
#include "tests/saver_driver_win32.h"
#include "tests/scripted_random.h"
#include "tests/utf16_bytes.h"
#include "verses/daily_verse.h"
#include "verses/verse_file_win32.h"
#include "verses/verse_loader.h"
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
  SCOPED_TRACE("scale " + std::to_string(scale));
  Region region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(verse, region.get()), ERROR);
  RECT bounds{}, outline{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  GetRgnBox(region.get(), &bounds);
  for (const OutlinePoint& p : ScaledOutline(used, scale))
    outline = {std::min<LONG>(outline.left, p.x), std::min<LONG>(outline.top, p.y),
               std::max<LONG>(outline.right, p.x), std::max<LONG>(outline.bottom, p.y)};
  // The region leaves out the polygon's rightmost and lowest edges, and the scroll's thin
  // spikes at its bottom lose a few rows.
  EXPECT_EQ(std::pair(bounds.left, bounds.top), std::pair(outline.left, outline.top));
  EXPECT_NEAR(bounds.right, outline.right, 2);
  EXPECT_NEAR(bounds.bottom, outline.bottom, 3 * scale);
  EXPECT_TRUE(bounds.right <= size.cx && bounds.bottom <= size.cy);
  if (used >= kPictureWindows) return;

  RECT box{};
  Screenshot shot;
  StillShot(saverId, 20, box, shot);
  const uint32_t backPixel = SwapRedBlue(GetSysColor(COLOR_BTNFACE));
  int inside = 0, backShowing = 0;
  for (int y = bounds.top, sy = box.top + y; y < bounds.bottom; ++y, ++sy)
    for (int x = bounds.left, sx = box.left + x; x < bounds.right; ++x, ++sx)
      if (PtInRegion(region.get(), x, y) && sx >= 0 && sy >= 0 && sx < shot.width &&
          sy < shot.height)
        ++inside, backShowing += shot.At(sx, sy) == backPixel;
  EXPECT_GT(inside, 10000);
  EXPECT_LE(backShowing, kStrayBackPixels * scale * scale)
      << "the picture does not fill the outline";
}

// Starts the saver with `option`, checks that its verse window is the one for the window
// number the saver recorded, at `percent` of its size, and stops it. Returns that number.
int CheckVerseWindow(const char* option, int percent = 100) {
  WriteSetting("DisplayOption", option);
  SaverProcess saver = SaverProcess::Start("/s");
  HWND main = WaitForCaption(kSaverCaption, kStartMs, saver.id()), verse = nullptr;
  if (!main ||
      !WaitUntil([&] { return (verse = FindVerseWindow(saver.id())) != nullptr; }, kStartMs)) {
    ADD_FAILURE() << "no verse window for option " << option;
    return -1;
  }
  SCOPED_TRACE(option);
  const int used = std::stoi(ReadSetting("LastDisplayUsed").value_or("-1"));
  // The window start-up makes on this display: grown by the verse size and shrunk for large
  // fonts, in its pixels.
  const bool largeFonts = IsLargeFonts();
  const TwipsPerPixel twips = DisplayTwipsPerPixel();
  const VerseWindowDescriptor kind = ScaledDescriptor(DescriptorFor(static_cast<int16_t>(used)),
                                                      (largeFonts ? 0.8 : 1.0) * percent / 100);
  const SIZE size{TwipsToPixel(static_cast<float>(kind.width), twips.x),
                  TwipsToPixel(static_cast<float>(kind.height), twips.y)};
  const RECT box = WindowBox(verse);
  EXPECT_EQ(std::pair(box.right - box.left, box.bottom - box.top), std::pair(size.cx, size.cy));
  CheckOutlineAndPicture(saver.id(), verse, static_cast<int16_t>(used),
                         VerseWindowScale(twips, largeFonts, percent), size);
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

// The largest verse size up to `asked` at which a window of `width` x `height` pixels at 100 %
// leaves a sixth of the screen free and its picture needs enlarging no more than three times
// (the pictures are drawn at three times).
int FittingPercent(int asked, int width, int height) {
  const double display = VerseWindowScale(DisplayTwipsPerPixel(), IsLargeFonts());
  int percent = 100;
  for (const int size : {150, 200, 300})
    if (const double scale = display * size / 100;
        size <= asked && scale <= 3 && width * scale * 6 <= GetSystemMetrics(SM_CXSCREEN) * 5 &&
        height * scale * 6 <= GetSystemMetrics(SM_CYSCREEN) * 5)
      percent = size;
  return percent;
}

// Twice the size: the book's region is its outline scaled by two (by 2.4 at 144 DPI) and its
// picture fills it; at 192 DPI twice the size would need the pictures enlarged beyond three
// times (3.43), so it falls back to 150 %. The computer at 300 % (1299 x 1116 pixels at 96 DPI)
// is larger than many screens: 200 % on 1280 x 1024, 150 % on 1024 x 768. tests/dpi-test runs
// this at several DPIs.
TEST_F(VerseWindows, AtTwiceOrThreeTimesTheSizeAWindowGrowsOrFallsBackToTheLargestThatFits) {
  SCOPED_TRACE(std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " x " +
               std::to_string(GetSystemMetrics(SM_CYSCREEN)));
  WriteSetting("VerseSize", "200");
  EXPECT_EQ(CheckVerseWindow("0", FittingPercent(200, 291, 195)), 0);
  WriteSetting("VerseSize", "300");
  EXPECT_EQ(CheckVerseWindow("3", FittingPercent(300, 433, 372)), 3);
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

// A verse window of this process, standing where the saver's would, for drawing verses: the
// box unless told, with the saver module's pictures when given them.
struct LocalBox {
  explicit LocalBox(int16_t display = kBox, COLORREF back = kBoxColor, HMODULE pictures = nullptr)
      : window{DescriptorFor(display), {}, back} {
    EXPECT_TRUE(window.Create(GetModuleHandleA(nullptr), nullptr, run, pictures));
    window.MoveTo(0, 0);
    window.Show();
  }
  // The label's pixels with the stored verse of `line` in `color`.
  Label Draw(std::u16string_view line, COLORREF color, VerseMarks marks = VerseMarks::kCodePage) {
    window.SetText(StoredVerse(line, marks));
    window.SetTextColor(color);
    Pump(100);
    return ReadLabel(CaptureScreen(), POINT{0, 0});
  }

  MemorySettingsStore store;
  ScriptedRandom random;
  SaverRun run{store, random};
  VerseWindow window;
};

// The label as a box window of this process shows each line in each colour of the cycle.
std::vector<std::vector<Label>> ExpectedLabels(const std::vector<std::u16string>& lines,
                                               VerseMarks marks = VerseMarks::kCodePage) {
  LocalBox box;
  std::vector<std::vector<Label>> labels(3);
  for (int color = 0; color < 3; ++color)
    for (const std::u16string& line : lines)
      labels[color].push_back(box.Draw(line, kColors[color], marks));
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

// The line of `labels` that a saver started from `copy` shows (-1 for none); it is then stopped.
int LineShownBy(const std::filesystem::path& copy, const std::vector<Label>& labels) {
  SaverProcess saver = SaverProcess::Start("/s", copy);
  EXPECT_NE(WaitForCaption(kSaverCaption, kStartMs, saver.id()), nullptr);
  const int shown = ShownLine(saver.id(), labels);
  PressKey(VK_SPACE);
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
  return shown;
}

const std::vector<std::u16string> kFourVerses = {
    u"Jesus wept. John 11:35", u"God is love. 1 John 4:8", u"Pray without ceasing. 1 Thess. 5:17",
    u"Rejoice evermore. 1 Thess. 5:16"};

// A copy of the saver set to show its verses in the box, with kFourVerses beside it.
std::filesystem::path BoxSaver(const std::wstring& caseName) {
  WriteSetting("DisplayOption", "5");
  WriteSetting("RectangleColor", std::to_string(kBoxColor));
  const std::filesystem::path copy = SaverCopyFor(caseName);
  std::string file;
  for (const std::u16string& line : kFourVerses) file += EncodeUtf8(line) + "\r\n";
  WriteVerseFile(copy, file);
  return copy;
}

TEST_F(VerseWindows, ShowsAVerseOfItsOwnFolderAndTheTimerChangesTextAndColour) {
  const std::vector<std::vector<Label>> labels = ExpectedLabels(kFourVerses);
  WriteSetting("Frequency", "0");  // the shortest change period, 30 s
  const std::filesystem::path copy = BoxSaver(L"four-verses");
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

const std::u16string kRussian =
    u"Ибо так возлюбил Бог мир, что отдал Сына Своего Единородного, дабы всякий верующий в "
    u"Него, не погиб, но имел жизнь вечную. Иоанна 3:16";
const std::u16string kChinese =
    u"神爱世人，甚至将他的独生子赐给他们，叫一切信他的，不至灭亡，反得永生。 约翰福音 3:16";
const std::u16string kHebrew = u"כי כן אהב אלהים את העולם עד אשר נתן את בנו את יחידו׃ יוחנן 3:16";

// A saver unpacked into a folder whose name the system's code page cannot spell finds its verse
// file there, in UTF-8 or UTF-16, and shows its verse as this process draws it.
TEST_F(VerseWindows, ASaverInACyrillicFolderShowsARussianUtf8AndAChineseUtf16Verse) {
  const std::filesystem::path copy = BoxSaver(L"Стихи");
  // Each with its byte-order mark: UTF-8, or UTF-16 little-endian.
  for (const auto& [file, line] :
       {std::pair{"\xEF\xBB\xBF" + EncodeUtf8(kRussian + u"\r\n"), kRussian},
        std::pair{"\xFF\xFE" + Utf16Bytes(kChinese + u"\r\n", false), kChinese}}) {
    WriteVerseFile(copy, file);
    EXPECT_EQ(LineShownBy(copy, {ExpectedLabels({line}, VerseMarks::kUnicode)[0][0]}), 0)
        << "the saver does not show its verse " << EncodeUtf8(line);
  }
}

// With one verse a day, two starts on the same day show the same verse: of four verses, which
// go round in file order, the one of today's day number modulo 4.
TEST_F(VerseWindows, WithOneVerseADayTwoStartsShowTheDaysVerse) {
  const std::vector<Label> white = ExpectedLabels(kFourVerses)[0];
  WriteSetting("SameVerseAllDay", "1");
  const std::filesystem::path copy = BoxSaver(L"verse-of-the-day");
  SYSTEMTIME today{};
  GetLocalTime(&today);
  const int expected = static_cast<int>(DayNumber({today.wYear, today.wMonth, today.wDay}) % 4);
  for (int start = 1; start <= 2; ++start)
    EXPECT_EQ(LineShownBy(copy, white), expected) << "start " << start;
}

// The rows of a label that hold text pixels, as bands of touching rows: each with its
// leftmost and rightmost text pixel.
struct Band {
  int left, right;
};

std::vector<Band> TextBands(const Label& pixels, uint32_t text) {
  const TwipsBox& label = DescriptorFor(kBox).lblverse;
  const int width = label.width / 15, height = label.height / 15;
  std::vector<Band> bands;
  for (int y = 0, last = -2; y < height; ++y) {
    int left = width, right = -1;
    for (int x = 0; x < width; ++x)
      if (pixels[static_cast<size_t>(y) * width + x] == text) left = std::min(left, x), right = x;
    if (right < 0) continue;
    if (last != y - 1) bands.push_back({left, right});
    bands.back() = {std::min(bands.back().left, left), std::max(bands.back().right, right)};
    last = y;
  }
  return bands;
}

// Letters the label's font lacks come from a font that has them; Chinese fills its lines and
// wraps between characters within the label; Hebrew is right-aligned, a Russian verse left.
TEST_F(VerseWindows, UnicodeVersesFindTheirLettersAndWrapAndAlignInsideTheLabel) {
  LocalBox box;
  const int width = DescriptorFor(kBox).lblverse.width / 15;
  const auto draw = [&](const std::u16string& line) {
    const Label label = box.Draw(line, kColors[0], VerseMarks::kUnicode);
    EXPECT_TRUE(box.window.Label().EveryLetterFound());
    const std::vector<uint32_t> window = CaptureScreen(WindowBox(box.window.handle())).pixels;
    EXPECT_EQ(std::count(window.begin(), window.end(), kColors[0]),
              std::count(label.begin(), label.end(), kColors[0]))
        << "text outside the label";
    return TextBands(label, kColors[0]);
  };
  const std::vector<Band> russian = draw(kRussian);
  ASSERT_GE(russian.size(), 3u);
  EXPECT_LE(russian.back().left, 2) << "the reference starts at the left";
  EXPECT_FALSE(box.window.Label().RightToLeft());

  const std::vector<Band> chinese = draw(kChinese);
  ASSERT_GE(chinese.size(), 3u) << "the Chinese verse is not wrapped";
  // Within two characters of the edge: a comma never starts a line, so it may take the
  // character before it along.
  EXPECT_GE(chinese[0].right, width - 30) << "its first line does not reach the label's edge";
  EXPECT_LT(chinese[0].right, width);

  const std::vector<Band> hebrew = draw(kHebrew);
  ASSERT_GE(hebrew.size(), 2u);
  EXPECT_TRUE(box.window.Label().RightToLeft());
  for (const Band& line : hebrew) EXPECT_GE(line.right, width - 3) << "a line not at the right";
  EXPECT_GT(hebrew.back().left, width / 2) << "the reference is not right-aligned";
}

// A verse file in the Windows-1252 code page, with accents and the code page's own letters
// (the euro, curly quotes, the dash, oe), as older verse files are.
// clang-format off
constexpr char kCodePageVerse[] =
    "\x93\xC9l dijo: \xABSe\xF1or, \xBF" "d\xF3nde est\xE1?\xBB \x96 \xC7" "a suffit, na\xEFve "
    "fa\xE7" "ade, \x9C" "uvre \x80 5, \x91gr\xFC\xDF\x92 und \xC6rger, \xD8re, \xE5r.\x94 "
    "J\xE9r\xE9mie 3:12\r\n";
// clang-format on

// The open book with the verse of that file, as this process draws it: the window's pixels
// inside its outline (others black), rows from the top.
Screenshot CodePageVerseWindow() {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "sovelin-code-page-1252.vrs";
  std::ofstream(file, std::ios::binary) << kCodePageVerse;
  VerseStore verses;
  LoadVerses(verses, file);
  std::filesystem::remove(file);  // not a list for the settings dialog to offer
  LocalBox book(0, GetSysColor(COLOR_BTNFACE),
                LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  book.window.SetText(verses.gVerses[1]);
  Pump(300);
  Screenshot shot = CaptureScreen(WindowBox(book.window.handle()));
  Region outline(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(book.window.handle(), outline.get());
  for (int y = 0; y < shot.height; ++y)
    for (int x = 0; x < shot.width; ++x)
      if (!PtInRegion(outline.get(), x, y))
        shot.pixels[static_cast<size_t>(y) * shot.width + x] = 0;
  return shot;
}

// The reference picture, drawn by the build before Unicode verse files (8c18ea9) with this
// test's drawing: a 32-bit bitmap file of top-down rows.
const std::filesystem::path kReferencePicture =
    SOVELIN_SOURCE_DIR "/tests/reference/code-page-verse.bmp";

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
TEST_F(VerseWindows, ACodePageVerseWithAccentsLooksExactlyAsItsReferencePicture) {
  if (GetACP() != 1252) GTEST_SKIP() << "the reference was made on a Western system (1252)";
  const Screenshot shown = CodePageVerseWindow();
  const Screenshot reference = ReadBitmap(kReferencePicture);
  ASSERT_EQ(shown.width, reference.width);
  ASSERT_EQ(shown.height, reference.height);
  size_t differ = 0;
  for (size_t i = 0; i < shown.pixels.size(); ++i) differ += shown.pixels[i] != reference.pixels[i];
  EXPECT_EQ(differ, 0u) << "pixels unlike the reference picture";
}

}  // namespace
}  // namespace sovelin
