#include "saver/precise_waits_win32.h"

#include <mmsystem.h>
#include <versionhelpers.h>

#include <algorithm>
#include <cstdint>

namespace sovelin {

namespace {

// Missing from older headers; older Windows refuses the flag and the timer is not made.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr DWORD CREATE_WAITABLE_TIMER_HIGH_RESOLUTION = 0x00000002;
#endif

constexpr UINT kFinestPeriodMs = 1;

// QS_TOUCH and QS_POINTER, which the headers define for Windows 8 on only.
constexpr DWORD kTouchAndPenInput = 0x0800 | 0x1000;

DWORD WholeMilliseconds(std::chrono::microseconds wait) {
  return static_cast<DWORD>((wait.count() + 999) / 1000);
}

}  // namespace

DWORD WithTouchAndPen(DWORD mask) {
  static const bool known = IsWindows8OrGreater();
  return known ? mask | kTouchAndPenInput : mask;
}

bool SleepsArePrecise() {
  // Wine's own mark, which programs are told to look for to recognise it.
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

PreciseWaits::PreciseWaits(bool sleepsArePrecise) {
  if (sleepsArePrecise) return;
  timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                  TIMER_ALL_ACCESS);
  if (!timer_) raisedResolution_ = timeBeginPeriod(kFinestPeriodMs) == TIMERR_NOERROR;
}

PreciseWaits::~PreciseWaits() {
  if (timer_) CloseHandle(timer_);
  if (raisedResolution_) timeEndPeriod(kFinestPeriodMs);
}

bool PreciseWaits::StartTimer(std::chrono::microseconds wait) const {
  // A negative due time is relative, in 100 ns units.
  LARGE_INTEGER due{};
  due.QuadPart = -10 * std::max<int64_t>(wait.count(), 1);
  return SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE);
}

void PreciseWaits::Sleep(std::chrono::microseconds wait) const {
  if (timer_ && StartTimer(wait)) {
    WaitForSingleObject(timer_, INFINITE);
    return;
  }
  ::Sleep(WholeMilliseconds(wait));
}

bool PreciseWaits::WaitForMessage(std::chrono::microseconds wait) const {
  if (timer_ && StartTimer(wait)) {
    const DWORD woke = MsgWaitForMultipleObjectsEx(
        1, &timer_, INFINITE, WithTouchAndPen(QS_ALLINPUT), MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0 + 1) CancelWaitableTimer(timer_);
    return woke != WAIT_OBJECT_0;
  }
  return MsgWaitForMultipleObjectsEx(0, nullptr, WholeMilliseconds(wait),
                                     WithTouchAndPen(QS_ALLINPUT),
                                     MWMO_INPUTAVAILABLE) != WAIT_TIMEOUT;
}

}  // namespace sovelin
