#pragma once

#include <cstdint>

namespace sovelin {

// Upper-cases one character of the system's single-byte code page by the system's rules for
// the user's locale; the UpperCaser that the password dialogs pass to the scrambling.
uint8_t UpperCaseSystem(uint8_t code);

}  // namespace sovelin
