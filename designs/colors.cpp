#include "designs/colors.h"

#include <array>

#include "common/numbers.h"

namespace sovelin {

namespace {

constexpr std::array<int32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

int32_t RandomPart(RandomSource& random) {
  return static_cast<int32_t>(RoundHalfEven(random.Next() * 255.0f));
}

}  // namespace

int32_t RgbColor(int32_t red, int32_t green, int32_t blue) {
  return red + 256 * green + 65536 * blue;
}

int32_t RandomColor(RandomSource& random) {
  // Separate statements keep the order of the three draws.
  const int32_t red = RandomPart(random);
  const int32_t green = RandomPart(random);
  const int32_t blue = RandomPart(random);
  return RgbColor(red, green, blue);
}

int32_t PaletteColor(int32_t number) {
  if (number < 0 || number >= static_cast<int32_t>(kPalette.size()))
    return 0;
  return kPalette[static_cast<size_t>(number)];
}

}  // namespace sovelin
