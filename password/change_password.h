#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "password/password_messages.h"
#include "password/scramble.h"
#include "settings/settings_store.h"

namespace sovelin {

// The text boxes of the change-password dialog.
enum class PasswordField { None, Old, New, Retype };

// What the dialog's OK button leads to. On an error the dialog beeps, shows the message, then
// empties the named field and puts the focus into it; the other fields keep their text.
struct ChangeOkOutcome {
  // The new password was written; the dialog unloads.
  bool closeDialog = false;
  bool beep = false;
  std::optional<ErrorMessage> message;
  PasswordField clearAndFocus = PasswordField::None;
};

// The decisions of the change-password dialog frmPswdSet. It reads the stored password once,
// when it loads, and writes the scrambled new password at once on success, whatever the
// settings dialog that opened it does afterwards. Cancel writes nothing.
class ChangePasswordDialog {
 public:
  // Form_Load: with a password stored, only the old-password field starts enabled; without
  // one, only the two new-password fields. Each label follows its text box.
  ChangePasswordDialog(SettingsStore& store, UpperCaser upper);
  ~ChangePasswordDialog();
  ChangePasswordDialog(const ChangePasswordDialog&) = delete;
  ChangePasswordDialog& operator=(const ChangePasswordDialog&) = delete;

  bool OldPasswordEnabled() const { return oldEnabled_; }
  // Whether txtNewPswd and txtRetypePswd (with their labels) are enabled.
  bool NewPasswordsEnabled() const { return newEnabled_; }

  // txtOldPswd_Change: any change of the old-password text enables the new-password fields
  // for good.
  void OldPasswordChanged();

  // cmdOK_Click with the texts of the three fields.
  ChangeOkOutcome Ok(std::string_view oldText, std::string_view newText,
                     std::string_view retypeText);

 private:
  SettingsStore& store_;
  UpperCaser upper_;
  std::string mStoredPassword;
  bool oldEnabled_ = false;
  bool newEnabled_ = false;
};

}  // namespace sovelin
