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

// The verse pictures are held at this many times their design size, the size the largest
// verse size needs at 96 DPI, and reduced to the window's scale.
inline constexpr int kPictureDrawingScale = 3;

// Whether a picture drawn at `scale` comes out of the held pictures without enlarging them.
bool IsHeldSharp(double scale);

// The picture's size in pixels at `scale`, rounded to the nearest pixel.
int ScaledPictureSize(int designPixels, double scale);

// `source` resized to width x height by area averaging: each new pixel is the mean of the
// source area it covers, weighted by how much of each source pixel lies inside it. Reducing
// this way keeps thin lines and fine texture without aliasing; the same size is a copy.
PicturePixels ResizePicture(const PicturePixels& source, int width, int height);

}  // namespace sovelin
