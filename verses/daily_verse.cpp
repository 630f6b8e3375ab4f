#include "verses/daily_verse.h"

#include <array>
#include <numeric>

namespace sovelin {

namespace {

// The stride through a list of n verses: the whole number nearest to 38.2 % of n (the smaller
// golden section, so that the verses of nearby days lie far apart) that shares no factor with n
// and moves at least two lines either way; 1 where there is none.
int64_t DailyStride(int64_t n) {
  const int64_t target = n * 382 / 1000;
  for (int64_t distance = 0; distance < n; ++distance) {
    for (const int64_t stride : {target + distance, target - distance}) {
      if (stride >= 2 && stride <= n - 2 && std::gcd(stride, n) == 1) return stride;
    }
  }
  return 1;
}

// The remainder of a / n that is never negative, for days before 1970.
int64_t Modulo(int64_t a, int64_t n) {
  const int64_t r = a % n;
  return r < 0 ? r + n : r;
}

}  // namespace

int64_t DayNumber(CivilDate date) {
  // Counted from 1 March of year 0, so that the leap day ends the year: each 400-year era has
  // 146097 days, and a year's days before a month follow (153 * month + 2) / 5.
  const int64_t year = date.month <= 2 ? date.year - 1 : date.year;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t month = date.month > 2 ? date.month - 3 : date.month + 9;
  const int64_t dayOfYear = (153 * month + 2) / 5 + date.day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;  // 719468: days from 1 March of year 0 to 1970
}

int32_t DailyVerseIndex(int64_t day, int32_t verseCount) {
  if (verseCount <= 1) return verseCount < 1 ? 0 : 1;
  const int64_t n = verseCount;
  const int64_t turn = Modulo(day, n);
  if (n == 6) {
    constexpr std::array<int32_t, 6> kSixVerses = {1, 3, 5, 2, 4, 6};
    return kSixVerses[static_cast<size_t>(turn)];
  }
  return static_cast<int32_t>(turn * DailyStride(n) % n + 1);
}

}  // namespace sovelin
