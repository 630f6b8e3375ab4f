#pragma once

#include <windows.h>

#include "settings/settings_store.h"

namespace sovelin {

// Shows the change-password dialog frmPswdSet modally, owned by `owner` (the settings dialog).
// With a password stored the old one must be typed first; the new one is typed twice. On
// success its scrambled form is written to `store` at once, whatever the owner does later.
void ShowChangePasswordDialog(HWND owner, SettingsStore& store);

}  // namespace sovelin
