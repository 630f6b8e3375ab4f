#include "settings/policy_store.h"

#include "settings/setting_table.h"
#include "settings/settings.h"

namespace sovelin {

std::optional<std::string> PolicySettingsStore::PolicyValue(std::string_view key) const {
  const SettingDefinition* setting = FindPolicySetting(key);
  if (!setting) return std::nullopt;
  for (const SettingsStore* policy : {&machinePolicy_, &userPolicy_}) {
    // A missing value reads as empty text, which no setting allows.
    std::string value = policy->Read(key, "");
    if (IsAllowedValue(*setting, value)) return value;
  }
  return std::nullopt;
}

std::string PolicySettingsStore::Read(std::string_view key, std::string_view defaultValue) const {
  std::optional<std::string> managed = PolicyValue(key);
  if (managed) return std::move(*managed);
  // A stored Backdrop overrides ClearScreen; while a policy sets ClearScreen alone, the user's
  // Backdrop must not undo it, so it reads as not stored.
  if (key == keys::kBackdrop && IsManaged(keys::kClearScreen)) return std::string(defaultValue);
  return user_.Read(key, defaultValue);
}

void PolicySettingsStore::Write(std::string_view key, std::string_view value) {
  if (!IsManaged(key)) user_.Write(key, value);
}

}  // namespace sovelin
