#pragma once

#include <windows.h>

#include <string_view>

#include "settings/settings_store.h"

namespace sovelin {

// The registry key under HKEY_CURRENT_USER that holds the settings: the branch where earlier
// versions of this saver kept them, so existing users keep their settings and password.
inline constexpr const char* kSettingsKeyPath =
    "Software\\VB and VBA Program Settings\\Sovelin\\ScreenSaverSettings";

// Where a store's values live: a root key and the path of the key under it (ASCII).
struct RegistryLocation {
  HKEY root = HKEY_CURRENT_USER;
  const char* keyPath = kSettingsKeyPath;
};

// True for the values kept as Unicode text (file names, in any script).
bool IsUnicodeSetting(std::string_view key);

// Settings as REG_SZ values of one registry key, the user's settings key unless told otherwise.
class RegistrySettingsStore final : public SettingsStore {
 public:
  explicit RegistrySettingsStore(RegistryLocation location = {}) : location_(location) {}
  std::string Read(std::string_view key, std::string_view defaultValue) const override;
  void Write(std::string_view key, std::string_view value) override;

 private:
  RegistryLocation location_;
};

}  // namespace sovelin
