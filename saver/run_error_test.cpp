#include "saver/run_error.h"

#include <gtest/gtest.h>

namespace sovelin {
namespace {

TEST(RunError, AnUnexpectedErrorShowsItsNumberAndDescription) {
  EXPECT_EQ(UnexpectedErrorMessage(7, "Out of memory"),
            "Unexpected Error # 7\r\nOut of memory\r\n\r\nAborting.");
}

}  // namespace
}  // namespace sovelin
