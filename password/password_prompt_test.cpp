// The real saver's prompt (tests/password_saver_win32_test.cpp) refuses a wrong password with
// its message, goes back on Cancel and ends on the right one; here the rules it cannot see.
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

TEST_F(PasswordPromptTest, ThePasswordIsReadAfreshAtEachTryAndEndingWritesNothing) {
  StorePassword("amen");
  PasswordPrompt prompt = Prompt();
  EXPECT_EQ(prompt.Ok("amen ").result, PromptResult::TryAgain);
  EXPECT_FALSE(gStopRequested);
  StorePassword("new");
  EXPECT_EQ(prompt.Ok("amen").result, PromptResult::TryAgain);
  const PromptOkOutcome outcome = prompt.Ok("NEW");
  EXPECT_EQ(outcome.result, PromptResult::EndSaver);
  EXPECT_TRUE(outcome.stopSaverRunning);
  EXPECT_EQ(store.writeOrder.size(), 2u) << "only the two passwords stored here";

  settings.gPWProtected = -1;  // only a protected saver is told to stop running
  EXPECT_FALSE(Prompt().Ok("new").stopSaverRunning);
}

TEST_F(PasswordPromptTest, LoadingMarksThePromptShownAndClosingResumesTheSaver) {
  PasswordPrompt prompt = Prompt();
  prompt.Load();
  EXPECT_TRUE(gPromptShown);
  EXPECT_TRUE(gStopRequested);
  gStopRequested = true;
  prompt.Close();
  EXPECT_FALSE(gStopRequested);
  EXPECT_EQ(prompt.Ok("").result, PromptResult::EndSaver) << "no password set";
}

}  // namespace
}  // namespace sovelin
