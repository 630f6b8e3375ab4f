#include "password/upper_case_win32.h"

#include <windows.h>

namespace sovelin {

uint8_t UpperCaseSystem(uint8_t code) {
  char character = static_cast<char>(code);
  CharUpperBuffA(&character, 1);
  return static_cast<uint8_t>(character);
}

}  // namespace sovelin
