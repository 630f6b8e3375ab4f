// End to end: the real saver meets broken verse files, hand-edited registry values and odd
// passwords, and keeps running (or asks for its password) instead of failing.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "password/password_form_win32.h"
#include "password/password_forms.h"
#include "password/scramble.h"
#include "saver/run_error.h"
#include "saver/saver_window_win32.h"
#include "settings/registry_store_win32.h"
#include "setup/setup_form.h"
#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kStartMs = 30000;  // Wine can be slow to start a process, more so on big files
constexpr DWORD kEndMs = 10000;
constexpr const char* kPromptCaption = "Sovelin Screen Saver";

// The seven settings and the one the saver records itself.
const std::vector<std::string> kSettingNames = {"Speed",         "Frequency",      "PWProtected",
                                                "DisplayOption", "RectangleColor", "ClearScreen",
                                                "Background",    "LastDisplayUsed"};

// A fresh folder beside the built saver holding a copy of it, for one case.
std::string SaverCopyFor(const std::string& caseName) {
  const std::string root = FolderOf(SaverPath()) + "\\bad-input";
  const std::string folder = root + "\\" + caseName;
  CreateDirectoryA(root.c_str(), nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
  DeleteFileA((folder + "\\sovel.vrs").c_str());
  const std::string copy = folder + "\\" + FileNameOf(SaverPath());
  EXPECT_TRUE(CopyFileA(SaverPath().c_str(), copy.c_str(), FALSE)) << "cannot copy the saver";
  return copy;
}

void WriteVerseFile(const std::string& saverCopy, const std::string& bytes) {
  std::ofstream file(FolderOf(saverCopy) + "\\sovel.vrs", std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(file.good());
}

class BadInput : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    MoveMouseTo(0, 0);
    Pump(100);
  }

  // Starts the saver (the built one unless a copy is given), checks that both its windows
  // appear, that it keeps running with no message box, and that a key ends it cleanly.
  static void RunsAndStopsOnAKey(const std::string& program = SaverPath()) {
    SaverProcess saver = SaverProcess::Start("/s", program);
    ASSERT_TRUE(saver.started()) << "cannot start " << program;
    ASSERT_NE(WaitForCaption(kSaverCaption, kStartMs, saver.id()), nullptr)
        << "the saver window did not appear";
    EXPECT_TRUE(WaitUntil([&] { return FindVerseWindow(saver.id()) != nullptr; }, kStartMs))
        << "no verse window";
    Pump(1000);
    EXPECT_TRUE(saver.Running()) << "exit code " << saver.ExitCode();
    EXPECT_EQ(FindCaption(kProgramTitle.data(), saver.id()), nullptr) << "an error box shows";
    PressKey(VK_SPACE);
    EXPECT_TRUE(saver.WaitForExit(kEndMs)) << "a key did not end it";
    EXPECT_EQ(saver.ExitCode(), 0u);
  }
};

TEST_F(BadInput, BrokenVerseFilesLeaveTheSaverRunning) {
  RunsAndStopsOnAKey(SaverCopyFor("missing"));

  std::mt19937 random(8);
  std::string binary(64 * 1024, '\0');
  for (char& c : binary) c = static_cast<char>(random() & 0xFF);
  std::string manyLines;
  for (int line = 1; line <= 100000; ++line) {
    manyLines += "Verse number " + std::to_string(line) +
                 " of many. Numbers 1:" + std::to_string(line) + "\r\n";
  }
  std::string oneLongLine;
  while (oneLongLine.size() < 1024 * 1024) oneLongLine += "and the word ";
  oneLongLine += "was with God. John 1:1";
  std::string high = "Caf\xE9 \x80\x81\x9D\xFF. John 3:16\r\n";
  for (int code = 128; code < 256; ++code) high += static_cast<char>(code);

  const std::pair<const char*, std::string> kFiles[] = {
      {"empty", ""},
      {"binary", binary},
      {"many-lines", manyLines},
      {"one-long-line", oneLongLine},
      {"only-cr", "\r\r\rJesus wept. John 11:35\r\r\r"},
      {"only-lf", "\n\n\nJesus wept. John 11:35\n\n\n"},
      {"nul-bytes", std::string("Jesus\0wept. John 11:35\r\n\0\0\0\r\n\0", 33)},
      {"high-bytes", high + "\r\n"},
  };
  for (const auto& [name, bytes] : kFiles) {
    SCOPED_TRACE(name);
    const std::string copy = SaverCopyFor(name);
    WriteVerseFile(copy, bytes);
    RunsAndStopsOnAKey(copy);
  }
}

