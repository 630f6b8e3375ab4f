#pragma once

#include <cstdint>
#include <random>

namespace sovelin {

// The program's one pseudo-random generator: single-precision values in [0, 1).
// Tests inject a scripted sequence; the product seeds from the clock.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // The next value, 0 <= value < 1.
  virtual float Next() = 0;
  // Seeds the generator anew from the system clock.
  virtual void Reseed() = 0;
};

class ClockSeededRandom final : public RandomSource {
 public:
  ClockSeededRandom() { Reseed(); }
  float Next() override;
  void Reseed() override;

 private:
  std::mt19937 engine_;
  uint32_t reseeds_ = 0;
};

}  // namespace sovelin
