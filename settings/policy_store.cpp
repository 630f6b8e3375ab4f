#include "settings/policy_store.h"

#include "settings/setting_table.h"

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
  return managed ? std::move(*managed) : user_.Read(key, defaultValue);
}

void PolicySettingsStore::Write(std::string_view key, std::string_view value) {
  if (!IsManaged(key)) user_.Write(key, value);
}

}  // namespace sovelin
