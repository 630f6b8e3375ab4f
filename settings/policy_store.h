#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace sovelin {

// The settings as they apply: a value the machine's policy sets beats one the user's policy
// sets, which beats the user's own value, which beats the default. A policy value the setting
// does not allow is ignored, and so is a policy for a value no policy may set (the password).
// Writes go to the user's own store, except for managed settings, which are left as they are.
class PolicySettingsStore final : public SettingsStore {
 public:
  PolicySettingsStore(const SettingsStore& machinePolicy, const SettingsStore& userPolicy,
                      SettingsStore& user)
      : machinePolicy_(machinePolicy), userPolicy_(userPolicy), user_(user) {}

  std::string Read(std::string_view key, std::string_view defaultValue) const override;
  void Write(std::string_view key, std::string_view value) override;

  // True when a policy sets the value, so the user cannot change it.
  bool IsManaged(std::string_view key) const { return PolicyValue(key).has_value(); }

 private:
  std::optional<std::string> PolicyValue(std::string_view key) const;

  const SettingsStore& machinePolicy_;
  const SettingsStore& userPolicy_;
  SettingsStore& user_;
};

}  // namespace sovelin
