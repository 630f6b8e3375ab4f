#include "setup/help_texts.h"

#include <gtest/gtest.h>

namespace sovelin {
namespace {

TEST(HelpTexts, TitlesAndTextsAreTheProgramsOwn) {
  const SetupMessage& display = HelpMessage(HelpTopic::kDisplay);
  EXPECT_EQ(display.title, "Help for Verse Display Options");
  EXPECT_EQ(display.icon, MessageIcon::kInformation);
  EXPECT_TRUE(display.text.starts_with(
      "Select the type of background for the Bible verse.\r\n\r\nNote: When selecting"));
  EXPECT_TRUE(display.text.ends_with("alternate between white, cyan, and yellow."));

  EXPECT_EQ(HelpMessage(HelpTopic::kSpeed).title, display.title);
  EXPECT_EQ(HelpMessage(HelpTopic::kFreq).title, display.title);
  EXPECT_EQ(HelpMessage(HelpTopic::kFreq).text,
            "Select how often you want the Bible verse to change.");
  EXPECT_NE(HelpMessage(HelpTopic::kSpeed)
                .text.find("screen.  The speed you select will be the "
                           "maximum speed.  Each time"),
            std::string_view::npos);

  const SetupMessage& background = HelpMessage(HelpTopic::kBackground);
  EXPECT_EQ(background.title, "Help with background settings");
  EXPECT_NE(background.text.find("current screen.\r\n\r\nThe background display option"),
            std::string_view::npos);
  EXPECT_EQ(HelpMessage(HelpTopic::kPassword).title, "Help with password setting");
  EXPECT_TRUE(HelpMessage(HelpTopic::kPassword).text.ends_with("without the password."));
}

}  // namespace
}  // namespace sovelin
