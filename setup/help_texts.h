#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "setup/setup_form.h"

namespace sovelin {

// The icon of a message box.
enum class MessageIcon : uint8_t { kInformation, kExclamation, kCritical };

// A modal message box with an OK button only.
struct SetupMessage {
  std::string_view title;
  std::string_view text;  // line breaks are "\r\n"
  MessageIcon icon = MessageIcon::kInformation;
};

// The tabs that have a help button.
enum class HelpTopic : uint8_t { kDisplay, kSpeed, kFreq, kBackground, kPassword };

// The message a help button shows: its title, its text and the information icon.
const SetupMessage& HelpMessage(HelpTopic topic);

// The topic of a help button, or nothing for any other control.
std::optional<HelpTopic> HelpTopicFor(ControlId id);

}  // namespace sovelin
