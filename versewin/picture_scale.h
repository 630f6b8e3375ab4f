#pragma once

#include <cstdint>
#include <vector>

namespace sovelin {

// A picture as 32-bit pixels (blue, green, red and an unused byte, lowest first), rows from
// the top, `width` pixels to a row.
struct PicturePixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

// The verse pictures are drawn at 1 and 2 times their design size. The source for a window
// at `scale`: 2 above scale 1 (so a picture is only ever reduced up to 2), else 1.
int PictureSourceScale(double scale);

// The picture's size in pixels at `scale`, rounded to the nearest pixel.
int ScaledPictureSize(int designPixels, double scale);

// `source` resized to width x height by area averaging: each new pixel is the mean of the
// source area it covers, weighted by how much of each source pixel lies inside it. Reducing
// this way keeps thin lines and fine texture without aliasing; the same size is a copy.
PicturePixels ResizePicture(const PicturePixels& source, int width, int height);

}  // namespace sovelin
