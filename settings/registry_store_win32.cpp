#include "settings/registry_store_win32.h"

#include <windows.h>

#include <vector>

#include "common/handles_win32.h"

namespace sovelin {

namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// The machine's key in the 64-bit registry (ignored on 32-bit Windows).
REGSAM View(RegistryRoot root) {
  return root == RegistryRoot::kLocalMachine ? KEY_WOW64_64KEY : 0;
}

}  // namespace

std::string RegistrySettingsStore::Read(std::string_view key, std::string_view defaultValue) const {
  RegKey settings;
  if (RegOpenKeyExA(RootKey(root_), path_, 0, KEY_QUERY_VALUE | View(root_), settings.out()) !=
      ERROR_SUCCESS) {
    return std::string(defaultValue);
  }
  const std::string name(key);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(settings.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
      ERROR_SUCCESS) {
    return std::string(defaultValue);
  }
  // A value of another type than text (edited by hand) reads as empty text, not as bytes.
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::string();
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueExA(settings.get(), name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
    return std::string(defaultValue);
  }
  // Stored text may or may not carry its terminating zero; stop at the first one.
  return std::string(data.data());
}

void RegistrySettingsStore::Write(std::string_view key, std::string_view value) {
  if (readOnly_) return;
  RegKey settings;
  if (RegCreateKeyExA(RootKey(root_), path_, 0, nullptr, 0, KEY_SET_VALUE, nullptr, settings.out(),
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  const std::string name(key);
  const std::string text(value);
  RegSetValueExA(settings.get(), name.c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
}

}  // namespace sovelin
