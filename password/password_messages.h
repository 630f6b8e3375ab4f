#pragma once

#include <string_view>

namespace sovelin {

// A user error reported by a password dialog: a message box with this title and text, the
// critical-stop icon and a single OK button.
struct ErrorMessage {
  std::string_view title;
  std::string_view text;

  friend bool operator==(const ErrorMessage&, const ErrorMessage&) = default;
};

inline constexpr std::string_view kErrorTitle = "Error";

inline constexpr ErrorMessage kIncorrectPasswordMessage{
    kErrorTitle, "Incorrect password;\r\n\r\nCheck your screen saver password and\r\ntry again."};

inline constexpr ErrorMessage kWrongOldPasswordMessage{
    kErrorTitle, "The value for Old Password is not correct!\r\n\r\nTry again."};

inline constexpr ErrorMessage kNewPasswordMismatchMessage{
    kErrorTitle,
    "The valus for New Password and\r\nRetype New Password do not match!\r\n\r\nTry again."};

}  // namespace sovelin
