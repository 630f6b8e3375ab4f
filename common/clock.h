#pragma once

#include <chrono>

namespace sovelin {

// A monotonic clock, injectable so that pacing can be tested without waiting.
class MonotonicClock {
 public:
  virtual ~MonotonicClock() = default;
  virtual std::chrono::microseconds Now() const = 0;
};

class SteadyClock final : public MonotonicClock {
 public:
  std::chrono::microseconds Now() const override {
    return std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
  }
};

}  // namespace sovelin
