#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "common/clock.h"

namespace sovelin {

// The main loop runs its passes at this fixed rate, measured on a monotonic clock, so that
// the verse window's speed does not depend on how fast the machine is. At Normal speed a
// move every 15 passes of 3 to 6 twips per axis drifts about 27 to 42 pixels per second at
// 96 DPI.
inline constexpr int64_t kPassesPerSecond = 1200;

// The most passes one wake-up catches up on beyond those its planned sleep covered. After a
// long stall (a modal prompt, a busy machine) the saver carries on from where it stood
// instead of jumping ahead.
inline constexpr int64_t kMaxCatchUpPasses = kPassesPerSecond / 10;

// Counts the passes that have come due on the clock.
class PassPacer {
 public:
  PassPacer(const MonotonicClock& clock, int64_t passesPerSecond = kPassesPerSecond);

  // The passes due since the previous call, at most `plannedPasses` (those a sleep the
  // caller planned was meant to cover) plus kMaxCatchUpPasses; the rest is dropped as a stall.
  int64_t TakeDuePasses(int64_t plannedPasses = 0);

  // How many passes come due within `wait` from now.
  int64_t PassesDueWithin(std::chrono::microseconds wait) const;

  // How long from now until `passes` more passes are due; zero when they already are.
  std::chrono::microseconds TimeUntil(int64_t passes) const;

 private:
  int64_t PassesAt(std::chrono::microseconds time) const;
  std::chrono::microseconds TimeOfPass(int64_t pass) const;

  const MonotonicClock& clock_;
  int64_t passesPerSecond_;
  std::chrono::microseconds origin_;
  int64_t taken_ = 0;
};

// Counts passes between two moves of the verse window: a move comes every gMoveDelay + 1
// passes.
class MoveCounter {
 public:
  explicit MoveCounter(int16_t moveDelay) : gMoveDelay(moveDelay) {}

  // Runs one pass; true when this pass moves the verse window.
  bool Pass();

  // Passes still to run before the next move, counting the moving pass.
  int64_t PassesToNextMove() const;

 private:
  int16_t gMoveDelay;
  int32_t counter_ = 0;
};

// How many moves by (dx, dy) twips from (left, top) it takes before the window's nearest
// pixel changes on either axis, at most `limit`. The main loop sleeps until then: moves
// that change nothing on the screen need no wake-up.
int64_t MovesUntilPixelChange(int32_t left, int32_t top, int32_t dx, int32_t dy, int twipsPerPixelX,
                              int twipsPerPixelY, int64_t limit = 64);

// The pacing the main loop runs on: passes counted on the clock, a move every
// gMoveDelay + 1 passes, and sleeps planned up to the next move that changes a pixel.
// Waking at the end of a planned sleep is never taken for a stall, however long the sleep.
class MovePacing {
 public:
  MovePacing(const MonotonicClock& clock, int16_t moveDelay,
             int64_t passesPerSecond = kPassesPerSecond);

  // How long to sleep when the next `movesUntilVisible` moves, counting the one that shows,
  // change nothing before the last one, and not less than `atLeast`.
  std::chrono::microseconds PlanSleep(int64_t movesUntilVisible,
                                      std::chrono::microseconds atLeast = {});

  // The moves due now, since the previous call.
  int64_t TakeDueMoves();

 private:
  PassPacer pacer_;
  MoveCounter moves_;
  int16_t moveDelay_;
  int64_t plannedPasses_ = 0;
};

// The longest one wake-up of the main loop spends on the moves that came due; those left are
// dropped. A machine on which a move costs more than its period then moves the window less
// often instead of falling ever further behind.
inline constexpr std::chrono::microseconds kCatchUpBudget{40'000};

// How often input is looked at between moves while they run long.
inline constexpr std::chrono::microseconds kInputCheckInterval{5'000};

// Runs up to `due` moves one after another, within kCatchUpBudget. Once they have run for
// kInputCheckInterval since the wake-up (or the last look), `stopRequested` looks at the input
// that arrived meanwhile before the next move; when it says stop, no further move runs. Returns
// true when a stop was seen.
bool RunDueMoves(int64_t due, const MonotonicClock& clock, const std::function<void()>& move,
                 const std::function<bool()>& stopRequested);

}  // namespace sovelin
