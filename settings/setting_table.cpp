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
    {keys::kSpeed, SettingKind::kChoice, kFiveSteps},
    {keys::kFrequency, SettingKind::kChoice, kFiveSteps},
    {keys::kVerseList, SettingKind::kListName, {}},
    {keys::kBackground, SettingKind::kChoice, kBackgrounds},
    {keys::kClearScreen, SettingKind::kSwitch, {}},
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
  const std::optional<int32_t> number = PlainNumber(text);
  if (!number) return false;
  switch (setting.kind) {
    case SettingKind::kChoice:
      return std::find(setting.choices.begin(), setting.choices.end(), *number) !=
             setting.choices.end();
    case SettingKind::kSwitch: return *number == 0 || *number == 1;
    case SettingKind::kColor: return *number >= 0 && *number <= kLargestColor;
    case SettingKind::kListName: break;
  }
  return false;
}

}  // namespace sovelin
