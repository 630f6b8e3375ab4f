#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "setup/help_texts.h"

namespace sovelin {

// Where the System Information program is registered, below HKEY_LOCAL_MACHINE.
inline constexpr uint32_t kLocalMachineRoot = 0x80000002;
inline constexpr std::string_view kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kMsInfoPathValue = "PATH";  // full path of the program
inline constexpr std::string_view kSharedToolsLocationKey =
    "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kMsInfoFolderValue = "MSINFO";  // folder of the program
inline constexpr std::string_view kMsInfoProgramFile = "\\MSINFO32.EXE";

// Keys are opened for reading only (KEY_READ): asking for write rights under
// HKEY_LOCAL_MACHINE fails for a user without administrator rights.
inline constexpr uint32_t kKeyReadAccess = 0x20019;

// Values larger than this many bytes are not read.
inline constexpr std::size_t kValueBufferSize = 1024;

// Registry value types the lookup understands.
inline constexpr uint32_t kRegText = 1;    // REG_SZ
inline constexpr uint32_t kRegNumber = 4;  // REG_DWORD, little-endian

inline constexpr std::string_view kDefaultMessageTitle = "Sovelin";
inline constexpr SetupMessage kSysInfoUnavailable{kDefaultMessageTitle,
                                                  "System Information Is Unavailable At This Time",
                                                  MessageIcon::kExclamation};

// A registry value as read: its type and its bytes.
struct RegistryValue {
  uint32_t type = 0;
  std::string data;
};

// The text of a registry value, or nothing when it cannot be used. Text (type 1) ends at its
// first zero byte, so the terminator is dropped whether it was stored or not. A 32-bit number
// (type 4) becomes "&h" and its hexadecimal digits ("&h1F"). Empty data, data larger than the
// buffer and every other type give nothing.
std::optional<std::string> RegistryValueText(const RegistryValue& value);

// What StartSysInfo needs from the platform.
class SysInfoPlatform {
 public:
  virtual ~SysInfoPlatform() = default;
  // The value under HKEY_LOCAL_MACHINE\keyName, or nothing when the key cannot be opened or
  // the value cannot be read (a value larger than kValueBufferSize included).
  virtual std::optional<RegistryValue> ReadLocalMachineValue(std::string_view keyName,
                                                             std::string_view valueName) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // Starts a program with a normal, focused window without waiting; false when it did not start.
  virtual bool StartProgram(const std::string& path) = 0;
  // The hourglass while true, the default pointer otherwise.
  virtual void SetWaitCursor(bool waiting) = 0;
  virtual void ShowMessage(const SetupMessage& message) = 0;
};

// The text of a value below HKEY_LOCAL_MACHINE, or nothing.
std::optional<std::string> GetKeyValue(SysInfoPlatform& platform, std::string_view keyName,
                                       std::string_view valueName);

// The path of the System Information program: the registered full path as it is, or else the
// registered folder with "\MSINFO32.EXE" when that file exists; nothing otherwise. An empty
// registered text counts as none.
std::optional<std::string> FindSysInfoProgram(SysInfoPlatform& platform);

// Starts the System Information program, or says it is unavailable. The hourglass shows while
// it searches and the default pointer is back when it returns.
void StartSysInfo(SysInfoPlatform& platform);

}  // namespace sovelin
