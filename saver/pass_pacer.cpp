#include "saver/pass_pacer.h"

#include <algorithm>

#include "common/numbers.h"

namespace sovelin {

PassPacer::PassPacer(const MonotonicClock& clock, int64_t passesPerSecond)
    : clock_(clock), passesPerSecond_(passesPerSecond), origin_(clock.Now()) {}

int64_t PassPacer::PassesAt(std::chrono::microseconds time) const {
  return (time - origin_).count() * passesPerSecond_ / 1'000'000;
}

std::chrono::microseconds PassPacer::TimeOfPass(int64_t pass) const {
  // The first microsecond at which `pass` passes are due (rounding up).
  return origin_ +
         std::chrono::microseconds((pass * 1'000'000 + passesPerSecond_ - 1) / passesPerSecond_);
}

int64_t PassPacer::TakeDuePasses(int64_t plannedPasses) {
  const int64_t due = std::max<int64_t>(PassesAt(clock_.Now()) - taken_, 0);
  taken_ += due;  // a backlog beyond the cap is dropped
  return std::min(due, std::max<int64_t>(plannedPasses, 0) + kMaxCatchUpPasses);
}

int64_t PassPacer::PassesDueWithin(std::chrono::microseconds wait) const {
  return std::max<int64_t>(PassesAt(clock_.Now() + wait) - taken_, 0);
}

std::chrono::microseconds PassPacer::TimeUntil(int64_t passes) const {
  const auto wait = TimeOfPass(taken_ + passes) - clock_.Now();
  return std::max(wait, std::chrono::microseconds(0));
}

bool MoveCounter::Pass() {
  ++counter_;
  if (counter_ <= gMoveDelay) return false;
  counter_ = 0;
  return true;
}

namespace {

double NearestPixel(int64_t twips, int twipsPerPixel) {
  return RoundHalfEven(static_cast<double>(twips) / twipsPerPixel);
}

}  // namespace

int64_t MovesUntilPixelChange(int32_t left, int32_t top, int32_t dx, int32_t dy, int twipsPerPixelX,
                              int twipsPerPixelY, int64_t limit) {
  const double x = NearestPixel(left, twipsPerPixelX);
  const double y = NearestPixel(top, twipsPerPixelY);
  for (int64_t moves = 1; moves < limit; ++moves) {
    if (NearestPixel(left + moves * dx, twipsPerPixelX) != x) return moves;
    if (NearestPixel(top + moves * dy, twipsPerPixelY) != y) return moves;
  }
  return limit;
}

int64_t MoveCounter::PassesToNextMove() const {
  return std::max(gMoveDelay + 1 - counter_, 1);
}

MovePacing::MovePacing(const MonotonicClock& clock, int16_t moveDelay, int64_t passesPerSecond)
    : pacer_(clock, passesPerSecond), moves_(moveDelay), moveDelay_(moveDelay) {}

std::chrono::microseconds MovePacing::PlanSleep(int64_t movesUntilVisible,
                                                std::chrono::microseconds atLeast) {
  const int64_t quietMoves = std::max<int64_t>(movesUntilVisible - 1, 0);
  const int64_t passes = moves_.PassesToNextMove() + quietMoves * (moveDelay_ + 1);
  const auto wait = std::max(pacer_.TimeUntil(passes), atLeast);
  plannedPasses_ = pacer_.PassesDueWithin(wait);
  return wait;
}

int64_t MovePacing::TakeDueMoves() {
  int64_t moves = 0;
  for (int64_t due = pacer_.TakeDuePasses(plannedPasses_); due > 0; --due) moves += moves_.Pass();
  plannedPasses_ = 0;
  return moves;
}

bool RunDueMoves(int64_t due, const MonotonicClock& clock, const std::function<void()>& move,
                 const std::function<bool()>& stopRequested) {
  const auto start = clock.Now();
  auto looked = start;
  for (; due > 0; --due) {
    const auto now = clock.Now();
    if (now - start >= kCatchUpBudget) return stopRequested();
    if (now - looked >= kInputCheckInterval) {
      if (stopRequested()) return true;
      looked = clock.Now();
    }
    move();
  }
  return false;
}

}  // namespace sovelin
