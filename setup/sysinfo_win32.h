#pragma once

#include <windows.h>

#include "setup/sysinfo.h"

namespace sovelin {

// The System Information lookup on Windows: the machine-wide registry, the file system, the
// process launcher, the mouse pointer and message boxes owned by the settings dialog.
class Win32SysInfoPlatform final : public SysInfoPlatform {
 public:
  explicit Win32SysInfoPlatform(HWND owner) : owner_(owner) {}

  std::optional<RegistryValue> ReadLocalMachineValue(std::string_view keyName,
                                                     std::string_view valueName) override;
  bool FileExists(const std::string& path) override;
  bool StartProgram(const std::string& path) override;
  void SetWaitCursor(bool waiting) override;
  void ShowMessage(const SetupMessage& message) override;

 private:
  HWND owner_;
};

// A modal message box with an OK button and the message's icon.
void ShowSetupMessage(HWND owner, const SetupMessage& message);

}  // namespace sovelin
