#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace sovelin {

namespace keys {
inline constexpr std::string_view kSpeed = "Speed";
inline constexpr std::string_view kFrequency = "Frequency";
inline constexpr std::string_view kPWProtected = "PWProtected";
inline constexpr std::string_view kDisplayOption = "DisplayOption";
inline constexpr std::string_view kRectangleColor = "RectangleColor";
inline constexpr std::string_view kClearScreen = "ClearScreen";
inline constexpr std::string_view kBackground = "Background";
inline constexpr std::string_view kPassword = "Password";
inline constexpr std::string_view kLastDisplayUsed = "LastDisplayUsed";
inline constexpr std::string_view kVerseList = "VerseList";  // verses/verse_list.h
inline constexpr std::string_view kVerseSize = "VerseSize";
inline constexpr std::string_view kSameVerseAllDay = "SameVerseAllDay";
inline constexpr std::string_view kBackdrop = "Backdrop";
inline constexpr std::string_view kBackdropColor = "BackdropColor";
inline constexpr std::string_view kBackdropPath = "BackdropPath";
inline constexpr std::string_view kVerseFont = "VerseFont";
inline constexpr std::string_view kVerseFontBold = "VerseFontBold";
inline constexpr std::string_view kVerseFontItalic = "VerseFontItalic";
}  // namespace keys

// The verse window sizes offered, in percent of the window's own size, smallest first.
inline constexpr int16_t kVerseSizes[] = {100, 150, 200, 300};
inline constexpr int16_t kDefaultVerseSize = 100;

// What stands behind the designs, as the stored Backdrop numbers it.
enum class Backdrop : int16_t { kDesktop = 0, kBlack = 1, kColor = 2, kPicture = 3, kFolder = 4 };
// A Backdrop that is missing or not one of the five reads as this: ClearScreen decides.
inline constexpr int16_t kBackdropUnset = -1;

// The seven user settings, as start-up reads them and the settings dialog saves them.
struct SaverSettings {
  int16_t gSpeed = 0;
  int16_t gFrequency = 0;
  int16_t gPWProtected = 0;
  int16_t gDisplayOption = 0;
  int32_t gRectangleColor = 0;
  int16_t gClearScreen = 0;
  int16_t gBackground = 0;
  // Verse window size in percent, always one of kVerseSizes.
  int16_t gVerseSize = kDefaultVerseSize;
  // 1: one verse all day, the same on every PC with the same list; anything else: at random.
  int16_t gSameVerseAllDay = 0;
  // One of the Backdrop numbers, or kBackdropUnset.
  int16_t gBackdrop = kBackdropUnset;
  // A Windows colour number (0x00BBGGRR), for Backdrop::kColor.
  int32_t gBackdropColor = 0;
  // The picture or the folder of pictures, UTF-8.
  std::string backdropPath{};
  // The verse's face name, UTF-8; empty: each verse window's own font.
  std::string verseFont{};
  int16_t gVerseFontBold = 0;
  int16_t gVerseFontItalic = 0;

  bool IsProtected() const { return gPWProtected == 1; }
  // The backdrop this run shows: the stored Backdrop, else ClearScreen as it always read (0 the
  // desktop, anything else black).
  Backdrop ChosenBackdrop() const {
    if (gBackdrop != kBackdropUnset) return static_cast<Backdrop>(gBackdrop);
    return gClearScreen == 0 ? Backdrop::kDesktop : Backdrop::kBlack;
  }
  bool ShowsDesktop() const { return ChosenBackdrop() == Backdrop::kDesktop; }
  bool SameVerseAllDay() const { return gSameVerseAllDay == 1; }
};

// Converts a stored text to a 16-bit setting: numeric prefix, halves to even. A number that
// does not fit the field reads as the field's default instead.
int16_t ReadInt16Setting(std::string_view text, int16_t fieldDefault);
int32_t ReadInt32Setting(std::string_view text, int32_t fieldDefault);

// A stored verse size: one of kVerseSizes, else (missing, unreadable or any other number) 100.
int16_t ReadVerseSize(std::string_view text);

// A stored Backdrop: 0 to 4, else (missing, unreadable or any other number) kBackdropUnset.
int16_t ReadBackdrop(std::string_view text);

// Reads the settings with their defaults, in the order Speed, Frequency, PWProtected,
// DisplayOption, RectangleColor, ClearScreen, Background, VerseSize, SameVerseAllDay, Backdrop,
// BackdropColor, BackdropPath, VerseFont, VerseFontBold, VerseFontItalic.
SaverSettings ReadSettings(const SettingsStore& store);

// Writes the settings as plain decimal text in the order Speed, Frequency, DisplayOption,
// RectangleColor, ClearScreen, Background, PWProtected, VerseSize, SameVerseAllDay, then
// Backdrop, BackdropColor and BackdropPath (as it is) unless the backdrop is unset (then they
// are left as they are stored), then the face VerseFont (as it is) and VerseFontBold,
// VerseFontItalic.
void SaveSettings(SettingsStore& store, const SaverSettings& settings);

// Main-loop passes skipped between two moves of the verse window.
int16_t MoveDelayFor(int16_t speed);

// Milliseconds between two verse changes.
int32_t ChangeIntervalFor(int16_t frequency);

}  // namespace sovelin
