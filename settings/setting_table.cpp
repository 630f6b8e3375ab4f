#include "settings/setting_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "settings/settings.h"
#include "verses/verse_list.h"

namespace sovelin {

namespace {

constexpr std::array<int32_t, 5> kFiveSteps = {0, 1, 2, 3, 4};
constexpr std::array<int32_t, 8> kDisplayOptions = {0, 1, 2, 3, 4, 5, 6, 7};
constexpr std::array<int32_t, 5> kBackdrops = {0, 1, 2, 3, 4};
constexpr std::array<int32_t, 10> kBackgrounds = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array<int32_t, 4> kSizes = {kVerseSizes[0], kVerseSizes[1], kVerseSizes[2],
                                           kVerseSizes[3]};
static_assert(std::size(kVerseSizes) == kSizes.size());

// New settings are added here; the administrative templates are checked against this table.
constexpr auto kPolicySettings = std::to_array<SettingDefinition>({
    {keys::kDisplayOption, SettingKind::kChoice, kDisplayOptions},
    {keys::kRectangleColor, SettingKind::kColor, {}},
    {keys::kVerseSize, SettingKind::kChoice, kSizes},
    {keys::kSameVerseAllDay, SettingKind::kSwitch, {}},
    {keys::kVerseFont, SettingKind::kFaceName, {}},
    {keys::kVerseFontBold, SettingKind::kSwitch, {}},
    {keys::kVerseFontItalic, SettingKind::kSwitch, {}},
    {keys::kSpeed, SettingKind::kChoice, kFiveSteps},
    {keys::kFrequency, SettingKind::kChoice, kFiveSteps},
    {keys::kVerseList, SettingKind::kListName, {}},
    {keys::kBackground, SettingKind::kChoice, kBackgrounds},
    {keys::kClearScreen, SettingKind::kSwitch, {}},
    {keys::kBackdrop, SettingKind::kChoice, kBackdrops},
    {keys::kBackdropColor, SettingKind::kColor, {}},
    {keys::kBackdropPath, SettingKind::kFullPath, {}},
    {keys::kPWProtected, SettingKind::kSwitch, {}},
});

// A whole number written as plain decimal text: an optional minus sign and digits, nothing
// else, so that a policy is either clearly a value or ignored.
std::optional<int32_t> PlainNumber(std::string_view text) {
  int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// Control characters have no place in a path or a face name; a value holding one is a typing
// or copying slip, not a name.
bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// Letters counted by their UTF-8 lead bytes.
size_t LetterCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A path every user's run can resolve the same way: a drive letter with its root ("C:\...") or
// a share ("\\server\share..."), never a relative path, which would depend on the folder the
// saver starts in. Windows paths are at most 32767 letters long.
bool IsFullPath(std::string_view text) {
  constexpr size_t kLongestPath = 32767;
  if (HasControlCharacter(text) || LetterCount(text) > kLongestPath) return false;
  const bool onDrive = text.size() >= 3 && IsAsciiLetter(text[0]) && text[1] == ':' &&
                       (text[2] == '\\' || text[2] == '/');
  const bool onShare = text.size() >= 5 && text.substr(0, 2) == "\\\\" && text[2] != '\\' &&
                       text.find('\\', 3) != std::string_view::npos;
  return onDrive || onShare;
}

// A face name of 1 to 31 letters, as the system's font records hold them. Empty is no face: a
// policy that is not set reads as empty and must not manage the value.
bool IsFaceName(std::string_view text) {
  constexpr size_t kLongestFaceName = 31;
  return !text.empty() && !HasControlCharacter(text) && LetterCount(text) <= kLongestFaceName;
}

}  // namespace

std::span<const SettingDefinition> PolicySettings() {
  return kPolicySettings;
}

const SettingDefinition* FindPolicySetting(std::string_view name) {
  for (const SettingDefinition& setting : kPolicySettings) {
    if (setting.name == name) return &setting;
  }
  return nullptr;
}

bool IsAllowedValue(const SettingDefinition& setting, std::string_view text) {
  if (setting.kind == SettingKind::kListName)
    return text == kOwnVersesChoice || IsVerseListName(text);
  if (setting.kind == SettingKind::kFullPath) return IsFullPath(text);
  if (setting.kind == SettingKind::kFaceName) return IsFaceName(text);
  const std::optional<int32_t> number = PlainNumber(text);
  if (!number) return false;
  switch (setting.kind) {
    case SettingKind::kChoice:
      return std::find(setting.choices.begin(), setting.choices.end(), *number) !=
             setting.choices.end();
    case SettingKind::kSwitch: return *number == 0 || *number == 1;
    case SettingKind::kColor: return *number >= 0 && *number <= kLargestColor;
    case SettingKind::kListName:
    case SettingKind::kFullPath:
    case SettingKind::kFaceName: break;
  }
  return false;
}

}  // namespace sovelin
