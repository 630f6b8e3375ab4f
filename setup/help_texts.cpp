#include "setup/help_texts.h"

namespace sovelin {

namespace {

// The speed and frequency help share the display help's title.
constexpr std::string_view kVerseHelpTitle = "Help for Verse Display Options";

constexpr SetupMessage kDisplayHelp{
    kVerseHelpTitle,
    "Select the type of background for the Bible verse.\r\n\r\n"
    "Note: When selecting your own color for the background of the 'Box' or 'Oval', please "
    "note that the text colors for those 2 windows will alternate between white, cyan, and "
    "yellow.",
    MessageIcon::kInformation};

constexpr SetupMessage kSpeedHelp{
    kVerseHelpTitle,
    "Select how fast you want the Bible verse to move across the screen.  The speed you select "
    "will be the maximum speed.  Each time the verse hits a side of the screen, it will vary "
    "the speed.",
    MessageIcon::kInformation};

constexpr SetupMessage kFreqHelp{kVerseHelpTitle,
                                 "Select how often you want the Bible verse to change.",
                                 MessageIcon::kInformation};

constexpr SetupMessage kBackgroundHelp{
    "Help with background settings",
    "The clear background setting will clear the screen at the beginning of the screen saver.  "
    "With this option turned off, the Bible verse will float over your current screen.\r\n\r\n"
    "The background display option allows you to decide what to display behind the floating "
    "verse on top of your desktop.",
    MessageIcon::kInformation};

constexpr SetupMessage kPasswordHelp{
    "Help with password setting",
    "This option will allow you to set a password for stopping the screen saver.\r\n\r\n"
    "When the password option is turned on, nobody will be able to stop the screen saver "
    "without the password.",
    MessageIcon::kInformation};

}  // namespace

const SetupMessage& HelpMessage(HelpTopic topic) {
  switch (topic) {
    case HelpTopic::kDisplay: return kDisplayHelp;
    case HelpTopic::kSpeed: return kSpeedHelp;
    case HelpTopic::kFreq: return kFreqHelp;
    case HelpTopic::kBackground: return kBackgroundHelp;
    case HelpTopic::kPassword: break;
  }
  return kPasswordHelp;
}

std::optional<HelpTopic> HelpTopicFor(ControlId id) {
  switch (id) {
    case kCmdDisplayHelp: return HelpTopic::kDisplay;
    case kCmdSpeedHelp: return HelpTopic::kSpeed;
    case kCmdFreqHelp: return HelpTopic::kFreq;
    case kCmdBackgroundHelp: return HelpTopic::kBackground;
    case kCmdPasswordHelp: return HelpTopic::kPassword;
    default: return std::nullopt;
  }
}

}  // namespace sovelin
