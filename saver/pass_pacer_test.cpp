#include "saver/pass_pacer.h"

#include <gtest/gtest.h>

namespace sovelin {
namespace {

class FakeClock final : public MonotonicClock {
 public:
  std::chrono::microseconds Now() const override { return now; }
  std::chrono::microseconds now{5'000'000};
};

using std::chrono::microseconds;

TEST(PassPacer, CountsPassesAtTheFixedRateWhateverTheWakeUps) {
  FakeClock clock;
  PassPacer pacer(clock, 1200);
  EXPECT_EQ(pacer.TakeDuePasses(), 0);
  int64_t total = 0;
  for (int i = 0; i < 100; ++i) {  // uneven wake-ups over one second
    clock.now += microseconds(i % 2 ? 7'000 : 13'000);
    total += pacer.TakeDuePasses();
  }
  EXPECT_EQ(total, 1200);
}

TEST(PassPacer, SaysHowLongUntilPassesAreDue) {
  FakeClock clock;
  PassPacer pacer(clock, 1200);
  EXPECT_EQ(pacer.TimeUntil(15), microseconds(12'500));
  clock.now += microseconds(12'500);
  EXPECT_EQ(pacer.TimeUntil(15), microseconds(0));
  EXPECT_EQ(pacer.TakeDuePasses(), 15);
  EXPECT_EQ(pacer.TimeUntil(1), microseconds(834));  // rounds up: never wakes too early
}

TEST(PassPacer, ALongStallDoesNotMakeTheSaverJumpAhead) {
  FakeClock clock;
  PassPacer pacer(clock, 1200);
  clock.now += std::chrono::seconds(60);  // e.g. a modal prompt
  EXPECT_EQ(pacer.TakeDuePasses(), kMaxCatchUpPasses);
  clock.now += microseconds(10'000);
  EXPECT_EQ(pacer.TakeDuePasses(), 12);
}

TEST(MoveCounter, MovesEveryMoveDelayPlusOnePasses) {
  MoveCounter normal(14);
  int moves = 0;
  for (int pass = 1; pass <= 45; ++pass) {
    const bool moved = normal.Pass();
    EXPECT_EQ(moved, pass % 15 == 0) << pass;
    moves += moved;
  }
  EXPECT_EQ(moves, 3);
  EXPECT_EQ(normal.PassesToNextMove(), 15);
  normal.Pass();
  EXPECT_EQ(normal.PassesToNextMove(), 14);

  MoveCounter fastest(0);
  EXPECT_TRUE(fastest.Pass());
  EXPECT_TRUE(fastest.Pass());
  EXPECT_EQ(fastest.PassesToNextMove(), 1);
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
