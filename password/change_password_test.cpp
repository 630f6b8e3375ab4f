#include "password/change_password.h"

#include <gtest/gtest.h>

#include "password/password_forms.h"
#include "password/password_store.h"

namespace sovelin {
namespace {

std::string Scrambled(std::string_view typed) {
  return ScramblePassword(typed, UpperCaseWindows1252);
}

TEST(ChangePasswordDialog, FirstUseAsksOnlyForTheNewPasswordTwice) {
  MemorySettingsStore store;
  ChangePasswordDialog dialog(store, UpperCaseWindows1252);
  EXPECT_FALSE(dialog.OldPasswordEnabled());
  EXPECT_TRUE(dialog.NewPasswordsEnabled());

  const ChangeOkOutcome outcome = dialog.Ok("", "Grace", "Grace");
  EXPECT_TRUE(outcome.closeDialog);
  EXPECT_FALSE(outcome.beep);
  EXPECT_FALSE(outcome.message.has_value());
  EXPECT_EQ(store.values.at("Password"), Scrambled("GRACE"));
}

TEST(ChangePasswordDialog, AStoredPasswordMustBeGivenFirstInAnyCase) {
  MemorySettingsStore store;
  SavePassword(store, Scrambled("faith"));
  ChangePasswordDialog dialog(store, UpperCaseWindows1252);
  EXPECT_TRUE(dialog.OldPasswordEnabled());
  EXPECT_FALSE(dialog.NewPasswordsEnabled());
  dialog.OldPasswordChanged();
  dialog.OldPasswordChanged();
  EXPECT_TRUE(dialog.NewPasswordsEnabled());

  const ChangeOkOutcome wrong = dialog.Ok("faithful", "hope", "hope");
  EXPECT_FALSE(wrong.closeDialog);
  EXPECT_TRUE(wrong.beep);
  ASSERT_TRUE(wrong.message.has_value());
  EXPECT_EQ(wrong.message->title, "Error");
  EXPECT_EQ(wrong.message->text, "The value for Old Password is not correct!\r\n\r\nTry again.");
  EXPECT_EQ(wrong.clearAndFocus, PasswordField::Old);
  EXPECT_EQ(store.writeOrder.size(), 1u) << "nothing written";

  EXPECT_TRUE(dialog.Ok("FAITH", "hope", "hope").closeDialog);
  EXPECT_EQ(store.values.at("Password"), Scrambled("hope"));
}

TEST(ChangePasswordDialog, NewEntriesMustMatchExactlyIncludingCase) {
  MemorySettingsStore store;
  ChangePasswordDialog dialog(store, UpperCaseWindows1252);
  const ChangeOkOutcome outcome = dialog.Ok("", "Hope", "hope");
  EXPECT_FALSE(outcome.closeDialog);
  EXPECT_TRUE(outcome.beep);
  ASSERT_TRUE(outcome.message.has_value());
  EXPECT_EQ(outcome.message->text,
            "The valus for New Password and\r\nRetype New Password do not match!\r\n\r\n"
            "Try again.");
  EXPECT_EQ(outcome.clearAndFocus, PasswordField::Retype);
  EXPECT_TRUE(store.writeOrder.empty());
}

TEST(ChangePasswordDialog, EmptyOrZeroStoredTextMeansNoPasswordSet) {
  MemorySettingsStore store;
  SavePassword(store, Scrambled("love"));
  ChangePasswordDialog clearing(store, UpperCaseWindows1252);
  EXPECT_TRUE(clearing.Ok("love", "", "").closeDialog);
  EXPECT_EQ(store.values.at("Password"), "");
  EXPECT_FALSE(ChangePasswordDialog(store, UpperCaseWindows1252).OldPasswordEnabled());

  SavePassword(store, "0");
  ChangePasswordDialog zero(store, UpperCaseWindows1252);
  EXPECT_FALSE(zero.OldPasswordEnabled());
  EXPECT_TRUE(zero.Ok("", "joy", "joy").closeDialog);
  EXPECT_EQ(store.values.at("Password"), Scrambled("joy"));
}

TEST(PasswordForms, TextBoxesAreMaskedAndTabOrderRunsWithoutGaps) {
  auto check = [](const auto& controls) {
    int16_t nextTab = 0;
    int defaults = 0;
    for (const PasswordControl& control : controls) {
      if (control.tabIndex != kNoTabStop) {
        EXPECT_EQ(control.tabIndex, nextTab++) << control.name;
      }
      EXPECT_EQ(control.masked, control.kind == PasswordControlKind::TextBox) << control.name;
      defaults += control.isDefault ? 1 : 0;
    }
    EXPECT_EQ(defaults, 1);
  };
  check(prompt_form::kControls);
  check(change_form::kControls);
}

}  // namespace
}  // namespace sovelin
