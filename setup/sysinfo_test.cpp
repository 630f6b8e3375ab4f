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

TEST(StartSysInfo, StartsTheRegisteredPathWithoutTestingIt) {
  FakePlatform platform;
  platform.SetText(kMsInfoKey, kMsInfoPathValue, "C:\\Tools\\msinfo32.exe");
  platform.SetText(kSharedToolsLocationKey, kMsInfoFolderValue, "C:\\Other");
  platform.files = {"C:\\Tools\\msinfo32.exe"};
  StartSysInfo(platform);
  EXPECT_EQ(platform.events,
            (std::vector<std::string>{"hourglass", "start C:\\Tools\\msinfo32.exe", "arrow"}));

  // A registered program that is missing fails to start and is reported.
  platform.files.clear();
  platform.events.clear();
  StartSysInfo(platform);
  EXPECT_EQ(platform.events, (std::vector<std::string>{"hourglass", "start C:\\Tools\\msinfo32.exe",
                                                       kUnavailable, "arrow"}));
}

TEST(StartSysInfo, FallsBackToTheFolderOnlyWhenTheProgramIsThere) {
  FakePlatform platform;
  platform.SetText(kSharedToolsLocationKey, kMsInfoFolderValue, "C:\\MSINFO");
  platform.files = {"C:\\MSINFO\\MSINFO32.EXE"};
  StartSysInfo(platform);
  EXPECT_EQ(platform.events,
            (std::vector<std::string>{"hourglass", "exists C:\\MSINFO\\MSINFO32.EXE",
                                      "start C:\\MSINFO\\MSINFO32.EXE", "arrow"}));

  platform.files.clear();
  platform.events.clear();
  StartSysInfo(platform);
  EXPECT_EQ(platform.events,
            (std::vector<std::string>{"hourglass", "exists C:\\MSINFO\\MSINFO32.EXE", kUnavailable,
                                      "arrow"}));
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
