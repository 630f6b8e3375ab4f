#include "settings/settings.h"

#include "common/numbers.h"

namespace sovelin {

int16_t ReadInt16Setting(std::string_view text, int16_t fieldDefault) {
  return ToInt16(NumericPrefix(text)).value_or(fieldDefault);
}

int32_t ReadInt32Setting(std::string_view text, int32_t fieldDefault) {
  return ToInt32(NumericPrefix(text)).value_or(fieldDefault);
}

int16_t ReadVerseSize(std::string_view text) {
  const int16_t percent = ReadInt16Setting(text, kDefaultVerseSize);
  for (const int16_t size : kVerseSizes) {
    if (percent == size) return size;
  }
  return kDefaultVerseSize;
}

int16_t ReadBackdrop(std::string_view text) {
  // Without a digit (missing, empty, words) the text holds no choice at all.
  if (text.find_first_of("0123456789") == std::string_view::npos) return kBackdropUnset;
  const int16_t number = ReadInt16Setting(text, kBackdropUnset);
  const bool known = number >= static_cast<int16_t>(Backdrop::kDesktop) &&
                     number <= static_cast<int16_t>(Backdrop::kFolder);
  return known ? number : kBackdropUnset;
}

namespace {

int16_t ReadShort(const SettingsStore& store, std::string_view key, int16_t fieldDefault) {
  return ReadInt16Setting(store.Read(key, DecimalText(fieldDefault)), fieldDefault);
}

}  // namespace

SaverSettings ReadSettings(const SettingsStore& store) {
  SaverSettings settings;
  settings.gSpeed = ReadShort(store, keys::kSpeed, 2);
  settings.gFrequency = ReadShort(store, keys::kFrequency, 1);
  settings.gPWProtected = ReadShort(store, keys::kPWProtected, 0);
  settings.gDisplayOption = ReadShort(store, keys::kDisplayOption, 0);
  settings.gRectangleColor = ReadInt32Setting(store.Read(keys::kRectangleColor, "0"), 0);
  settings.gClearScreen = ReadShort(store, keys::kClearScreen, 0);
  settings.gBackground = ReadShort(store, keys::kBackground, 0);
  settings.gVerseSize = ReadVerseSize(store.Read(keys::kVerseSize, ""));
  settings.gSameVerseAllDay = ReadShort(store, keys::kSameVerseAllDay, 0);
  settings.gBackdrop = ReadBackdrop(store.Read(keys::kBackdrop, ""));
  settings.gBackdropColor = ReadInt32Setting(store.Read(keys::kBackdropColor, "0"), 0);
  settings.backdropPath = store.Read(keys::kBackdropPath, "");
  settings.verseFont = store.Read(keys::kVerseFont, "");
  settings.gVerseFontBold = ReadShort(store, keys::kVerseFontBold, 0);
  settings.gVerseFontItalic = ReadShort(store, keys::kVerseFontItalic, 0);
  return settings;
}

void SaveSettings(SettingsStore& store, const SaverSettings& settings) {
  store.Write(keys::kSpeed, DecimalText(settings.gSpeed));
  store.Write(keys::kFrequency, DecimalText(settings.gFrequency));
  store.Write(keys::kDisplayOption, DecimalText(settings.gDisplayOption));
  store.Write(keys::kRectangleColor, DecimalText(settings.gRectangleColor));
  store.Write(keys::kClearScreen, DecimalText(settings.gClearScreen));
  store.Write(keys::kBackground, DecimalText(settings.gBackground));
  store.Write(keys::kPWProtected, DecimalText(settings.gPWProtected));
  store.Write(keys::kVerseSize, DecimalText(settings.gVerseSize));
  store.Write(keys::kSameVerseAllDay, DecimalText(settings.gSameVerseAllDay));
  if (settings.gBackdrop != kBackdropUnset) {
    store.Write(keys::kBackdrop, DecimalText(settings.gBackdrop));
    store.Write(keys::kBackdropColor, DecimalText(settings.gBackdropColor));
    store.Write(keys::kBackdropPath, settings.backdropPath);
  }
  store.Write(keys::kVerseFont, settings.verseFont);
  store.Write(keys::kVerseFontBold, DecimalText(settings.gVerseFontBold));
  store.Write(keys::kVerseFontItalic, DecimalText(settings.gVerseFontItalic));
}

int16_t MoveDelayFor(int16_t speed) {
  switch (speed) {
    case 0: return 28;
    case 1: return 21;
    case 2: return 14;
    case 3: return 7;
    case 4: return 0;
    default: return 14;
  }
}

int32_t ChangeIntervalFor(int16_t frequency) {
  // 3 and 4 follow the dialog's captions "5 minutes" and "10 minutes".
  switch (frequency) {
    case 0: return 30000;
    case 1: return 60000;
    case 2: return 120000;
    case 3: return 300000;
    case 4: return 600000;
    default: return 30000;
  }
}

}  // namespace sovelin
