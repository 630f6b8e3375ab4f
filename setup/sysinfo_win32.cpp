#include "setup/sysinfo_win32.h"

#include "common/handles_win32.h"

namespace sovelin {

namespace {

UINT IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInformation: return MB_ICONINFORMATION;
    case MessageIcon::kExclamation: return MB_ICONEXCLAMATION;
    case MessageIcon::kCritical: break;
  }
  return MB_ICONHAND;
}

}  // namespace

void ShowSetupMessage(HWND owner, const SetupMessage& message) {
  const std::string title(message.title);
  const std::string text(message.text);
  MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK | IconStyle(message.icon));
}

std::optional<RegistryValue> Win32SysInfoPlatform::ReadLocalMachineValue(
    std::string_view keyName, std::string_view valueName) {
  // Read rights only: asking for more under HKEY_LOCAL_MACHINE fails without administrator
  // rights.
  RegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, std::string(keyName).c_str(), 0, kKeyReadAccess,
                    key.out()) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  RegistryValue value;
  value.data.assign(kValueBufferSize, '\0');
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(value.data.size());
  // A value larger than the buffer fails with ERROR_MORE_DATA and counts as unreadable.
  if (RegQueryValueExA(key.get(), std::string(valueName).c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(value.data.data()), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.type = type;
  value.data.resize(size);
  return value;
}

bool Win32SysInfoPlatform::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32SysInfoPlatform::StartProgram(const std::string& path) {
  if (path.empty()) return false;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  std::string commandLine = "\"" + path + "\"";
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  // Nothing waits for the program.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void Win32SysInfoPlatform::SetWaitCursor(bool waiting) {
  SetCursor(LoadCursor(nullptr, waiting ? IDC_WAIT : IDC_ARROW));
}

void Win32SysInfoPlatform::ShowMessage(const SetupMessage& message) {
  ShowSetupMessage(owner_, message);
}

}  // namespace sovelin
