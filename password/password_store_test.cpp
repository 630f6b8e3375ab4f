#include "password/password_store.h"

#include <gtest/gtest.h>

namespace sovelin {
namespace {

bool Matches(std::string_view typed, const SettingsStore& store) {
  return PasswordMatches(typed, store, UpperCaseWindows1252);
}

TEST(PasswordMatches, ComparesScrambledTextsUpToTheLongestPassword) {
  MemorySettingsStore store;
  SavePassword(store, ScramblePassword("Secret", UpperCaseWindows1252));
  EXPECT_TRUE(Matches("SECRET", store));
  EXPECT_FALSE(Matches("secre", store));
  EXPECT_FALSE(Matches("", store));

  const std::string longest(kMaxPasswordLength, 'k');
  SavePassword(store, ScramblePassword(longest, UpperCaseWindows1252));
  EXPECT_TRUE(Matches(std::string(kMaxPasswordLength, 'K'), store));
  // From 256 characters on the keys leave the byte range; such a text is refused, not fatal.
  EXPECT_FALSE(Matches(longest + "k", store));
  EXPECT_EQ(ScramblePassword(std::string(300, 'z'), UpperCaseWindows1252).size(), 300u);
}

TEST(PasswordMatches, WithoutAPasswordOnlyTheEmptyEntryMatches) {
  MemorySettingsStore store;
  EXPECT_TRUE(Matches("", store));
  EXPECT_FALSE(Matches("0", store));
  // A stored "0" means no password, as the change dialog treats it; no typed text scrambles
  // to it, so without this the saver could never be stopped.
  SavePassword(store, "0");
  EXPECT_TRUE(Matches("", store));
  EXPECT_FALSE(Matches("x", store));
}

}  // namespace
}  // namespace sovelin
