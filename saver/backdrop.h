#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/random_source.h"
#include "versewin/picture_scale.h"

namespace sovelin {

// How a picture covers a monitor: scaled in proportion to the smallest size that covers it
// whole, then the centred monitor-sized part of it shown.
struct CoverCrop {
  int scaledWidth = 0;
  int scaledHeight = 0;
  int cropLeft = 0;  // where the shown part starts in the scaled picture
  int cropTop = 0;
};

// The cover-and-crop of a picture of the given size (as shown, after its orientation) on a
// monitor. The side that fits exactly is the monitor's; the other is rounded to the nearest
// pixel, never below the monitor's. Sizes must be positive.
CoverCrop CoverAndCrop(int pictureWidth, int pictureHeight, int monitorWidth, int monitorHeight);

// True for the EXIF orientations (5 to 8) that show the stored picture on its side.
bool SwapsSides(int orientation);

// The stored picture as its EXIF orientation (1 to 8) says it is shown; any other value shows
// it as stored.
PicturePixels Oriented(PicturePixels stored, int orientation);

// The order of a folder's pictures: each shows once in a round, in a new random order every
// round, and a round never starts with the picture the last one ended on (with two or more).
class PictureShuffle final {
 public:
  explicit PictureShuffle(size_t count) : count_(count) {}
  // The next picture's index; 0 when there is at most one.
  size_t Next(RandomSource& random);

 private:
  void NewRound(RandomSource& random);

  size_t count_;
  std::vector<size_t> round_;
  size_t at_ = 0;
};

}  // namespace sovelin
