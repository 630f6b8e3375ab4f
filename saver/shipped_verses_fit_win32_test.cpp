// Every verse of every shipped verse list fits the label of every verse window, in the label's
// own font, at every common display scaling: nothing is cut at the label's edges. The label
// and its font grow with the display as start-up makes them (twips shrunk for large fonts
// above 96 DPI, then divided by the display's twips per pixel; the font's points at the DPI).
// A verse in a face of the user's choosing stays inside its label too: smaller when it must,
// and cut at a word with an ellipsis below 60 % of the font's height, the reference whole.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "common/handles_win32.h"
#include "common/numbers.h"
#include "geometry/screen_geometry.h"
#include "verses/verse_file_win32.h"
#include "verses/verse_loader.h"
#include "versewin/verse_label_win32.h"
#include "versewin/verse_window_kind.h"

namespace sovelin {
namespace {

constexpr int kWindowCount = 7;

// The label's font height in pixels: its points at the DPI, as the verse window makes it.
int LabelHeight(const VerseWindowDescriptor& window, int dpi) {
  return MulDiv(static_cast<int>(RoundHalfEven(window.font.points * 100.0)), dpi, 7200);
}

Font LabelFont(const VerseWindowDescriptor& window, int dpi) {
  return Font(CreateFontA(-LabelHeight(window, dpi), 0, 0, 0, window.font.weight, FALSE, FALSE,
                          FALSE, static_cast<DWORD>(window.font.charset), OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          std::string(window.font.name).c_str()));
}

// The label's size in pixels, each edge rounded on its own as the verse window does.
SIZE LabelPixels(const VerseWindowDescriptor& window, TwipsPerPixel twips) {
  const TwipsBox& label = window.lblverse;
  const auto pixel = [](int32_t value, int per) {
    return TwipsToPixel(static_cast<float>(value), per);
  };
  return {pixel(label.left + label.width, twips.x) - pixel(label.left, twips.x),
          pixel(label.top + label.height, twips.y) - pixel(label.top, twips.y)};
}

// Every verse of `store` fits the label of every window at `dpi`, the windows grown by
// `percent` (and shrunk for large fonts above 96 DPI) as start-up makes them.
void ExpectEveryVerseFits(const VerseStore& store, int dpi, int percent = 100) {
  WindowDC screen(nullptr);
  const bool largeFonts = dpi > kBaseDpi;
  const TwipsPerPixel twips = TwipsPerPixelAt(dpi, dpi);
  for (int display = 0; display < kWindowCount; ++display) {
    const VerseWindowDescriptor window = ScaledDescriptor(
        DescriptorFor(static_cast<int16_t>(display)), (largeFonts ? 0.8 : 1.0) * percent / 100);
    const SIZE label = LabelPixels(window, twips);
    const Font font = LabelFont(window, dpi);
    SelectGuard select(screen.get(), font.get());
    for (int32_t n = 1; n <= store.gVerseCount; ++n) {
      std::u16string verse = store.gVerses[n];
      verse = verse.substr(0, verse.find_last_not_of(u' ') + 1);
      RECT area{0, 0, label.cx, 0};
      DrawTextW(screen.get(), reinterpret_cast<const wchar_t*>(verse.data()),
                static_cast<int>(verse.size()), &area,
                DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
      if (area.right <= label.cx && area.bottom <= label.cy) continue;
      ADD_FAILURE() << dpi << " DPI at " << percent << " %, window " << display << ", verse " << n
                    << " is cut";
    }
  }
}

// The label and its font grow together, so the verses also fit at every verse size (at the
// sizes the pictures allow: up to 300 % at 96 DPI, 200 % at 144).
TEST(ShippedVerses, EveryVerseFitsEveryLabelAtEveryDisplayScalingAndVerseSize) {
  for (const char* list : {"sovel.vrs", "web.vrs", "rv1909.vrs"}) {
    SCOPED_TRACE(list);
    VerseStore store;
    LoadVerses(store, std::filesystem::path(SOVELIN_SOURCE_DIR "/resources") / list);
    ASSERT_GE(store.gVerseCount, 365);
    for (const int dpi : {96, 120, 144, 168, 192}) ExpectEveryVerseFits(store, dpi);
    for (const int percent : {150, 200, 300}) ExpectEveryVerseFits(store, 96, percent);
    ExpectEveryVerseFits(store, 144, 200);
  }
}

// A wide face, drawn bold, of `height` pixels.
Font BoldSerif(int height) {
  return Font(CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, L"DejaVu Serif"));
}

// Draws the verse in the label at `dpi` in the bold serif and checks that what was drawn,
// measured anew in a font of the fitted height, stays inside the label and ends with the whole
// reference (the verse's last line, with the line break before it).
VerseFit ExpectFitsInside(const std::u16string& verse, const VerseWindowDescriptor& window,
                          int dpi) {
  WindowDC screen(nullptr);
  OwnedDC dc(CreateCompatibleDC(screen.get()));
  const SIZE size = LabelPixels(window, TwipsPerPixelAt(dpi, dpi));
  const RECT area{0, 0, size.cx, size.cy};
  Bitmap surface(CreateCompatibleBitmap(screen.get(), area.right, area.bottom));
  SelectGuard select(dc.get(), surface.get());
  VerseLabel label;
  label.SetText(verse);
  const Font font = BoldSerif(LabelHeight(window, dpi));
  label.Draw(dc.get(), font.get(), area);
  const Font fitted = BoldSerif(label.Fit().height);
  SelectGuard selectFont(dc.get(), fitted.get());
  RECT box{0, 0, area.right, 0};
  DrawTextW(dc.get(), reinterpret_cast<const wchar_t*>(label.Shown().c_str()),
            static_cast<int>(label.Shown().size()), &box,
            DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  EXPECT_TRUE(box.right <= area.right && box.bottom <= area.bottom) << "too large at " << dpi;
  size_t at = verse.find_last_of(u"\r\n");
  while (at > 0 && (verse[at - 1] == u'\r' || verse[at - 1] == u'\n')) --at;
  EXPECT_TRUE(label.Shown().ends_with(verse.substr(at))) << "the reference is not whole";
  return label.Fit();
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
      EXPECT_GE(ExpectFitsInside(longest, window, dpi).height,
                (3 * LabelHeight(window, dpi) + 4) / 5);
    }
  }
}

// 600 words cannot fit any label: the text ends in an ellipsis at the floor height, 60 % of
// the label's 13 pixels (9.75 points at 96 DPI) rounded up: 8.
TEST(VerseLabelFit, ASixHundredWordVerseEndsInAnEllipsisWithItsReferenceWhole) {
  std::u16string verse;
  for (int n = 0; n < 600; ++n) verse += n % 2 ? u"grace " : u"and ";
  verse += u"\r\nMy Own 1:600";
  ASSERT_EQ(LabelHeight(DescriptorFor(0), 96), 13);
  const VerseFit fit = ExpectFitsInside(verse, DescriptorFor(0), 96);
  EXPECT_EQ(std::tuple(fit.height, fit.cut), std::tuple(8, true));
  EXPECT_TRUE(fit.words > 0u && fit.words < 600u) << fit.words;
}

}  // namespace
}  // namespace sovelin
