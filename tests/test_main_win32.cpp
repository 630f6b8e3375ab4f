#include <gtest/gtest.h>

// The Windows tests share one entry point: plain GoogleTest, run under Wine.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
