#include "password/change_password.h"

#include "password/password_store.h"
#include "password/wipe.h"

namespace sovelin {

ChangePasswordDialog::ChangePasswordDialog(SettingsStore& store, UpperCaser upper)
    : store_(store), upper_(upper), mStoredPassword(GetStoredPassword(store)) {
  oldEnabled_ = IsPasswordSet(mStoredPassword);
  newEnabled_ = !oldEnabled_;
}

ChangePasswordDialog::~ChangePasswordDialog() {
  WipeText(mStoredPassword);
}

void ChangePasswordDialog::OldPasswordChanged() {
  newEnabled_ = true;
}

ChangeOkOutcome ChangePasswordDialog::Ok(std::string_view oldText, std::string_view newText,
                                         std::string_view retypeText) {
  ChangeOkOutcome outcome;
  if (oldEnabled_) {
    std::string scrambledOld = ScramblePassword(oldText, upper_);
    const bool oldMatches = scrambledOld == mStoredPassword;
    WipeText(scrambledOld);
    if (!oldMatches) {
      outcome.beep = true;
      outcome.message = kWrongOldPasswordMessage;
      outcome.clearAndFocus = PasswordField::Old;
      return outcome;
    }
  }
  // The two entries must match exactly, before upper-casing.
  if (newText != retypeText) {
    outcome.beep = true;
    outcome.message = kNewPasswordMismatchMessage;
    outcome.clearAndFocus = PasswordField::Retype;
    return outcome;
  }
  std::string scrambledNew = ScramblePassword(newText, upper_);
  SavePassword(store_, scrambledNew);
  WipeText(scrambledNew);
  outcome.closeDialog = true;
  return outcome;
}

}  // namespace sovelin
