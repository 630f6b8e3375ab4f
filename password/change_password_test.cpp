#include "password/change_password.h"

#include <gtest/gtest.h>

#include "password/password_store.h"

namespace sovelin {
namespace {

std::string Scrambled(std::string_view typed) {
  return ScramblePassword(typed, UpperCaseWindows1252);
}

TEST(ChangePasswordDialog, FirstUseAsksForTheNewPasswordTwiceAndTheEntriesMustMatchExactly) {
  MemorySettingsStore store;
  ChangePasswordDialog dialog(store, UpperCaseWindows1252);
  EXPECT_FALSE(dialog.OldPasswordEnabled());
  EXPECT_TRUE(dialog.NewPasswordsEnabled());

  const ChangeOkOutcome mismatch = dialog.Ok("", "Grace", "grace");
  EXPECT_FALSE(mismatch.closeDialog);
  EXPECT_TRUE(mismatch.beep);
  EXPECT_EQ(mismatch.message->text,
            "The valus for New Password and\r\nRetype New Password do not match!\r\n\r\n"
            "Try again.");
  EXPECT_EQ(mismatch.clearAndFocus, PasswordField::Retype);
  EXPECT_TRUE(store.writeOrder.empty());

  const ChangeOkOutcome saved = dialog.Ok("", "Grace", "Grace");
  EXPECT_TRUE(saved.closeDialog);
  EXPECT_EQ(store.values.at("Password"), Scrambled("GRACE"));
}

TEST(ChangePasswordDialog, AStoredPasswordMustBeGivenFirstInAnyCase) {
  MemorySettingsStore store;
  SavePassword(store, Scrambled("faith"));
  ChangePasswordDialog dialog(store, UpperCaseWindows1252);
  EXPECT_TRUE(dialog.OldPasswordEnabled());
  EXPECT_FALSE(dialog.NewPasswordsEnabled());
  dialog.OldPasswordChanged();
  EXPECT_TRUE(dialog.NewPasswordsEnabled());

  const ChangeOkOutcome wrong = dialog.Ok("faithful", "hope", "hope");
  EXPECT_FALSE(wrong.closeDialog);
  EXPECT_TRUE(wrong.beep);
  EXPECT_EQ(
      wrong.message,
      (ErrorMessage{"Error", "The value for Old Password is not correct!\r\n\r\nTry again."}));
  EXPECT_EQ(wrong.clearAndFocus, PasswordField::Old);
  EXPECT_EQ(store.writeOrder.size(), 1u) << "nothing written";

  EXPECT_TRUE(dialog.Ok("FAITH", "hope", "hope").closeDialog);
  EXPECT_EQ(store.values.at("Password"), Scrambled("hope"));
}

TEST(ChangePasswordDialog, EmptyOrZeroStoredTextMeansNoPasswordSet) {
  MemorySettingsStore store;
  SavePassword(store, Scrambled("love"));
  EXPECT_TRUE(ChangePasswordDialog(store, UpperCaseWindows1252).Ok("love", "", "").closeDialog);
  EXPECT_EQ(store.values.at("Password"), "");
  EXPECT_FALSE(ChangePasswordDialog(store, UpperCaseWindows1252).OldPasswordEnabled());

  SavePassword(store, "0");
  EXPECT_FALSE(ChangePasswordDialog(store, UpperCaseWindows1252).OldPasswordEnabled());
}

}  // namespace
}  // namespace sovelin
