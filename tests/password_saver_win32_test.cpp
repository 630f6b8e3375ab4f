// End to end: a protected saver asks for its password before it stops. The prompt's own
// rules (topmost, the saver blocked under it, one prompt at a time) are checked in process in
// password/ask_password_win32_test.cpp.
#include <gtest/gtest.h>

#include <optional>

#include "password/password_form_win32.h"
#include "password/password_test_support_win32.h"
#include "password/scramble.h"
#include "saver/saver_window_win32.h"
#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kStartMs = 20000;  // Wine can be slow to start a process
constexpr DWORD kEndMs = 10000;
constexpr const char* kPromptCaption = "Sovelin Screen Saver";

class ProtectedSaver : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    WriteSetting("Background", "9");  // no design over the screen
    WriteSetting("PWProtected", "1");
    MoveMouseTo(0, 0);
    Pump(100);
  }

  // Starts the saver and waits for its window.
  HWND Start() {
    saver.emplace(SaverProcess::Start("/s"));
    HWND window = WaitForCaption(kSaverCaption, kStartMs, saver->id());
    Pump(500);  // let it settle: first paint, first mouse position
    return window;
  }

  HWND WaitForPrompt() { return WaitForCaption(kPromptCaption, kEndMs, saver->id()); }
  bool PromptGone() {
    return WaitUntil([&] { return !FindCaption(kPromptCaption, saver->id()); }, kEndMs);
  }
  static HWND Field(HWND prompt) {
    return GetDlgItem(prompt, PasswordControlId(prompt_form::kControls, prompt_form::kTxtPswd));
  }
  // Types upper-case letters and digits as key presses, which give small letters.
  static void TypeKeys(const char* keys) {
    for (const char* key = keys; *key; ++key) PressKey(static_cast<WORD>(*key));
    Pump(300);
  }

  std::optional<SaverProcess> saver;
};

TEST_F(ProtectedSaver, AWrongPasswordIsRefusedCancelGoesBackAndTheRightOneInAnyCaseEnds) {
  WriteSetting("Password", ScramblePassword("Grace", UpperCaseWindows1252));
  ASSERT_NE(Start(), nullptr);
  PressKey('A');
  HWND prompt = WaitForPrompt();
  ASSERT_NE(prompt, nullptr) << "a key opens the prompt";

  TypeKeys("XY");
  PressKey(VK_RETURN);
  HWND error = WaitForCaption("Error", kEndMs, saver->id());
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(driver::MessageText(error),
            "Incorrect password;\r\n\r\nCheck your screen saver password and\r\ntry again.");
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return !FindCaption("Error", saver->id()); }, kEndMs));
  EXPECT_EQ(FindCaption(kPromptCaption, saver->id()), prompt) << "the prompt stays";
  EXPECT_EQ(GetWindowTextLengthA(Field(prompt)), 0) << "the field is emptied";

  PressKey(VK_ESCAPE);
  EXPECT_TRUE(PromptGone());
  Pump(1000);
  EXPECT_TRUE(saver->Running()) << "Cancel goes back to the saver";

  PressKey('B');
  prompt = WaitForPrompt();
  ASSERT_NE(prompt, nullptr) << "the next key asks again";
  EXPECT_EQ(GetWindowTextLengthA(Field(prompt)), 0);
  TypeKeys("GRACE");  // typed as "grace"
  PressKey(VK_RETURN);
  EXPECT_TRUE(saver->WaitForExit(kEndMs));
  EXPECT_EQ(saver->ExitCode(), 0u);
}

}  // namespace
}  // namespace sovelin
