#pragma once

#include <windows.h>

#include "common/clock.h"

namespace sovelin {

// The system's local date, as the clock in the taskbar shows it.
class SystemCalendar final : public LocalCalendar {
 public:
  CivilDate Today() const override {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
  }
};

}  // namespace sovelin
