// The change-password dialog, worked from a second thread while this one runs it.
#include "password/change_password_dialog_win32.h"

#include <gtest/gtest.h>

#include "common/texts_win32.h"
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

std::string Text(HWND dialog, const PasswordControl& control) {
  return driver::WindowText(GetDlgItem(dialog, Id(control)));
}

std::string Scrambled(const char* typed) {
  return ScramblePassword(typed, UpperCaseWindows1252);
}

class ChangePasswordDialogWin32 : public ::testing::Test {
 protected:
  void SetUp() override { driver::ClearSettings(); }

  void Run(const std::function<void(HWND)>& user, const char* caption = kCaption) {
    const DWORD thread = GetCurrentThreadId();
    WithUser([this] { ShowChangePasswordDialog(nullptr, store); },
             [&] {
               HWND dialog = WaitForDialog(caption);
               if (!dialog) return;
               focusAtStart = FocusOf(thread);
               user(dialog);
               if (!WaitUntilGone(caption)) Press(dialog, IDCANCEL);
             });
  }

  RegistrySettingsStore store;
  HWND focusAtStart = nullptr;
};

// Runs with a Spanish display language (LANG=es_ES.UTF-8 under Wine, whose code page is then
// 1252, as the narrow texts here are written); ctest's *_es entry.
TEST_F(ChangePasswordDialogWin32, SpanishDisplayLanguageAsksAndAnswersInSpanish) {
  ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_SPANISH)
      << "needs a Spanish display language";
  UseUserInterfaceLanguage();
  bool shown = false;
  Run(
      [&](HWND dialog) {
        shown = true;
        ExpectCaptionsFit(dialog);
        EXPECT_EQ(Text(dialog, kLblNewPswd), "Contrase\361a nueva:");
        Type(dialog, Id(kTxtNewPswd), "Grace");
        Type(dialog, Id(kTxtRetypePswd), "grace");
        Press(dialog, IDOK);
        EXPECT_EQ(AnswerError(),
                  "\241Los valores de Contrase\361a nueva y\r\nRepetir contrase\361a no "
                  "coinciden!\r\n\r\nInt\351ntelo de nuevo.");
        Press(dialog, IDCANCEL);
      },
      "Cambiar contrase\361a");
  UseLanguage(nullptr);
  EXPECT_TRUE(shown) << "no dialog with the Spanish caption";
}

// The user's thread checks the dialog while it is up (Google Test is thread-safe here).
TEST_F(ChangePasswordDialogWin32, FirstUseAsksTwiceAndStoresOnlyTheScrambledText) {
  Run([&](HWND dialog) {
    ExpectCaptionsFit(dialog);
    EXPECT_FALSE(Enabled(dialog, kTxtOldPswd) || Enabled(dialog, kLblOldPswd));
    EXPECT_TRUE(Enabled(dialog, kTxtNewPswd) && Enabled(dialog, kTxtRetypePswd));
    EXPECT_EQ(focusAtStart, GetDlgItem(dialog, Id(kTxtNewPswd)));
    EXPECT_NE(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0), 0) << "the title bar shows an icon";
    Type(dialog, Id(kTxtNewPswd), "Grace");
    Type(dialog, Id(kTxtRetypePswd), "grace");  // differs in case only
    Press(dialog, IDOK);
    EXPECT_EQ(AnswerError(),
              "The valus for New Password and\r\nRetype New Password do not match!\r\n\r\n"
              "Try again.");
    EXPECT_EQ(Text(dialog, kTxtNewPswd) + "|" + Text(dialog, kTxtRetypePswd), "Grace|");
    Type(dialog, Id(kTxtRetypePswd), "Grace");
    Press(dialog, IDOK);
  });
  EXPECT_EQ(driver::ReadSetting("Password"), Scrambled("GRACE"));
}

TEST_F(ChangePasswordDialogWin32, AStoredPasswordMustBeGivenFirstInAnyCase) {
  store.Write("Password", Scrambled("faith"));
  const std::string wrongOld = "The value for Old Password is not correct!\r\n\r\nTry again.";
  Run([&](HWND dialog) {
    const auto newEnabled = [&] {
      return Enabled(dialog, kTxtNewPswd) || Enabled(dialog, kLblRetypePswd);
    };
    EXPECT_TRUE(Enabled(dialog, kTxtOldPswd));
    EXPECT_EQ(focusAtStart, GetDlgItem(dialog, Id(kTxtOldPswd)));
    EXPECT_FALSE(newEnabled());
    Press(dialog, IDOK);  // the dialog empties the empty old field: nothing was typed
    EXPECT_EQ(AnswerError(), wrongOld);
    EXPECT_FALSE(newEnabled());
    Type(dialog, Id(kTxtOldPswd), "faithful");
    EXPECT_TRUE(Enabled(dialog, kTxtNewPswd) && Enabled(dialog, kLblRetypePswd));
    Type(dialog, Id(kTxtNewPswd), "hope");
    Type(dialog, Id(kTxtRetypePswd), "hope");
    Press(dialog, IDOK);
    EXPECT_EQ(AnswerError(), wrongOld);
    EXPECT_EQ(Text(dialog, kTxtOldPswd) + "|" + Text(dialog, kTxtNewPswd), "|hope");
    Type(dialog, Id(kTxtOldPswd), "FAITH");
    Press(dialog, IDOK);
  });
  EXPECT_EQ(driver::ReadSetting("Password"), Scrambled("hope"));
}

TEST_F(ChangePasswordDialogWin32, CancelEscapeAndTheCloseBoxWriteNothing) {
  store.Write("Password", Scrambled("faith"));
  for (int way = 0; way < 3; ++way) {
    Run([&](HWND dialog) {
      Type(dialog, Id(kTxtOldPswd), "faith");
      Type(dialog, Id(kTxtNewPswd), "x");
      Type(dialog, Id(kTxtRetypePswd), "x");
      const HWND targets[] = {dialog, GetDlgItem(dialog, Id(kTxtNewPswd)), dialog};
      const UINT messages[] = {WM_COMMAND, WM_KEYDOWN, WM_SYSCOMMAND};
      const WPARAM params[] = {IDCANCEL, VK_ESCAPE, SC_CLOSE};
      PostMessageA(targets[way], messages[way], params[way], 0);
    });
    EXPECT_EQ(driver::ReadSetting("Password"), Scrambled("faith")) << "way " << way;
  }
}

}  // namespace
}  // namespace sovelin
