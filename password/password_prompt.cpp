#include "password/password_prompt.h"

#include "password/password_store.h"

namespace sovelin {

void PasswordPrompt::Load() {
  gPromptShown_ = true;
}

PromptOkOutcome PasswordPrompt::Ok(std::string_view typed) {
  PromptOkOutcome outcome;
  if (PasswordMatches(typed, store_, upper_)) {
    outcome.result = PromptResult::EndSaver;
    outcome.stopSaverRunning = settings_.IsProtected();
    return outcome;
  }
  gStopRequested_ = false;
  outcome.result = PromptResult::TryAgain;
  outcome.message = kIncorrectPasswordMessage;
  return outcome;
}

void PasswordPrompt::Close() {
  gStopRequested_ = false;
}

}  // namespace sovelin
