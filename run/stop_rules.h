#pragma once

namespace sovelin {

// Mouse movement on the saver window must exceed this many twips on an axis to stop it.
inline constexpr float kMouseToleranceTwips = 10.0f;

// The flags that hand the run over between start-up, the main loop, the input handlers
// and the password prompt.
struct RunFlags {
  bool gFirstActivate = false;
  bool gStopRequested = false;
  bool gPromptShown = false;
  float gLastMouseX = 0.0f;  // twips; 0, 0 means no position recorded yet
  float gLastMouseY = 0.0f;
};

// A key press or a mouse button: requests the stop. Returns true when the password prompt
// must be shown now (the saver is protected).
bool OnStopInput(RunFlags& flags, bool isProtected);

// Mouse movement on the saver window to (x, y) twips. The first position, or any position
// while the prompt is up, is only recorded. Returns true when the prompt must be shown now.
bool OnSaverMouseMove(RunFlags& flags, float x, float y, bool isProtected);

// After a prompt that did not end the saver: the next movement is only recorded.
void ForgetMousePosition(RunFlags& flags);

}  // namespace sovelin
