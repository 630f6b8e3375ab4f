#include "setup/sysinfo.h"

namespace sovelin {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Hexadecimal digits without leading zeros, "0" for zero.
std::string HexText(uint32_t number) {
  std::string digits;
  do {
    digits.insert(digits.begin(), kHexDigits[number & 0xF]);
    number >>= 4;
  } while (number != 0);
  return digits;
}

// The number held by the first four bytes, lowest byte first; missing bytes count as zero.
uint32_t LittleEndianNumber(std::string_view bytes) {
  uint32_t number = 0;
  for (std::size_t i = 0; i < bytes.size() && i < 4; ++i) {
    number |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
  }
  return number;
}

}  // namespace

std::optional<std::string> RegistryValueText(const RegistryValue& value) {
  if (value.data.empty() || value.data.size() > kValueBufferSize) {
    return std::nullopt;
  }
  switch (value.type) {
    case kRegText: return value.data.substr(0, value.data.find('\0'));
    case kRegNumber: return "&h" + HexText(LittleEndianNumber(value.data));
    default: return std::nullopt;
  }
}

std::optional<std::string> GetKeyValue(SysInfoPlatform& platform, std::string_view keyName,
                                       std::string_view valueName) {
  const std::optional<RegistryValue> value = platform.ReadLocalMachineValue(keyName, valueName);
  if (!value) {
    return std::nullopt;
  }
  return RegistryValueText(*value);
}

std::optional<std::string> FindSysInfoProgram(SysInfoPlatform& platform) {
  // The full path is taken as registered; whether it exists shows when it is started. An empty
  // text counts as not registered: an empty folder would look for "\MSINFO32.EXE" at the root
  // of the current drive.
  std::optional<std::string> path = GetKeyValue(platform, kMsInfoKey, kMsInfoPathValue);
  if (path && !path->empty()) {
    return path;
  }
  const std::optional<std::string> folder =
      GetKeyValue(platform, kSharedToolsLocationKey, kMsInfoFolderValue);
  if (folder && !folder->empty()) {
    path = *folder + std::string(kMsInfoProgramFile);
    if (platform.FileExists(*path)) {
      return path;
    }
  }
  return std::nullopt;
}

void StartSysInfo(SysInfoPlatform& platform) {
  platform.SetWaitCursor(true);
  const std::optional<std::string> path = FindSysInfoProgram(platform);
  if (!path || !platform.StartProgram(*path)) {
    platform.ShowMessage(kSysInfoUnavailable);
  }
  platform.SetWaitCursor(false);
}

}  // namespace sovelin
