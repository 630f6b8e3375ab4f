#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "common/random_source.h"

namespace sovelin {

// Test double: hands out a fixed list of values in order and counts reseeds.
// Running past the end of the script is a test failure.
class ScriptedRandom final : public RandomSource {
 public:
  ScriptedRandom(std::initializer_list<float> values = {}) : values_(values) {}
  explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}

  float Next() override {
    if (next_ >= values_.size()) {
      ADD_FAILURE() << "scripted random values exhausted after " << next_;
      return 0.0f;
    }
    return values_[next_++];
  }
  void Reseed() override { ++reseeds; }

  void Add(std::initializer_list<float> values) { values_.insert(values_.end(), values); }
  size_t Used() const { return next_; }
  size_t Left() const { return values_.size() - next_; }

  int reseeds = 0;

 private:
  std::vector<float> values_;
  size_t next_ = 0;
};

}  // namespace sovelin
