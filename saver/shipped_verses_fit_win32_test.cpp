// Every verse of the shipped verse file fits the smallest label, the bread window's, in the
// label's own font on this display: nothing is cut at the label's bottom edge.
#include <gtest/gtest.h>

#include <string_view>

#include "common/handles_win32.h"
#include "saver/verse_loader.h"
#include "versewin/verse_window_kind.h"

namespace sovelin {
namespace {

constexpr int16_t kBread = 1;

Font LabelFont(const VerseWindowDescriptor& window, HDC dc) {
  const int height = -MulDiv(975, GetDeviceCaps(dc, LOGPIXELSY), 7200);  // 9.75 points
  const std::string face(window.font.name);
  return Font(CreateFontA(height, 0, 0, 0, window.font.weight, FALSE, FALSE, FALSE,
                          static_cast<DWORD>(window.font.charset), OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          face.c_str()));
}

TEST(ShippedVerses, EveryVerseFitsTheBreadWindowsLabel) {
  VerseStore store;
  LoadVerses(store, std::filesystem::path(SOVELIN_SOURCE_DIR "/resources/sovel.vrs"));
  ASSERT_GE(store.gVerseCount, 365);
  const VerseWindowDescriptor& bread = DescriptorFor(kBread);
  const int labelWidth = bread.lblverse.width / 15;
  const int labelHeight = bread.lblverse.height / 15;
  WindowDC screen(nullptr);
  const Font font = LabelFont(bread, screen.get());
  SelectGuard select(screen.get(), font.get());
  int tallest = 0;
  for (int32_t n = 1; n <= store.gVerseCount; ++n) {
    std::string verse = store.gVerses[n];
    verse = verse.substr(0, verse.find_last_not_of(' ') + 1);
    RECT area{0, 0, labelWidth, 0};
    DrawTextA(screen.get(), verse.data(), static_cast<int>(verse.size()), &area,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    tallest = std::max<int>(tallest, area.bottom);
    EXPECT_LE(area.bottom, labelHeight) << "verse " << n << " is cut: " << verse;
    EXPECT_LE(area.right, labelWidth) << "verse " << n << " is too wide: " << verse;
  }
  RecordProperty("TallestVersePixels", tallest);
}

}  // namespace
}  // namespace sovelin
