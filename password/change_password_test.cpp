#include "password/change_password.h"

#include <gtest/gtest.h>

#include "password/password_store.h"

namespace sovelin {
namespace {

std::string Scrambled(std::string_view typed) {
  return ScramblePassword(typed, UpperCaseWindows1252);
}

// The dialog's other decisions are driven through the real dialog in
// change_password_dialog_win32_test.cpp.
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
