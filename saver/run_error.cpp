#include "saver/run_error.h"

#include "common/texts.h"

namespace sovelin {

std::string FileNotFoundMessage() {
  return std::string(
      Tr("The file of verses does not seem to be located in the same directory as the screen "
         "saver!\r\n\r\n"
         "Make sure that the following 2 files are placed in your Windows directory:\r\n"
         "  1. Sovelin V30.scr\r\n"
         "  2. sovel.vrs"));
}

std::string UnexpectedErrorMessage(int number, std::string_view description) {
  return FormatText(Tr("Unexpected Error # %s\r\n%s\r\n\r\nAborting."),
                    {std::to_string(number), Tr(description)});
}

}  // namespace sovelin
