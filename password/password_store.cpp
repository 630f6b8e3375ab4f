#include "password/password_store.h"

#include "password/wipe.h"
#include "settings/settings.h"

namespace sovelin {

std::string GetStoredPassword(const SettingsStore& store) {
  return store.Read(keys::kPassword, "");
}

void SavePassword(SettingsStore& store, std::string_view scrambled) {
  store.Write(keys::kPassword, scrambled);
}

bool IsPasswordSet(std::string_view stored) {
  return !stored.empty() && stored != "0";
}

bool PasswordMatches(std::string_view typed, const SettingsStore& store, UpperCaser upper) {
  std::string stored = GetStoredPassword(store);
  if (!IsPasswordSet(stored)) {
    WipeText(stored);
    return typed.empty();
  }
  std::string scrambled = ScramblePassword(typed, upper);
  const bool matches = scrambled == stored;
  WipeText(scrambled);
  WipeText(stored);
  return matches;
}

}  // namespace sovelin
