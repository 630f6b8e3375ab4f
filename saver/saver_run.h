#pragma once

#include <functional>

#include "common/random_source.h"
#include "startup/saver_start.h"
#include "startup/settings.h"
#include "startup/stop_rules.h"

namespace sovelin {

// Twips per pixel of the display, horizontally and vertically (15 at 96 DPI).
struct TwipsPerPixel {
  int x = 15;
  int y = 15;
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
  if (OnStopInput(run.flags, run.settings.IsProtected()) && run.AskPassword)
    run.AskPassword();
}

}  // namespace sovelin
