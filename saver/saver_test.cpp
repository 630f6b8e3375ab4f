#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <tuple>
#include <utility>

#include "common/clock.h"
#include "saver/pass_pacer.h"

namespace sovelin {
namespace {

struct FakeClock final : MonotonicClock {
  std::chrono::microseconds Now() const override { return now; }
  std::chrono::microseconds now{5'000'000};
};

using std::chrono::microseconds;

TEST(PassPacer, SaysHowLongUntilPassesAreDueAndALongStallIsNotCaughtUp) {
  FakeClock clock;
  PassPacer pacer(clock, 1200);
  EXPECT_EQ(pacer.TimeUntil(15), microseconds(12'500));
  clock.now += microseconds(12'500);
  EXPECT_EQ(pacer.TimeUntil(15), microseconds(0));
  EXPECT_EQ(pacer.TakeDuePasses(), 15);
  EXPECT_EQ(pacer.TimeUntil(1), microseconds(834));  // rounds up: never wakes too early
  // A long stall beyond the planned sleep does not make the saver jump ahead.
  clock.now += std::chrono::seconds(60);  // e.g. a modal prompt
  EXPECT_EQ(pacer.TakeDuePasses(), 120);  // a tenth of a second
  clock.now += microseconds(10'000);
  EXPECT_EQ(pacer.TakeDuePasses(), 12);
  clock.now += std::chrono::seconds(60);  // a planned sleep is caught up, a stall is not
  EXPECT_EQ(pacer.TakeDuePasses(300), 420);

  MovePacing pacing(clock, 28);
  pacing.PlanSleep(8);  // 8 moves of 29 passes: 232 planned
  clock.now += std::chrono::seconds(60);
  EXPECT_EQ(pacing.TakeDueMoves(), 12);  // 232 + 120 passes hold 12 moves of 29
}

// The main loop's pacing over simulated time: it sleeps until the next move that changes a
// pixel (15 twips a pixel), and not less than a frame, then runs the moves that came due.
TEST(MovePacing, EverySpeedRunsItsNominalMoveRate) {
  const int16_t moveDelays[] = {28, 21, 14, 7, 0};  // Speed 0 to 4
  const std::pair<int32_t, int32_t> steps[] = {{1, 1}, {1, -1}, {2, 1}};
  for (int speed = 0; speed <= 4; ++speed) {
    for (const auto& [dx, dy] : steps) {
      FakeClock clock;
      MovePacing pacing(clock, moveDelays[speed]);
      const microseconds frame(speed >= 3 ? 16'667 : 50'000);
      int32_t left = 7, top = 7;
      int64_t moves = 0;
      while (clock.now < microseconds(5'000'000 + 60'000'000)) {
        clock.now += pacing.PlanSleep(MovesUntilPixelChange(left, top, dx, dy, 15, 15), frame);
        for (int64_t due = pacing.TakeDueMoves(); due > 0; --due, ++moves) {
          left += dx;
          top += dy;
        }
      }
      const double nominal = 60.0 * 1200 / (moveDelays[speed] + 1);  // 1200 passes a second
      EXPECT_NEAR(moves, nominal, nominal / 100) << speed << " " << dx << "," << dy;
    }
  }
}

// Moves that cost more than their period (due 10 at once) run within the 40 ms budget: moves of
// 10 ms start at 0, 10, 20 and 30 ms and the one due at 40 ms is dropped; at 9.999 ms a fifth
// starts at 39.996 ms. A key pressed during the last move (at 35 ms) is still seen, one after
// it (45 ms) is the next wake-up's. Moves of 3 ms look at the input every 5 ms: a key at 7 ms
// is seen at 12 ms, after 4 moves. Free moves never look, even with a key waiting.
TEST(RunDueMoves, RunsTheMovesThatStartWithinTheBudgetAndSeesAKeyWithinAMove) {
  // {cost of a move, key pressed at, moves run, stop seen}, in microseconds
  for (const auto& [cost, keyAt, moves, stopped] :
       {std::tuple(10'000, 35'000, 4, true), std::tuple(10'000, 45'000, 4, false),
        std::tuple(9'999, 60'000, 5, false), std::tuple(3'000, 7'000, 4, true),
        std::tuple(0, 0, 10, false)}) {
    FakeClock clock;
    const microseconds start = clock.now;
    int ran = 0;
    EXPECT_EQ(RunDueMoves(
                  10, clock, [&] { clock.now += microseconds(cost), ++ran; },
                  [&] { return clock.now - start >= microseconds(keyAt); }),
              stopped);
    EXPECT_EQ(ran, moves) << cost;
  }
}

TEST(MovesUntilPixelChange, CountsTheMovesThatChangeNothingOnScreen) {
  EXPECT_EQ(MovesUntilPixelChange(0, 0, 3, 4, 15, 15), 2);   // y reaches 8 twips: pixel 1
  EXPECT_EQ(MovesUntilPixelChange(0, 0, 1, -1, 15, 15), 8);  // x at 8 or y at -8 twips
  EXPECT_EQ(MovesUntilPixelChange(7, 7, 25, 0, 15, 15), 1);
  EXPECT_EQ(MovesUntilPixelChange(0, 0, 0, 0, 15, 15), 64);  // never: wakes after the limit
  EXPECT_EQ(MovesUntilPixelChange(0, 0, 1, 1, 15, 15, 5), 5);
}

}  // namespace
}  // namespace sovelin
