#pragma once

#include <cstdint>

#include "common/random_source.h"
#include "run/saver_run.h"
#include "settings/settings.h"

namespace sovelin {

inline constexpr int16_t kRandomDisplay = 7;
inline constexpr int16_t kBoxDisplay = 5;
inline constexpr int16_t kOvalDisplay = 6;

// The verse window for this run: the option itself, or for the random option a draw that
// never repeats the previous run's window (after a box or oval run, only 0..4).
int16_t ChooseDisplay(int16_t displayOption, const SettingsStore& store, RandomSource& random);

// Derives the run's values from the settings and records the chosen window as
// LastDisplayUsed, as every saver start does.
SaverRunSetup PrepareSaverRun(const SaverSettings& settings, SettingsStore& store,
                              RandomSource& random);

}  // namespace sovelin
