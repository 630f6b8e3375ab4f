#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace sovelin {

// How a setting's stored text is checked.
enum class SettingKind : uint8_t {
  kChoice,    // a whole number, one of `choices`
  kSwitch,    // a check box: 0 or 1
  kColor,     // a Windows colour value, 0 .. 0xFFFFFF
  kListName,  // a verse list beside the program ("web.vrs") or "*" for the user's own
  kFullPath,  // a full path on a drive (C:\...) or a share (\\server\share\...)
  kFaceName,  // a font's face name, 1 to 31 letters
};

// One stored setting an administrator may set for everyone. The password, the verse window
// the last run used and other values a user or a run writes are not in this table.
struct SettingDefinition {
  std::string_view name;
  SettingKind kind = SettingKind::kChoice;
  std::span<const int32_t> choices;  // for kChoice
};

// Every setting that policies may set, in the order the dialog shows them.
std::span<const SettingDefinition> PolicySettings();

// The definition of a setting, or nullptr when no policy may set it.
const SettingDefinition* FindPolicySetting(std::string_view name);

// The largest colour value (white); colours run from 0 (black) to it.
inline constexpr int32_t kLargestColor = 0xFFFFFF;

// True when `text` is a value the setting allows, written as plain decimal text for numbers.
bool IsAllowedValue(const SettingDefinition& setting, std::string_view text);

}  // namespace sovelin
