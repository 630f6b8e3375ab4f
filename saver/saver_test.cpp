#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "saver/backdrop.h"
#include "saver/pass_pacer.h"
#include "tests/scripted_random.h"

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

std::tuple<int, int, int, int> Tuple(const CoverCrop& c) {
  return {c.scaledWidth, c.scaledHeight, c.cropLeft, c.cropTop};
}

// Worked by hand: the factor is the larger of monitor/picture per side, the other side is
// rounded, and the surplus is split, the odd pixel going below or right.
TEST(CoverAndCrop, ScalesInProportionToCoverTheMonitorAndCentresTheCrop) {
  // 6000 x 4000 on 1920 x 1080: 1920/6000 = 0.32 > 1080/4000; 4000 * 0.32 = 1280, 200 cut.
  EXPECT_EQ(Tuple(CoverAndCrop(6000, 4000, 1920, 1080)), std::tuple(1920, 1280, 0, 100));
  // A square on a wide monitor grows to 1920 x 1920 and loses 840 rows.
  EXPECT_EQ(Tuple(CoverAndCrop(1000, 1000, 1920, 1080)), std::tuple(1920, 1920, 0, 420));
  // 3000 x 4000 on 1280 x 1024: 4000 * 1280 / 3000 = 1706.67, rounded to 1707; 683 cut.
  EXPECT_EQ(Tuple(CoverAndCrop(3000, 4000, 1280, 1024)), std::tuple(1280, 1707, 0, 341));
  // A landscape picture on a portrait monitor: the height rules, 800 * 1920 / 600 = 2560.
  EXPECT_EQ(Tuple(CoverAndCrop(800, 600, 1080, 1920)), std::tuple(2560, 1920, 740, 0));
  // The same proportions: no crop at all.
  EXPECT_EQ(Tuple(CoverAndCrop(3840, 2160, 1920, 1080)), std::tuple(1920, 1080, 0, 0));
  // A panorama 10000 x 1000 on 1024 x 768: 10000 * 768 / 1000 = 7680 wide, 3328 cut.
  EXPECT_EQ(Tuple(CoverAndCrop(10000, 1000, 1024, 768)), std::tuple(7680, 768, 3328, 0));
  // Rounding never leaves a row short: 3 x 2 on 4 x 3 gives 4.5 x 3, taken as 5 x 3.
  EXPECT_EQ(Tuple(CoverAndCrop(3, 2, 4, 3)), std::tuple(5, 3, 0, 0));
}

// A 3 x 2 picture with the pixels numbered
//   1 2 3
//   4 5 6
// as each EXIF orientation shows it (drawn by hand from the orientation's meaning: where the
// stored first row and first column stand when shown).
TEST(Oriented, TurnsAndMirrorsAsTheExifOrientationSays) {
  const PicturePixels stored{3, 2, {1, 2, 3, 4, 5, 6}};
  // {orientation, width, height, pixels}
  const std::tuple<int, int, int, std::vector<uint32_t>> cases[] = {
      {1, 3, 2, {1, 2, 3, 4, 5, 6}}, {2, 3, 2, {3, 2, 1, 6, 5, 4}}, {3, 3, 2, {6, 5, 4, 3, 2, 1}},
      {4, 3, 2, {4, 5, 6, 1, 2, 3}}, {5, 2, 3, {1, 4, 2, 5, 3, 6}}, {6, 2, 3, {4, 1, 5, 2, 6, 3}},
      {7, 2, 3, {6, 3, 5, 2, 4, 1}}, {8, 2, 3, {3, 6, 2, 5, 1, 4}}, {0, 3, 2, {1, 2, 3, 4, 5, 6}},
      {9, 3, 2, {1, 2, 3, 4, 5, 6}},
  };
  for (const auto& [orientation, width, height, pixels] : cases) {
    const PicturePixels shown = Oriented(stored, orientation);
    EXPECT_EQ(std::tuple(shown.width, shown.height, shown.pixels, SwapsSides(orientation)),
              std::tuple(width, height, pixels, width == 2))
        << "orientation " << orientation;
  }
}

// Fisher-Yates from the last place down: place i swaps with floor(r * (i + 1)).
TEST(PictureShuffle, ShowsEachPictureOnceARoundAndNeverTheSameTwiceInARow) {
  ScriptedRandom random{
      // Round 1: i = 2, r 0.0 -> 0: [2 1 0]; i = 1, r 0.9 -> 1: [2 1 0].
      0.0f, 0.9f,
      // Round 2: i = 2, r 0.5 -> 1: [0 2 1]; i = 1, r 0.0 -> 0: [2 0 1].
      0.5f, 0.0f,
      // Round 3: i = 2, r 0.99 -> 2; i = 1, r 0.99 -> 1: [0 1 2].
      0.99f, 0.99f,
      // Round 4: i = 2, r 0.0 -> 0: [2 1 0]; i = 1, r 0.9 -> 1: [2 1 0], which would start with
      // the 2 just shown, so its first two swap: [1 2 0].
      0.0f, 0.9f};
  PictureShuffle shuffle(3);
  std::vector<size_t> shown;
  for (int n = 0; n < 12; ++n) shown.push_back(shuffle.Next(random));
  EXPECT_EQ(shown, (std::vector<size_t>{2, 1, 0, 2, 0, 1, 0, 1, 2, 1, 2, 0}));
  // One picture or none asks for no random number.
  PictureShuffle one(1), empty(0);
  EXPECT_EQ(std::tuple(one.Next(random), one.Next(random), empty.Next(random)),
            std::tuple(0u, 0u, 0u));
  EXPECT_EQ(random.Left(), 0u);
}

}  // namespace
}  // namespace sovelin
