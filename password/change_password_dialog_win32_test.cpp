// The change-password dialog, worked from a second thread while this one runs it.
#include "password/change_password_dialog_win32.h"

#include <gtest/gtest.h>

#include "password/password_form_win32.h"
#include "password/password_test_support_win32.h"
#include "password/scramble.h"
#include "settings/registry_store_win32.h"

namespace sovelin {
namespace {

using namespace password_test;
using namespace change_form;

constexpr const char* kCaption = "Change Password";

int Id(const PasswordControl& control) {
  return PasswordControlId(kControls, control);
}

bool Enabled(HWND dialog, const PasswordControl& control) {
  return IsWindowEnabled(GetDlgItem(dialog, Id(control))) != FALSE;
}

std::string Scrambled(const char* typed) {
  return ScramblePassword(typed, UpperCaseWindows1252);
}

class ChangePasswordDialogWin32 : public ::testing::Test {
 protected:
  void SetUp() override { driver::ClearSettings(); }

  void Run(const std::function<void(HWND)>& user) {
    const DWORD thread = GetCurrentThreadId();
    WithUser([this] { ShowChangePasswordDialog(nullptr, store); },
             [&] {
               HWND dialog = WaitForDialog(kCaption);
               if (!dialog) return;
               focusAtStart = FocusOf(thread);
               user(dialog);
               if (!WaitUntilGone(kCaption)) Press(dialog, IDCANCEL);
             });
  }

  RegistrySettingsStore store;
  HWND focusAtStart = nullptr;
};

TEST_F(ChangePasswordDialogWin32, FirstUseAsksTwiceAndStoresOnlyTheScrambledText) {
  bool oldEnabled = true, newEnabled = false, retypeEnabled = false, labelEnabled = true;
  HWND newField = nullptr;
  std::string mismatch, newKept, retypeKept;
  HICON icon = nullptr;
  std::vector<std::string> clipped;
  Run([&](HWND dialog) {
    clipped = ClippedCaptions(dialog);
    oldEnabled = Enabled(dialog, kTxtOldPswd);
    labelEnabled = Enabled(dialog, kLblOldPswd);
    newEnabled = Enabled(dialog, kTxtNewPswd);
    retypeEnabled = Enabled(dialog, kTxtRetypePswd);
    newField = GetDlgItem(dialog, Id(kTxtNewPswd));
    icon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
    Type(dialog, Id(kTxtNewPswd), "Grace");
    Type(dialog, Id(kTxtRetypePswd), "grace");  // differs in case only
    Press(dialog, IDOK);
    mismatch = AnswerError();
    newKept = driver::WindowText(GetDlgItem(dialog, Id(kTxtNewPswd)));
    retypeKept = driver::WindowText(GetDlgItem(dialog, Id(kTxtRetypePswd)));
    Type(dialog, Id(kTxtRetypePswd), "Grace");
    Press(dialog, IDOK);
  });
  EXPECT_TRUE(clipped.empty()) << "cut at this DPI: " << clipped.front();
  EXPECT_FALSE(oldEnabled);
  EXPECT_FALSE(labelEnabled);
  EXPECT_TRUE(newEnabled);
  EXPECT_TRUE(retypeEnabled);
  EXPECT_EQ(focusAtStart, newField);
  EXPECT_NE(icon, nullptr) << "the title bar shows an icon";
  EXPECT_EQ(mismatch,
            "The valus for New Password and\r\nRetype New Password do not match!\r\n\r\n"
            "Try again.");
  EXPECT_EQ(newKept, "Grace");
  EXPECT_EQ(retypeKept, "");
  EXPECT_EQ(driver::ReadSetting("Password"), Scrambled("GRACE"));
}

TEST_F(ChangePasswordDialogWin32, AStoredPasswordMustBeGivenFirstInAnyCase) {
  store.Write("Password", Scrambled("faith"));
  bool newEnabledAtStart = true, newEnabledAfterEmptyOk = true, newEnabledAfterTyping = false;
  bool oldEnabled = false;
  std::string wrongOld, emptyOld, oldKept, newKept;
  HWND oldField = nullptr;
  Run([&](HWND dialog) {
    oldEnabled = Enabled(dialog, kTxtOldPswd);
    oldField = GetDlgItem(dialog, Id(kTxtOldPswd));
    newEnabledAtStart = Enabled(dialog, kTxtNewPswd) || Enabled(dialog, kLblRetypePswd);
    Press(dialog, IDOK);  // the dialog empties the empty old field: nothing was typed
    emptyOld = AnswerError();
    newEnabledAfterEmptyOk = Enabled(dialog, kTxtNewPswd) || Enabled(dialog, kLblRetypePswd);
    Type(dialog, Id(kTxtOldPswd), "faithful");
    newEnabledAfterTyping = Enabled(dialog, kTxtNewPswd) && Enabled(dialog, kLblRetypePswd);
    Type(dialog, Id(kTxtNewPswd), "hope");
    Type(dialog, Id(kTxtRetypePswd), "hope");
    Press(dialog, IDOK);
    wrongOld = AnswerError();
    oldKept = driver::WindowText(GetDlgItem(dialog, Id(kTxtOldPswd)));
    newKept = driver::WindowText(GetDlgItem(dialog, Id(kTxtNewPswd)));
    Type(dialog, Id(kTxtOldPswd), "FAITH");
    Press(dialog, IDOK);
  });
  EXPECT_TRUE(oldEnabled);
  EXPECT_EQ(focusAtStart, oldField);
  EXPECT_FALSE(newEnabledAtStart);
  EXPECT_FALSE(newEnabledAfterEmptyOk);
  EXPECT_TRUE(newEnabledAfterTyping);
  EXPECT_EQ(wrongOld, "The value for Old Password is not correct!\r\n\r\nTry again.");
  EXPECT_EQ(emptyOld, wrongOld);
  EXPECT_EQ(oldKept, "");
  EXPECT_EQ(newKept, "hope");
  EXPECT_EQ(driver::ReadSetting("Password"), Scrambled("hope"));
}

TEST_F(ChangePasswordDialogWin32, CancelEscapeAndTheCloseBoxWriteNothing) {
  store.Write("Password", Scrambled("faith"));
  for (int way = 0; way < 3; ++way) {
    Run([&](HWND dialog) {
      Type(dialog, Id(kTxtOldPswd), "faith");
      Type(dialog, Id(kTxtNewPswd), "x");
      Type(dialog, Id(kTxtRetypePswd), "x");
      if (way == 0)
        Press(dialog, IDCANCEL);
      else if (way == 1)
        PostMessageA(GetDlgItem(dialog, Id(kTxtNewPswd)), WM_KEYDOWN, VK_ESCAPE, 0);
      else
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(driver::ReadSetting("Password"), Scrambled("faith")) << "way " << way;
  }
}

}  // namespace
}  // namespace sovelin
