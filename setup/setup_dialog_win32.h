#pragma once

#include <windows.h>

#include "settings/policy_store.h"
#include "settings/settings.h"

namespace sovelin {

// Resource names of the settings dialog's pictures (resources/setup.rc).
inline constexpr const char* kSetupIconResource = "ABOUTICON";    // program icon, 32 x 32
inline constexpr const char* kSetupHelpResource = "SETUPHELP";    // help buttons' icon
inline constexpr const char* kSetupAboutResource = "SETUPABOUT";  // About picture, 200 x 114

// Shows the settings dialog modally, filled from `settings`: owned by `owner` when given, which
// is disabled while the dialog is open. The controls of settings a policy sets are disabled.
// OK writes the settings and the verse list a policy does not set to `store`; Cancel and the
// close box write nothing. Returns the process's exit code once the dialog has closed.
int ShowSetupDialog(HINSTANCE instance, SaverSettings& settings, PolicySettingsStore& store,
                    HWND owner = nullptr);

}  // namespace sovelin
