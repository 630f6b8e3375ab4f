#include "password/password_prompt.h"

#include <gtest/gtest.h>

#include "password/password_store.h"

namespace sovelin {
namespace {

class PasswordPromptTest : public ::testing::Test {
 protected:
  PasswordPromptTest() { settings.gPWProtected = 1; }

  void StorePassword(std::string_view typed) {
    SavePassword(store, ScramblePassword(typed, UpperCaseWindows1252));
  }
  PasswordPrompt Prompt() {
    return PasswordPrompt(store, UpperCaseWindows1252, settings, gStopRequested, gPromptShown);
  }

  MemorySettingsStore store;
  SaverSettings settings;
  bool gStopRequested = true;
  bool gPromptShown = false;
};

TEST_F(PasswordPromptTest, TheRightPasswordInAnyCaseEndsTheSaver) {
  StorePassword("Amen7");
  PromptOkOutcome outcome = Prompt().Ok("aMEN7");
  EXPECT_EQ(outcome.result, PromptResult::EndSaver);
  EXPECT_TRUE(outcome.stopSaverRunning);
  EXPECT_FALSE(outcome.message.has_value());
  EXPECT_EQ(store.writeOrder.size(), 1u) << "ending writes nothing";

  settings.gPWProtected = -1;
  outcome = Prompt().Ok("amen7");
  EXPECT_EQ(outcome.result, PromptResult::EndSaver);
  EXPECT_FALSE(outcome.stopSaverRunning);
}

TEST_F(PasswordPromptTest, AWrongPasswordIsRefusedAndMayBeRetried) {
  StorePassword("amen");
  PasswordPrompt prompt = Prompt();
  const PromptOkOutcome outcome = prompt.Ok("amen ");
  EXPECT_EQ(outcome.result, PromptResult::TryAgain);
  EXPECT_FALSE(gStopRequested);
  EXPECT_EQ(outcome.message, (ErrorMessage{"Error",
                                           "Incorrect password;\r\n\r\nCheck your screen saver "
                                           "password and\r\ntry again."}));
  StorePassword("new");  // read afresh at each try
  EXPECT_EQ(prompt.Ok("amen").result, PromptResult::TryAgain);
  EXPECT_EQ(prompt.Ok("NEW").result, PromptResult::EndSaver);
}

TEST_F(PasswordPromptTest, LoadingMarksThePromptShownAndClosingResumesTheSaver) {
  PasswordPrompt prompt = Prompt();
  prompt.Load();
  EXPECT_TRUE(gPromptShown);
  EXPECT_TRUE(gStopRequested);
  EXPECT_EQ(prompt.Ok("x").result, PromptResult::TryAgain) << "no password set";
  gStopRequested = true;
  prompt.Close();
  EXPECT_FALSE(gStopRequested);
  EXPECT_EQ(prompt.Ok("").result, PromptResult::EndSaver);
}

}  // namespace
}  // namespace sovelin
