#pragma once

#include <cstdint>

#include "common/random_source.h"

namespace sovelin {

// A Windows colour value from its parts, each 0..255: red + 256 green + 65536 blue.
int32_t RgbColor(int32_t red, int32_t green, int32_t blue);

// A random colour from three fresh numbers, red, green, blue in that order, each part
// round(r * 255) with halves to even.
int32_t RandomColor(RandomSource& random);

// Colour number 0..15 of the classic 16-colour text-mode palette; numbers outside give black.
int32_t PaletteColor(int32_t number);

}  // namespace sovelin
