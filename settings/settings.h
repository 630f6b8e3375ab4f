#pragma once

#include <cstdint>
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
inline constexpr std::string_view kVerseList = "VerseList";  // settings/verse_list.h
inline constexpr std::string_view kVerseSize = "VerseSize";
inline constexpr std::string_view kSameVerseAllDay = "SameVerseAllDay";
}  // namespace keys

// The verse window sizes offered, in percent of the window's own size, smallest first.
inline constexpr int16_t kVerseSizes[] = {100, 150, 200, 300};
inline constexpr int16_t kDefaultVerseSize = 100;

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

  bool IsProtected() const { return gPWProtected == 1; }
  bool ShowsDesktop() const { return gClearScreen == 0; }
  bool SameVerseAllDay() const { return gSameVerseAllDay == 1; }
};

// Converts a stored text to a 16-bit setting: numeric prefix, halves to even. A number that
// does not fit the field reads as the field's default instead.
int16_t ReadInt16Setting(std::string_view text, int16_t fieldDefault);
int32_t ReadInt32Setting(std::string_view text, int32_t fieldDefault);

// A stored verse size: one of kVerseSizes, else (missing, unreadable or any other number) 100.
int16_t ReadVerseSize(std::string_view text);

// Reads the settings with their defaults, in the order Speed, Frequency, PWProtected,
// DisplayOption, RectangleColor, ClearScreen, Background, VerseSize, SameVerseAllDay.
SaverSettings ReadSettings(const SettingsStore& store);

// Writes the settings as plain decimal text in the order Speed, Frequency, DisplayOption,
// RectangleColor, ClearScreen, Background, PWProtected, VerseSize, SameVerseAllDay.
void SaveSettings(SettingsStore& store, const SaverSettings& settings);

// Main-loop passes skipped between two moves of the verse window.
int16_t MoveDelayFor(int16_t speed);

// Milliseconds between two verse changes.
int32_t ChangeIntervalFor(int16_t frequency);

}  // namespace sovelin