// Text values that are no usable number, each given to every setting at once.
TEST_F(BadInput, SettingsThatAreEmptyNonNumericHugeOrNegative) {
  for (const char* value : {"", "abc", "99999999999999999999", "-1", "-32768", "1e999"}) {
    SCOPED_TRACE(std::string("every setting \"") + value + "\"");
    ClearSettings();
    for (const std::string& name : kSettingNames) WriteSetting(name, value);
    RunsAndStopsOnAKey();
  }
}

// Numbers and bytes where text belongs: none of them turns the password on, not even a 1.
TEST_F(BadInput, SettingsOfTheWrongRegistryType) {
  const std::vector<BYTE> dwordOne = {1, 0, 0, 0};
  const std::vector<BYTE> textOneAsBytes = {'1', 0};
  for (const DWORD type : {DWORD{REG_DWORD}, DWORD{REG_BINARY}}) {
    SCOPED_TRACE(type == REG_DWORD ? "REG_DWORD" : "REG_BINARY");
    ClearSettings();
    for (const std::string& name : kSettingNames) {
      ASSERT_TRUE(WriteRawSetting(name, type, type == REG_DWORD ? dwordOne : textOneAsBytes));
    }
    RunsAndStopsOnAKey();
  }
}

// The settings dialog opens on the same values and closes again.
TEST_F(BadInput, TheSettingsDialogOpensOnBadValues) {
  const std::vector<BYTE> dwordOne = {1, 0, 0, 0};
  for (const char* value : {"abc", "99999999999999999999", "-32768", "dword"}) {
    SCOPED_TRACE(value);
    ClearSettings();
    for (const std::string& name : kSettingNames) {
      if (std::string(value) == "dword") {
        ASSERT_TRUE(WriteRawSetting(name, REG_DWORD, dwordOne));
      } else {
        WriteSetting(name, value);
      }
    }
    SaverProcess saver = SaverProcess::Start("/c");
    HWND dialog = WaitForCaption(std::string(kSetupCaption).c_str(), kStartMs, saver.id());
    ASSERT_NE(dialog, nullptr) << "the settings dialog did not appear";
    Pump(500);
    EXPECT_TRUE(saver.Running());
    PostMessageA(GetDlgItem(dialog, kCmdCancel), BM_CLICK, 0, 0);
    EXPECT_TRUE(saver.WaitForExit(kEndMs)) << "Cancel did not close it";
    EXPECT_EQ(saver.ExitCode(), 0u);
  }
}

// A protected saver ends on its password however long or accented it is.
class BadPassword : public BadInput {
 protected:
  static void EndsOnlyWithThePassword(const std::string& password) {
    ClearSettings();
    WriteSetting("Background", "9");
    WriteSetting("PWProtected", "1");
    WriteSetting("Password", ScramblePassword(password, UpperCaseWindows1252));
    SaverProcess saver = SaverProcess::Start("/s");
    ASSERT_NE(WaitForCaption(kSaverCaption, kStartMs, saver.id()), nullptr);
    Pump(500);

    PressKey(VK_SPACE);
    HWND prompt = WaitForCaption(kPromptCaption, kEndMs, saver.id());
    ASSERT_NE(prompt, nullptr) << "a key opens the prompt";
    HWND field =
        GetDlgItem(prompt, PasswordControlId(prompt_form::kControls, prompt_form::kTxtPswd));
    ASSERT_NE(field, nullptr);
    // One character short is refused; the whole password ends the saver.
    SetWindowTextA(field, password.substr(0, password.size() - 1).c_str());
    PressKey(VK_RETURN);
    ASSERT_NE(WaitForCaption("Error", kEndMs, saver.id()), nullptr) << "a wrong one is refused";
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !FindCaption("Error", saver.id()); }, kEndMs));
    EXPECT_TRUE(saver.Running());
    SetWindowTextA(field, password.c_str());
    PressKey(VK_RETURN);
    EXPECT_TRUE(saver.WaitForExit(kEndMs)) << "the right password did not end it";
    EXPECT_EQ(saver.ExitCode(), 0u);
  }
};

TEST_F(BadPassword, TheLongestAndANonAsciiPasswordWork) {
  std::string longest;
  for (size_t i = 0; i < kMaxPasswordLength; ++i) longest += static_cast<char>('a' + i % 26);
  EndsOnlyWithThePassword(longest);
  EndsOnlyWithThePassword(
      "Gn\xE4"
      "de \xDC"
      "ber \xF6l");
}

}  // namespace
}  // namespace sovelin
