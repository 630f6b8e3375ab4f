#include "common/random_source.h"

#include <chrono>

namespace sovelin {

float ClockSeededRandom::Next() {
  // 24 random bits give every float in [0, 1) with a step of 2^-24, never 1.
  return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

void ClockSeededRandom::Reseed() {
  // Two seeds taken within one clock tick must still differ.
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32), ++reseeds_};
  engine_.seed(seed);
}

}  // namespace sovelin
