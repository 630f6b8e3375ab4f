#include "saver/run_error.h"

namespace sovelin {

std::string FileNotFoundMessage() {
  return "The file of verses does not seem to be located in the same directory as the screen "
         "saver!\r\n\r\n"
         "Make sure that the following 2 files are placed in your Windows directory:\r\n"
         "  1. Sovelin V30.scr\r\n"
         "  2. sovel.vrs";
}

std::string UnexpectedErrorMessage(int number, std::string_view description) {
  std::string text = "Unexpected Error # " + std::to_string(number) + "\r\n";
  text.append(description);
  text += "\r\n\r\nAborting.";
  return text;
}

}  // namespace sovelin
