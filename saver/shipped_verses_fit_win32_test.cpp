// Every verse of every shipped verse list fits the label of every verse window, in the label's
// own font, at every common display scaling: nothing is cut at the label's edges. The label
// and its font grow with the display as start-up makes them (twips shrunk for large fonts
// above 96 DPI, then divided by the display's twips per pixel; the font's points at the DPI).
#include <gtest/gtest.h>

#include <string>

#include "common/handles_win32.h"
#include "common/numbers.h"
#include "geometry/screen_geometry.h"
#include "verses/verse_file_win32.h"
#include "verses/verse_loader.h"
#include "versewin/verse_window_kind.h"

namespace sovelin {
namespace {

constexpr int kWindowCount = 7;

Font LabelFont(const VerseWindowDescriptor& window, int dpi) {
  const int hundredths = static_cast<int>(RoundHalfEven(window.font.points * 100.0));
  return Font(CreateFontA(-MulDiv(hundredths, dpi, 7200), 0, 0, 0, window.font.weight, FALSE, FALSE,
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

}  // namespace
}  // namespace sovelin
