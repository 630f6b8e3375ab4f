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

TEST_F(PasswordPromptTest, LoadingMarksThePromptShown) {
  Prompt().Load();
  EXPECT_TRUE(gPromptShown);
  EXPECT_TRUE(gStopRequested);
}

TEST_F(PasswordPromptTest, TheRightPasswordInAnyCaseEndsTheSaver) {
  StorePassword("Amen7");
  const PromptOkOutcome outcome = Prompt().Ok("aMEN7");
  EXPECT_EQ(outcome.result, PromptResult::EndSaver);
  EXPECT_TRUE(outcome.stopSaverRunning);
  EXPECT_FALSE(outcome.message.has_value());
  EXPECT_TRUE(gStopRequested);
  EXPECT_EQ(store.writeOrder.size(), 1u) << "ending writes nothing";
}

TEST_F(PasswordPromptTest, AnUnprotectedRunEndsWithoutTellingTheSystem) {
  settings.gPWProtected = -1;
  StorePassword("amen");
  const PromptOkOutcome outcome = Prompt().Ok("amen");
  EXPECT_EQ(outcome.result, PromptResult::EndSaver);
  EXPECT_FALSE(outcome.stopSaverRunning);
}

TEST_F(PasswordPromptTest, AWrongPasswordIsRefusedAndMayBeRetriedAnyNumberOfTimes) {
  StorePassword("amen");
  PasswordPrompt prompt = Prompt();
  for (int attempt = 0; attempt < 3; ++attempt) {
    gStopRequested = true;
    const PromptOkOutcome outcome = prompt.Ok("amen ");
    EXPECT_EQ(outcome.result, PromptResult::TryAgain);
    EXPECT_FALSE(gStopRequested);
    ASSERT_TRUE(outcome.message.has_value());
    EXPECT_EQ(outcome.message->title, "Error");
    EXPECT_EQ(outcome.message->text,
              "Incorrect password;\r\n\r\nCheck your screen saver password and\r\ntry again.");
  }
  EXPECT_EQ(prompt.Ok("AMEN").result, PromptResult::EndSaver);
}

TEST_F(PasswordPromptTest, WithNoPasswordSetOnlyAnEmptyEntryEndsTheSaver) {
  EXPECT_EQ(Prompt().Ok("x").result, PromptResult::TryAgain);
  EXPECT_EQ(Prompt().Ok("").result, PromptResult::EndSaver);
}

TEST_F(PasswordPromptTest, ChecksThePasswordStoredAtTheMomentOfEachTry) {
  StorePassword("old");
  PasswordPrompt prompt = Prompt();
  StorePassword("new");
  EXPECT_EQ(prompt.Ok("old").result, PromptResult::TryAgain);
  EXPECT_EQ(prompt.Ok("new").result, PromptResult::EndSaver);
}

TEST_F(PasswordPromptTest, ClosingSendsTheSaverBackToWork) {
  PasswordPrompt prompt = Prompt();
  prompt.Load();
  prompt.Close();
  EXPECT_FALSE(gStopRequested);
  EXPECT_TRUE(gPromptShown) << "the main loop clears it on its next pass";
}

}  // namespace
}  // namespace sovelin
