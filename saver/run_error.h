#pragma once

#include <string>
#include <string_view>

namespace sovelin {

// The title of every message box that names no title of its own.
inline constexpr std::string_view kProgramTitle = "Sovelin V30";

inline constexpr int kFileNotFoundError = 53;

// The text shown when the run fails because a file was not found.
std::string FileNotFoundMessage();

// The text shown when the run fails for any other reason.
std::string UnexpectedErrorMessage(int number, std::string_view description);

}  // namespace sovelin
