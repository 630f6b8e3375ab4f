#pragma once

#include <windows.h>

#include <chrono>

namespace sovelin {

// True where plain sleeps are already precise to about a millisecond: under Wine, whose
// sleeps wake on the host's timers. There a wait on a waitable timer would only cost two
// more round trips to the wineserver.
bool SleepsArePrecise();

// The queue events that end a wait for input: `mask` (QS_ALLINPUT, QS_INPUT...) with touch
// and pen input added where Windows knows them (Windows 8 on; Windows 7 refuses a mask with
// bits it does not know).
DWORD WithTouchAndPen(DWORD mask);

// Waits precise to about a millisecond for as long as the object lives (one saver run).
// Windows wakes plain sleeps on its timer tick, by default every 15.6 ms, which would place
// the verse window at Fast and Fastest every second display frame in jumps twice as large.
// Where Windows offers a high-resolution waitable timer (Windows 10 1803 on), the waits run
// on it; elsewhere the system's timer resolution is raised to 1 ms until the run ends. Where
// sleeps are precise anyway, they stay plain sleeps.
class PreciseWaits final {
 public:
  explicit PreciseWaits(bool sleepsArePrecise = SleepsArePrecise());
  ~PreciseWaits();
  PreciseWaits(const PreciseWaits&) = delete;
  PreciseWaits& operator=(const PreciseWaits&) = delete;

  // Sleeps for `wait` without looking at the message queue.
  void Sleep(std::chrono::microseconds wait) const;
  // Waits for `wait`, or until input or another message arrives; true when a message ended
  // the wait.
  bool WaitForMessage(std::chrono::microseconds wait) const;

  // True when the waits run on a high-resolution waitable timer.
  bool UsesTimer() const { return timer_ != nullptr; }

 private:
  // Starts the timer so that it signals once, `wait` from now.
  bool StartTimer(std::chrono::microseconds wait) const;

  HANDLE timer_ = nullptr;
  bool raisedResolution_ = false;
};

}  // namespace sovelin
