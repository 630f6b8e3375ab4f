#pragma once

#include <functional>

#include "common/random_source.h"
#include "geometry/screen_geometry.h"
#include "run/stop_rules.h"
#include "settings/settings.h"

namespace sovelin {

// Values start-up derives for one saver run.
struct SaverRunSetup {
  int32_t gChangeInterval = 0;
  int16_t gMoveDelay = 0;
  int16_t gDisplayUsed = 0;
};

// What one saver run shares between start-up, the main loop and the input handlers.
struct SaverRun {
  SaverRun(SettingsStore& settingsStore, RandomSource& randomSource)
      : store(settingsStore), random(randomSource) {}

  SaverSettings settings;
  SaverRunSetup setup;
  RunFlags flags;
  SettingsStore& store;
  RandomSource& random;
  TwipsPerPixel twips;
  // Shows the password prompt of a protected saver; returns when the prompt closed without
  // ending the program.
  std::function<void()> AskPassword;
};

// A key press or a click: request the stop, and ask for the password when protected.
inline void RequestStop(SaverRun& run) {
  if (OnStopInput(run.flags, run.settings.IsProtected()) && run.AskPassword) run.AskPassword();
}

}  // namespace sovelin
