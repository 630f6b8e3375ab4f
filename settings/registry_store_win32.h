#pragma once

#include <cstdint>

#include "settings/settings_store.h"

namespace sovelin {

// The registry key under HKEY_CURRENT_USER that holds the settings: the branch where earlier
// versions of this saver kept them, so existing users keep their settings and password.
inline constexpr const char* kSettingsKeyPath =
    "Software\\VB and VBA Program Settings\\Sovelin\\ScreenSaverSettings";

// Where Group Policy puts the values an administrator sets, under HKEY_LOCAL_MACHINE for the
// machine and under HKEY_CURRENT_USER for the user.
inline constexpr const char* kPolicyKeyPath = "SOFTWARE\\Policies\\Sovelin\\ScreenSaverSettings";

enum class RegistryRoot : uint8_t { kCurrentUser, kLocalMachine };

// Settings as REG_SZ values of a key: by default the user's own settings in kSettingsKeyPath.
class RegistrySettingsStore final : public SettingsStore {
 public:
  RegistrySettingsStore() = default;
  // The policies under `root`, read-only: writes are dropped. The machine's policies are read
  // from the 64-bit registry, where Group Policy writes them, by the 32-bit saver too.
  static RegistrySettingsStore Policies(RegistryRoot root) {
    return RegistrySettingsStore(root, kPolicyKeyPath, true);
  }

  std::string Read(std::string_view key, std::string_view defaultValue) const override;
  void Write(std::string_view key, std::string_view value) override;

 private:
  RegistrySettingsStore(RegistryRoot root, const char* path, bool readOnly)
      : root_(root), path_(path), readOnly_(readOnly) {}

  RegistryRoot root_ = RegistryRoot::kCurrentUser;
  const char* path_ = kSettingsKeyPath;
  bool readOnly_ = false;
};

}  // namespace sovelin
