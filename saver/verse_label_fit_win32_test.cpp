// A verse in a face of the user's choosing stays inside its label: smaller when it must, and
// cut at a word with an ellipsis below 60 % of the font's height, the reference always whole.
#include "versewin/verse_label_win32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "common/numbers.h"
#include "geometry/screen_geometry.h"
#include "verses/verse_file_win32.h"
#include "versewin/verse_window_kind.h"

namespace sovelin {
namespace {

constexpr int kWindowCount = 7;
const wchar_t* const kWideFace = L"DejaVu Serif";  // a wide face, drawn bold

// The label's font height in pixels: its points at the DPI, as the verse window makes it.
int LabelHeight(const VerseWindowDescriptor& window, int dpi) {
  return MulDiv(static_cast<int>(RoundHalfEven(window.font.points * 100.0)), dpi, 7200);
}

Font BoldSerif(int height) {
  return Font(CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, kWideFace));
}

RECT LabelArea(const VerseWindowDescriptor& window, int dpi) {
  const TwipsPerPixel twips = TwipsPerPixelAt(dpi, dpi);
  const TwipsBox& label = window.lblverse;
  return {0, 0, TwipsToPixel(static_cast<float>(label.width), twips.x),
          TwipsToPixel(static_cast<float>(label.height), twips.y)};
}

// The verse's last line, its reference, with the line break before it.
std::u16string ReferenceOf(const std::u16string& verse) {
  size_t at = verse.find_last_of(u"\r\n");
  while (at > 0 && (verse[at - 1] == u'\r' || verse[at - 1] == u'\n')) --at;
  return verse.substr(at);
}

// Draws the verse in the label at `dpi` and checks that what was drawn, measured anew in a
// font of the fitted height, stays inside the label and ends with the whole reference.
VerseFit ExpectFitsInside(const std::u16string& verse, const VerseWindowDescriptor& window,
                          int dpi) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  const RECT area = LabelArea(window, dpi);
  Bitmap surface(CreateCompatibleBitmap(screen, area.right, area.bottom));
  const HGDIOBJ old = SelectObject(dc, surface.get());
  const Font font = BoldSerif(LabelHeight(window, dpi));
  VerseLabel label;
  label.SetText(verse);
  label.Draw(dc, font.get(), area);
  const VerseFit fit = label.Fit();
  const Font fitted = BoldSerif(fit.height);
  SelectObject(dc, fitted.get());
  RECT box{0, 0, area.right, 0};
  DrawTextW(dc, reinterpret_cast<const wchar_t*>(label.Shown().c_str()),
            static_cast<int>(label.Shown().size()), &box,
            DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  EXPECT_LE(box.right, area.right) << "too wide at " << dpi << " DPI";
  EXPECT_LE(box.bottom, area.bottom) << "too high at " << dpi << " DPI";
  EXPECT_TRUE(label.Shown().ends_with(ReferenceOf(verse))) << "the reference is not whole";
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return fit;
}

TEST(VerseLabelFit, TheLongestShippedVerseInABoldSerifStaysInsideEveryLabel) {
  VerseStore store;
  LoadVerses(store, std::filesystem::path(SOVELIN_SOURCE_DIR "/resources") / "sovel.vrs");
  ASSERT_GE(store.gVerseCount, 365);
  std::u16string longest;
  for (int32_t n = 1; n <= store.gVerseCount; ++n) {
    std::u16string verse = store.gVerses[n];
    verse.erase(verse.find_last_not_of(u' ') + 1);
    if (verse.size() > longest.size()) longest = verse;
  }
  for (const int dpi : {96, 144}) {
    for (int display = 0; display < kWindowCount; ++display) {
      SCOPED_TRACE(testing::Message() << "window " << display << " at " << dpi << " DPI");
      const VerseWindowDescriptor window =
          ScaledDescriptor(DescriptorFor(static_cast<int16_t>(display)), dpi > 96 ? 0.8 : 1.0);
      const VerseFit fit = ExpectFitsInside(longest, window, dpi);
      EXPECT_GE(fit.height, (3 * LabelHeight(window, dpi) + 4) / 5);
    }
  }
}

// 600 words cannot fit any label: the text ends in an ellipsis at the floor height, 60 % of
// the label's 13 pixels (9.75 points at 96 DPI) rounded up: 8.
TEST(VerseLabelFit, ASixHundredWordVerseEndsInAnEllipsisWithItsReferenceWhole) {
  std::u16string verse;
  for (int n = 0; n < 600; ++n) verse += n % 2 ? u"grace " : u"and ";
  verse += u"\r\nMy Own 1:600";
  const VerseWindowDescriptor window = DescriptorFor(0);
  ASSERT_EQ(LabelHeight(window, 96), 13);
  const VerseFit fit = ExpectFitsInside(verse, window, 96);
  EXPECT_EQ(std::tuple(fit.height, fit.cut), std::tuple(8, true));
  EXPECT_GT(fit.words, 0u);
  EXPECT_LT(fit.words, 600u);
}

}  // namespace
}  // namespace sovelin
