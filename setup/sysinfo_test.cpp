#include "setup/sysinfo.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

namespace sovelin {
namespace {

using namespace std::string_literals;

TEST(RegistryValueText, TextWithoutItsTerminatorNumbersInHexAndNothingElse) {
  const std::pair<RegistryValue, std::optional<std::string>> cases[] = {
      {{kRegText, "C:\\msinfo32.exe\0"s}, "C:\\msinfo32.exe"},
      {{kRegText, "C:\\msinfo32.exe"s}, "C:\\msinfo32.exe"},
      {{kRegText, "\0"s}, ""},
      {{kRegText, "C:\\a\0junk\0"s}, "C:\\a"},  // what follows a zero is not used
      {{kRegNumber, "\x78\x56\x34\x12"s}, "&h12345678"},
      {{kRegNumber, "\xff\xff\xff\xff"s}, "&hFFFFFFFF"},
      {{kRegNumber, "\0\0\0\0"s}, "&h0"},
      {{kRegText, ""}, std::nullopt},
      {{kRegNumber, ""}, std::nullopt},
      {{kRegText, std::string(kValueBufferSize + 1, 'a')}, std::nullopt},
      {{kRegText, std::string(kValueBufferSize, 'a')}, std::string(kValueBufferSize, 'a')},
      {{2, "C:\\x\0"s}, std::nullopt},  // expandable text
      {{3, "C:\\x\0"s}, std::nullopt},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(RegistryValueText(value), text) << value.type;
}

// Registry and file system in memory; records what the launcher does, in order.
class FakePlatform final : public SysInfoPlatform {
 public:
  std::optional<RegistryValue> ReadLocalMachineValue(std::string_view keyName,
                                                     std::string_view valueName) override {
    const auto found = values.find({std::string(keyName), std::string(valueName)});
    if (found == values.end()) {
      return std::nullopt;
    }
    return found->second;
  }
  bool FileExists(const std::string& path) override {
    events.push_back("exists " + path);
    return files.contains(path);
  }
  bool StartProgram(const std::string& path) override {
    events.push_back("start " + path);
    return files.contains(path);
  }
  void SetWaitCursor(bool waiting) override { events.push_back(waiting ? "hourglass" : "arrow"); }
  void ShowMessage(const SetupMessage& message) override {
    events.push_back("message " + std::string(message.text));
    EXPECT_EQ(message.icon, MessageIcon::kExclamation);
  }

  void SetText(std::string_view key, std::string_view value, const std::string& text) {
    values[{std::string(key), std::string(value)}] = RegistryValue{kRegText, text + '\0'};
  }

  std::map<std::pair<std::string, std::string>, RegistryValue> values;
  std::set<std::string> files;
  std::vector<std::string> events;
};

const std::string kUnavailable = "message System Information Is Unavailable At This Time";

TEST(StartSysInfo, StartsTheRegisteredPathUntestedOrTheFolderOnlyWhenTheProgramIsThere) {
  const std::string tools = "C:\\Tools\\msinfo32.exe", folder = "C:\\MSINFO\\MSINFO32.EXE";
  using Events = std::vector<std::string>;
  const struct {
    bool registered;  // else only the folder
    bool present;
    Events events;
  } cases[] = {
      {true, true, {"hourglass", "start " + tools, "arrow"}},
      {true, false, {"hourglass", "start " + tools, kUnavailable, "arrow"}},
      {false, true, {"hourglass", "exists " + folder, "start " + folder, "arrow"}},
      {false, false, {"hourglass", "exists " + folder, kUnavailable, "arrow"}},
  };
  for (const auto& c : cases) {
    FakePlatform platform;
    if (c.registered) platform.SetText(kMsInfoKey, kMsInfoPathValue, tools);
    platform.SetText(kSharedToolsLocationKey, kMsInfoFolderValue, "C:\\MSINFO");
    if (c.present) platform.files = {tools, folder};
    StartSysInfo(platform);
    EXPECT_EQ(platform.events, c.events) << c.registered << c.present;
  }
}

TEST(StartSysInfo, UnusableValuesCountAsNotRegistered) {
  FakePlatform platform;
  StartSysInfo(platform);
  EXPECT_EQ(platform.events, (std::vector<std::string>{"hourglass", kUnavailable, "arrow"}));

  // Expandable text and empty text for the path move on to the folder; an empty folder is
  // never turned into "\MSINFO32.EXE" at the drive root.
  platform.values[{std::string(kMsInfoKey), std::string(kMsInfoPathValue)}] =
      RegistryValue{2, "%windir%\\msinfo32.exe\0"s};
  platform.SetText(kSharedToolsLocationKey, kMsInfoFolderValue, "");
  platform.files = {"\\MSINFO32.EXE"};
  EXPECT_EQ(FindSysInfoProgram(platform), std::nullopt);

  platform.SetText(kMsInfoKey, kMsInfoPathValue, "");
  platform.SetText(kSharedToolsLocationKey, kMsInfoFolderValue, "D:\\Tools");
  platform.files = {"D:\\Tools\\MSINFO32.EXE"};
  EXPECT_EQ(FindSysInfoProgram(platform), "D:\\Tools\\MSINFO32.EXE");
}

}  // namespace
}  // namespace sovelin
