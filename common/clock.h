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

namespace sovelin {

// A day of the calendar in local time: year, month 1..12, day 1..31.
struct CivilDate {
  int year = 1970;
  int month = 1;
  int day = 1;

  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Today's date where the computer stands, injectable so that what depends on the day can be
// tested for any date and across midnight.
class LocalCalendar {
 public:
  virtual ~LocalCalendar() = default;
  virtual CivilDate Today() const = 0;
};

}  // namespace sovelin
