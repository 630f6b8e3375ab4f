#pragma once

#include "settings/settings_store.h"

namespace sovelin {

// The registry key under HKEY_CURRENT_USER that holds the settings: the branch where earlier
// versions of this saver kept them, so existing users keep their settings and password.
inline constexpr const char* kSettingsKeyPath =
    "Software\\VB and VBA Program Settings\\Sovelin\\ScreenSaverSettings";

// Settings as REG_SZ values of kSettingsKeyPath.
class RegistrySettingsStore final : public SettingsStore {
 public:
  std::string Read(std::string_view key, std::string_view defaultValue) const override;
  void Write(std::string_view key, std::string_view value) override;
};

}  // namespace sovelin
