#include "setup/sysinfo_win32.h"

#include <string>

#include "common/handles_win32.h"
#include "common/texts_win32.h"

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
  MessageBoxW(owner, TrW(message.text).c_str(), TrW(message.title).c_str(),
              MB_OK | IconStyle(message.icon));
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
  // Room for kValueBufferSize characters; a longer value fails with ERROR_MORE_DATA and
  // counts as unreadable.
  std::wstring data(kValueBufferSize, L'\0');
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key.get(), WideText(valueName).c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  RegistryValue value;
  value.type = type;
  if (type == REG_SZ) {
    data.resize(size / sizeof(wchar_t));
    value.data = Utf8Text(data);
  } else {
    value.data.assign(reinterpret_cast<const char*>(data.data()), size);
  }
  return value;
}

bool Win32SysInfoPlatform::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(WideText(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32SysInfoPlatform::StartProgram(const std::string& path) {
  if (path.empty()) return false;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  const std::wstring program = WideText(path);
  std::wstring commandLine = L"\"" + program + L"\"";
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
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
