// End to end: starts the real saver and stops it the ways a user would, with its password,
// and after broken verse files and hand-edited registry values. The prompt's own rules
// (topmost, the saver blocked under it, one prompt at a time) are checked in process in
// password/ask_password_win32_test.cpp.
#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "password/password_form_win32.h"
#include "password/password_test_support_win32.h"
#include "password/scramble.h"
#include "saver/run_error.h"
#include "saver/saver_window_win32.h"
#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kStartMs = 30000;  // Wine can be slow to start a process, more so on big files
constexpr DWORD kEndMs = 10000;
constexpr const char* kPromptCaption = "Sovelin Screen Saver";

class SaverStart : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    WriteSetting("Background", "9");  // no design over the screen
    MoveMouseTo(0, 0);
    Pump(100);
  }
};

// Started with no arguments: a topmost window (its place and pixels are checked in
// monitors_win32_test.cpp) that ignores close messages and the first mouse position it sees,
// and stops at the next pixel.
TEST_F(SaverStart, IsTopmostIgnoresCloseAndTheFirstMovementAndTheNextPixelStops) {
  SaverProcess saver = SaverProcess::Start("");
  HWND window = WaitForSaver(saver);
  ASSERT_NE(window, nullptr);
  EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(ReadSetting("LastDisplayUsed"), "0");
  PostMessageA(window, WM_CLOSE, 0, 0);
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  MoveMouseTo(300, 200);  // far, but the first position seen
  Pump(1500);
  EXPECT_TRUE(saver.Running());
  MoveMouseTo(301, 200);
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
  EXPECT_EQ(saver.ExitCode(), 0u);
}

// A second saver, and a preview with no window, end at once and write nothing.
TEST_F(SaverStart, ASecondStartAndAPreviewWithoutAWindowOpenNothingAndWriteNothing) {
  SaverProcess first = SaverProcess::Start("/s");
  ASSERT_NE(WaitForSaver(first), nullptr);
  WriteSetting("LastDisplayUsed", "42");
  for (const char* arguments : {"/s", "/p 1234"}) {
    SaverProcess second = SaverProcess::Start(arguments);
    EXPECT_TRUE(second.WaitForExit(kStartMs)) << arguments;
    EXPECT_EQ(second.ExitCode(), 0u) << arguments;
  }
  EXPECT_EQ(CountCaption(kSaverCaption), 1);
  EXPECT_EQ(ReadSetting("LastDisplayUsed"), "42");
  PressKeys({VK_MENU, VK_F4});  // system keys stop it as any key does
  EXPECT_TRUE(first.WaitForExit(kEndMs));
}

TEST_F(SaverStart, AProtectedSaverRefusesAWrongPasswordGoesBackOnCancelAndEndsOnTheRightOne) {
  WriteSetting("PWProtected", "1");
  WriteSetting("Password", ScramblePassword("Grace", UpperCaseWindows1252));
  SaverProcess saver = SaverProcess::Start("/s");
  ASSERT_NE(WaitForSaver(saver), nullptr);
  const auto waitForPrompt = [&] { return WaitForCaption(kPromptCaption, kEndMs, saver.id()); };
  PressKey('A');
  HWND prompt = waitForPrompt();
  ASSERT_NE(prompt, nullptr) << "a key opens the prompt";
  PressKeys({'X', 'Y'});
  Pump(300);
  PressKey(VK_RETURN);
  HWND error = WaitForCaption("Error", kEndMs, saver.id());
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(driver::MessageText(error),
            "Incorrect password;\r\n\r\nCheck your screen saver password and\r\ntry again.");
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return !FindCaption("Error", saver.id()); }, kEndMs));
  EXPECT_EQ(FindCaption(kPromptCaption, saver.id()), prompt) << "the prompt stays";
  const int field = PasswordControlId(prompt_form::kControls, prompt_form::kTxtPswd);
  EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(prompt, field)), 0) << "the field is emptied";

  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !FindCaption(kPromptCaption, saver.id()); }, kEndMs));
  Pump(1000);
  EXPECT_TRUE(saver.Running()) << "Cancel goes back to the saver";

  PressKey('B');
  ASSERT_NE(waitForPrompt(), nullptr) << "the next key asks again";
  for (const char* key = "GRACE"; *key; ++key) PressKey(*key);  // typed as "grace"
  Pump(300);
  PressKey(VK_RETURN);
  EXPECT_TRUE(saver.WaitForExit(kEndMs));
  EXPECT_EQ(saver.ExitCode(), 0u);
}

