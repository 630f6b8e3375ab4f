#pragma once

#include <string>
#include <string_view>

#include "password/scramble.h"
#include "settings/settings_store.h"

namespace sovelin {

// The scrambled password stored under "Password"; the empty text when none is stored.
std::string GetStoredPassword(const SettingsStore& store);

// Writes the text under "Password" unchanged. Callers pass an already scrambled text.
void SavePassword(SettingsStore& store, std::string_view scrambled);

// Whether a stored text counts as a password: the empty text and the single character "0"
// both mean that none was set.
bool IsPasswordSet(std::string_view stored);

// Whether the typed text is the stored password: its scrambled form equals the stored text,
// which is read afresh at each check. When no password is set, only the empty entry matches;
// that includes a stored "0", which no typed text can scramble to.
bool PasswordMatches(std::string_view typed, const SettingsStore& store, UpperCaser upper);

}  // namespace sovelin
