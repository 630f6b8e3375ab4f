// The fuzz harnesses' check: any broken expectation aborts, which libFuzzer reports as a crash.
#pragma once
#include <cstdlib>

inline void Require(bool condition) {
  if (!condition) std::abort();
}