// A binary verse file beside the saver, and every setting stored as a number where text
// belongs: it runs, with no error box and no password (not even from a 1), and a click ends it.
TEST_F(SaverStart, ABinaryVerseFileAndSettingsOfTheWrongRegistryTypeLeaveItRunning) {
  for (const char* name : {"Speed", "Frequency", "PWProtected", "DisplayOption", "RectangleColor",
                           "ClearScreen", "Background", "LastDisplayUsed"})
    ASSERT_TRUE(WriteRawSetting(name, REG_DWORD, {1, 0, 0, 0}));
  std::mt19937 random(8);
  std::string binary(64 * 1024, '\0');
  for (char& c : binary) c = static_cast<char>(random() & 0xFF);
  const std::string copy = SaverCopyFor("binary");
  WriteVerseFile(copy, binary);
  SaverProcess saver = SaverProcess::Start("/s", copy);
  ASSERT_NE(WaitForSaver(saver), nullptr);
  EXPECT_TRUE(WaitUntil([&] { return FindVerseWindow(saver.id()) != nullptr; }, kStartMs));
  Pump(1000);
  EXPECT_TRUE(saver.Running()) << "exit code " << saver.ExitCode();
  EXPECT_EQ(FindCaption(kProgramTitle.data(), saver.id()), nullptr) << "an error box shows";
  ClickMouse();  // on the saver window, where the cursor stands still at 0, 0
  EXPECT_TRUE(saver.WaitForExit(kEndMs)) << "a click did not end it";
}

// The VerseList setting picks the file beside the saver, or the user's own list for "*"; a
// name that is not there, or one that reaches out of the saver's folder, falls back to
// sovel.vrs.
TEST_F(SaverStart, ShowsAVerseFromTheChosenListOrFromSovelVrsWhenItIsNotThere) {
  const std::string copy = SaverCopyFor("verse-list");
  WriteVerseFile(copy, "From the default list. John 1:1\r\n");
  const std::string folder = copy.substr(0, copy.find_last_of('\\'));
  std::ofstream(std::filesystem::path(folder) / L"Mis vers\u00EDculos.vrs", std::ios::binary)
      << "\xEF\xBB\xBF"
         "From the chosen list. John 1:2\r\n";
  wchar_t appData[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  const std::filesystem::path ownList = std::filesystem::path(appData) / L"Sovelin" / L"sovel.vrs";
  std::filesystem::create_directories(ownList.parent_path());
  std::ofstream(ownList, std::ios::binary) << "From my own list. John 1:3\r\n";
  const std::pair<const char*, const char*> cases[] = {
      {"Mis vers\xC3\xAD"
       "culos.vrs",
       "From the chosen list."},
      {"*", "From my own list."},
      {"gone.vrs", "From the default list."},
      {"..\\verse-list\\Mis vers\xC3\xAD"
       "culos.vrs",
       "From the default list."},
  };
  for (const auto& [choice, expected] : cases) {
    WriteSetting("VerseList", choice);
    SaverProcess saver = SaverProcess::Start("/s", copy);
    ASSERT_NE(WaitForSaver(saver), nullptr);
    HWND verse = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (verse = FindVerseWindow(saver.id())) != nullptr; }, kStartMs));
    EXPECT_NE(WindowText(verse).find(expected), std::string::npos)
        << choice << " shows " << WindowText(verse);
    ClickMouse();
    EXPECT_TRUE(saver.WaitForExit(kEndMs));
  }
  std::filesystem::remove(ownList);
}

}  // namespace
}  // namespace sovelin
