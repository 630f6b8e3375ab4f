// End to end: the real saver meets broken verse files, hand-edited registry values and odd
// passwords, and keeps running (or asks for its password) instead of failing.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "saver/run_error.h"
#include "saver/saver_window_win32.h"
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

TEST_F(BadInput, MissingOrBinaryVerseFilesLeaveTheSaverRunning) {
  RunsAndStopsOnAKey(SaverCopyFor("missing"));
  std::mt19937 random(8);
  std::string binary(64 * 1024, '\0');
  for (char& c : binary) c = static_cast<char>(random() & 0xFF);
  const std::string copy = SaverCopyFor("binary");
  WriteVerseFile(copy, binary);
  RunsAndStopsOnAKey(copy);
}

// Text that is no usable number, given to every setting at once; then numbers where text
// belongs: none of them turns the password on, not even a 1.
TEST_F(BadInput, SettingsThatAreHugeNegativeOrOfTheWrongRegistryType) {
  for (const char* value : {"99999999999999999999", "-32768"}) {
    SCOPED_TRACE(std::string("every setting \"") + value + "\"");
    ClearSettings();
    for (const std::string& name : kSettingNames) WriteSetting(name, value);
    RunsAndStopsOnAKey();
  }
  for (const std::string& name : kSettingNames)
    ASSERT_TRUE(WriteRawSetting(name, REG_DWORD, {1, 0, 0, 0}));
  RunsAndStopsOnAKey();
}

}  // namespace
}  // namespace sovelin
