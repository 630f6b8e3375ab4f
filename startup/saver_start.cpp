#include "startup/saver_start.h"

#include <cmath>

#include "common/numbers.h"

namespace sovelin {

namespace {

int16_t DrawWindow(int16_t choices, RandomSource& random) {
  return static_cast<int16_t>(std::floor(static_cast<float>(choices) * random.Next()));
}

}  // namespace

int16_t ChooseDisplay(int16_t displayOption, const SettingsStore& store, RandomSource& random) {
  if (displayOption != kRandomDisplay) return displayOption;
  const int16_t last = ReadInt16Setting(store.Read(keys::kLastDisplayUsed, ""), 0);
  const int16_t choices = (last == kBoxDisplay || last == kOvalDisplay) ? 5 : 7;
  random.Reseed();
  int16_t drawn;
  do {
    drawn = DrawWindow(choices, random);
  } while (drawn == last);
  return drawn;
}

SaverRunSetup PrepareSaverRun(const SaverSettings& settings, SettingsStore& store,
                              RandomSource& random) {
  SaverRunSetup setup;
  setup.gChangeInterval = ChangeIntervalFor(settings.gFrequency);
  setup.gMoveDelay = MoveDelayFor(settings.gSpeed);
  setup.gDisplayUsed = ChooseDisplay(settings.gDisplayOption, store, random);
  store.Write(keys::kLastDisplayUsed, DecimalText(setup.gDisplayUsed));
  return setup;
}

}  // namespace sovelin
