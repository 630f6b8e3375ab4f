#pragma once

#include <optional>
#include <string_view>

#include "password/password_messages.h"
#include "password/scramble.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

namespace sovelin {

// What the prompt's OK button leads to.
enum class PromptResult {
  // The right password: the saver ends at once, writing nothing.
  EndSaver,
  // A wrong password: the field is emptied and focused, the message shown, the prompt stays.
  TryAgain,
};

struct PromptOkOutcome {
  PromptResult result = PromptResult::TryAgain;
  // EndSaver only: first tell the system that the protected saver no longer runs.
  bool stopSaverRunning = false;
  // TryAgain only: the message box to show after emptying the field.
  std::optional<ErrorMessage> message;
};

// The decisions of the password prompt frmPswd, shown when a protected saver is asked to
// stop. The dialog window carries them out; the run flags of the saver are changed here.
class PasswordPrompt {
 public:
  PasswordPrompt(const SettingsStore& store, UpperCaser upper, const SaverSettings& settings,
                 bool& gStopRequested, bool& gPromptShown)
      : store_(store),
        upper_(upper),
        settings_(settings),
        gStopRequested_(gStopRequested),
        gPromptShown_(gPromptShown) {}

  // Form_Load: while the prompt is up, mouse movement on the saver form is only recorded.
  // The dialog also makes itself topmost and starts with an empty field.
  void Load();

  // cmdOK_Click with the text of txtPswd. The stored password is read afresh.
  PromptOkOutcome Ok(std::string_view typed);

  // Cancel, or any other way of closing the prompt: the saver goes back to work.
  void Close();

 private:
  const SettingsStore& store_;
  UpperCaser upper_;
  const SaverSettings& settings_;
  bool& gStopRequested_;
  bool& gPromptShown_;
};

}  // namespace sovelin
