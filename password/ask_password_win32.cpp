#include "password/ask_password_win32.h"

#include "password/password_prompt_win32.h"
#include "run/saver_system_win32.h"
#include "run/stop_rules.h"

namespace sovelin {

namespace {

// Marks the saver window while its prompt is up: the input handlers that run inside the
// prompt's modal loop must not open a second one.
constexpr const char* kPromptUpProperty = "SovelinPasswordPromptUp";

class PromptUpMark {
 public:
  explicit PromptUpMark(HWND saverWindow) : window_(saverWindow) {
    if (window_) SetPropA(window_, kPromptUpProperty, reinterpret_cast<HANDLE>(1));
  }
  ~PromptUpMark() {
    if (window_) RemovePropA(window_, kPromptUpProperty);
  }
  PromptUpMark(const PromptUpMark&) = delete;
  PromptUpMark& operator=(const PromptUpMark&) = delete;

  static bool IsSet(HWND saverWindow) {
    return saverWindow && GetPropA(saverWindow, kPromptUpProperty) != nullptr;
  }

 private:
  HWND window_;
};

// Shows the verse window again, modeless and owned by the saver window, with the keyboard
// focus; without a verse window the saver window takes it.
void ShowVerseWindowAgain(HWND saverWindow, HWND verseWindow) {
  HWND focus = verseWindow ? verseWindow : saverWindow;
  if (verseWindow) {
    if (saverWindow && GetWindow(verseWindow, GW_OWNER) != saverWindow)
      SetWindowLongPtrA(verseWindow, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(saverWindow));
    ShowWindow(verseWindow, SW_SHOW);
  }
  if (focus) {
    SetForegroundWindow(focus);
    SetFocus(focus);
  }
}

}  // namespace

void AskPassword(SaverRun& run, HWND saverWindow, HWND verseWindow) {
  // The prompt that is up clears the stop request when it closes.
  if (PromptUpMark::IsSet(saverWindow)) return;
  PromptUpMark mark(saverWindow);
  if (verseWindow) ShowWindow(verseWindow, SW_HIDE);
  ShowCursorUntilVisible();
  ShowPasswordPrompt(run, saverWindow);
  HideCursorUntilHidden();
  ShowVerseWindowAgain(saverWindow, verseWindow);
  ForgetMousePosition(run.flags);
}

}  // namespace sovelin
