#include "versewin/picture_scale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sovelin {

namespace {

// One new pixel's share of the source along one axis: the source pixels it covers, each with
// the part of it that lies inside (the parts add up to 1).
struct Span {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Span> Spans(int from, int to) {
  std::vector<Span> spans(static_cast<size_t>(to));
  const double step = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    const double start = i * step;
    const double end = std::min<double>((i + 1) * step, from);
    Span& span = spans[static_cast<size_t>(i)];
    span.first = std::min(static_cast<int>(start), from - 1);
    for (int s = span.first; s < from && s < end; ++s) {
      const double covered = std::min<double>(s + 1, end) - std::max<double>(s, start);
      span.weights.push_back(static_cast<float>(std::max(covered, 0.0) / (end - start)));
    }
    if (span.weights.empty()) span.weights.push_back(1.0f);
  }
  return spans;
}

using Channels = std::array<float, 3>;

Channels Unpack(uint32_t pixel) {
  return {static_cast<float>(pixel & 0xFF), static_cast<float>((pixel >> 8) & 0xFF),
          static_cast<float>((pixel >> 16) & 0xFF)};
}

uint32_t Pack(const Channels& c) {
  uint32_t pixel = 0;
  for (int i = 0; i < 3; ++i) {
    const auto value = static_cast<uint32_t>(std::clamp(std::lround(c[i]), 0L, 255L));
    pixel |= value << (8 * i);
  }
  return pixel;
}

}  // namespace

bool IsHeldSharp(double scale) {
  return ScaledPictureSize(100, scale) <= 100 * kPictureDrawingScale;
}

int ScaledPictureSize(int designPixels, double scale) {
  return static_cast<int>(std::lround(designPixels * scale));
}

PicturePixels ResizePicture(const PicturePixels& source, int width, int height) {
  if (width == source.width && height == source.height) return source;
  PicturePixels result{width, height, {}};
  if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) {
    result.width = result.height = 0;
    return result;
  }
  // Across first, into a float buffer of the new width and the old height; then down.
  const std::vector<Span> across = Spans(source.width, width);
  const std::vector<Span> down = Spans(source.height, height);
  std::vector<Channels> rows(static_cast<size_t>(width) * source.height);
  for (int y = 0; y < source.height; ++y) {
    const uint32_t* row = &source.pixels[static_cast<size_t>(y) * source.width];
    for (int x = 0; x < width; ++x) {
      const Span& span = across[static_cast<size_t>(x)];
      Channels sum{};
      for (size_t k = 0; k < span.weights.size(); ++k) {
        const Channels c = Unpack(row[span.first + static_cast<int>(k)]);
        for (int i = 0; i < 3; ++i) sum[i] += c[i] * span.weights[k];
      }
      rows[static_cast<size_t>(y) * width + x] = sum;
    }
  }
  result.pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const Span& span = down[static_cast<size_t>(y)];
    for (int x = 0; x < width; ++x) {
      Channels sum{};
      for (size_t k = 0; k < span.weights.size(); ++k) {
        const Channels& c = rows[static_cast<size_t>(span.first + static_cast<int>(k)) * width + x];
        for (int i = 0; i < 3; ++i) sum[i] += c[i] * span.weights[k];
      }
      result.pixels[static_cast<size_t>(y) * width + x] = Pack(sum);
    }
  }
  return result;
}

}  // namespace sovelin
