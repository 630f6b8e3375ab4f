#include "saver/run_error.h"

#include <gtest/gtest.h>

namespace sovelin {
namespace {

TEST(RunError, MessagesCarryTheirExactTexts) {
  EXPECT_EQ(FileNotFoundMessage(),
            "The file of verses does not seem to be located in the same directory as the screen "
            "saver!\r\n\r\nMake sure that the following 2 files are placed in your Windows "
            "directory:\r\n  1. Sovelin V30.scr\r\n  2. sovel.vrs");
  EXPECT_EQ(UnexpectedErrorMessage(7, "Out of memory"),
            "Unexpected Error # 7\r\nOut of memory\r\n\r\nAborting.");
}

}  // namespace
}  // namespace sovelin
