#include "run/stop_rules.h"

#include <cmath>

namespace sovelin {

bool OnStopInput(RunFlags& flags, bool isProtected) {
  flags.gStopRequested = true;
  return isProtected;
}

bool OnSaverMouseMove(RunFlags& flags, float x, float y, bool isProtected) {
  const bool nothingRecorded = flags.gLastMouseX == 0.0f && flags.gLastMouseY == 0.0f;
  if (nothingRecorded || flags.gPromptShown) {
    flags.gLastMouseX = x;
    flags.gLastMouseY = y;
    return false;
  }
  if (std::fabs(flags.gLastMouseX - x) > kMouseToleranceTwips) flags.gStopRequested = true;
  if (std::fabs(flags.gLastMouseY - y) > kMouseToleranceTwips) flags.gStopRequested = true;
  flags.gLastMouseX = x;
  flags.gLastMouseY = y;
  return flags.gStopRequested && isProtected;
}

void ForgetMousePosition(RunFlags& flags) {
  flags.gLastMouseX = 0.0f;
  flags.gLastMouseY = 0.0f;
}

}  // namespace sovelin
