#include "saver/backdrop.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace sovelin {

namespace {

// numerator / denominator rounded to the nearest integer, for positive values.
int RoundedQuotient(int64_t numerator, int64_t denominator) {
  return static_cast<int>((2 * numerator + denominator) / (2 * denominator));
}

}  // namespace

CoverCrop CoverAndCrop(int pictureWidth, int pictureHeight, int monitorWidth, int monitorHeight) {
  CoverCrop cover;
  // The picture is relatively taller than the monitor (or alike): its width is the monitor's.
  if (int64_t{monitorWidth} * pictureHeight >= int64_t{monitorHeight} * pictureWidth) {
    cover.scaledWidth = monitorWidth;
    cover.scaledHeight = std::max(
        monitorHeight, RoundedQuotient(int64_t{pictureHeight} * monitorWidth, pictureWidth));
  } else {
    cover.scaledHeight = monitorHeight;
    cover.scaledWidth = std::max(
        monitorWidth, RoundedQuotient(int64_t{pictureWidth} * monitorHeight, pictureHeight));
  }
  cover.cropLeft = (cover.scaledWidth - monitorWidth) / 2;
  cover.cropTop = (cover.scaledHeight - monitorHeight) / 2;
  return cover;
}

bool SwapsSides(int orientation) {
  return orientation >= 5 && orientation <= 8;
}

PicturePixels Oriented(PicturePixels stored, int orientation) {
  if (orientation < 2 || orientation > 8) return stored;
  const int w = stored.width, h = stored.height;
  PicturePixels shown;
  shown.width = SwapsSides(orientation) ? h : w;
  shown.height = SwapsSides(orientation) ? w : h;
  shown.pixels.resize(stored.pixels.size());
  // For each shown pixel (x, y), the stored pixel it comes from.
  const auto source = [&](int x, int y) -> std::pair<int, int> {
    switch (orientation) {
      case 2: return {w - 1 - x, y};          // mirrored left to right
      case 3: return {w - 1 - x, h - 1 - y};  // upside down
      case 4: return {x, h - 1 - y};          // mirrored top to bottom
      case 5: return {y, x};                  // mirrored along the diagonal
      case 6: return {y, h - 1 - x};          // turned a quarter clockwise
      case 7: return {w - 1 - y, h - 1 - x};  // mirrored along the other diagonal
      default: return {w - 1 - y, x};         // 8: turned a quarter anticlockwise
    }
  };
  for (int y = 0; y < shown.height; ++y) {
    for (int x = 0; x < shown.width; ++x) {
      const auto [sx, sy] = source(x, y);
      shown.pixels[static_cast<size_t>(y) * shown.width + x] =
          stored.pixels[static_cast<size_t>(sy) * w + sx];
    }
  }
  return shown;
}

size_t PictureShuffle::Next(RandomSource& random) {
  if (count_ <= 1) return 0;
  if (at_ == round_.size()) NewRound(random);
  return round_[at_++];
}

// A Fisher-Yates shuffle of every index. Should it start with the picture just shown, its
// first two swap places, so no picture shows twice in a row.
void PictureShuffle::NewRound(RandomSource& random) {
  const bool continues = !round_.empty();
  const size_t last = continues ? round_.back() : 0;
  round_.resize(count_);
  std::iota(round_.begin(), round_.end(), size_t{0});
  for (size_t i = count_ - 1; i > 0; --i) {
    const auto pick = static_cast<size_t>(random.Next() * static_cast<float>(i + 1));
    std::swap(round_[i], round_[std::min(pick, i)]);
  }
  if (continues && round_.front() == last) std::swap(round_[0], round_[1]);
  at_ = 0;
}

}  // namespace sovelin
