#pragma once

#include <cstdint>

#include "common/clock.h"

namespace sovelin {

// Days from 1 January 1970 to `date` in the Gregorian calendar (negative before it).
int64_t DayNumber(CivilDate date);

// The verse of the day numbered `day` (DayNumber) in a list of `verseCount` verses, 1 to
// verseCount: the same for every start on that day and on every computer with a list of that
// length. Day by day the list is walked with a fixed stride of about 38 % of its length that
// shares no factor with it, so every verse has its day once in verseCount days and two days
// running never show the same or neighbouring lines of the file. Lists of six verses go 1, 3,
// 5, 2, 4, 6 (no stride would do); with two to four verses neighbours cannot be avoided and the
// days go round in order.
int32_t DailyVerseIndex(int64_t day, int32_t verseCount);

}  // namespace sovelin
