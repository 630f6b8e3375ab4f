#include "password/password_prompt_win32.h"

#include "common/window_binding_win32.h"
#include "password/password_form_win32.h"
#include "password/password_prompt.h"
#include "password/upper_case_win32.h"
#include "password/wipe.h"
#include "run/saver_system_win32.h"

namespace sovelin {

namespace {

using namespace prompt_form;

// Posted to the prompt when another program took the activation from it.
constexpr UINT kTakeFocusBack = WM_APP + 1;

// The open prompt: the decisions, the window that waits behind it and the dialog's resources.
struct PromptWindow {
  PromptWindow(SaverRun& run, HWND blockedWindow)
      : prompt(run.store, &UpperCaseSystem, run.settings, run.flags.gStopRequested,
               run.flags.gPromptShown),
        blocked(blockedWindow) {}

  PasswordPrompt prompt;
  HWND blocked;
  PasswordFormResources resources;
};

HWND PasswordField(HWND dialog) {
  return PasswordControlWindow(dialog, kControls, kTxtPswd);
}

// Makes the prompt the foreground window, so that what the user types goes into it. When the
// system refuses (another program took the foreground, and Windows lets only the foreground
// program hand it on), the prompt's thread joins the foreground one's input for the moment.
void TakeForeground(HWND dialog) {
  SetForegroundWindow(dialog);
  HWND foreground = GetForegroundWindow();
  if (!foreground || foreground == dialog) return;
  const DWORD theirs = GetWindowThreadProcessId(foreground, nullptr);
  const DWORD ours = GetCurrentThreadId();
  if (theirs == ours || !AttachThreadInput(ours, theirs, TRUE)) return;
  SetForegroundWindow(dialog);
  AttachThreadInput(ours, theirs, FALSE);
}

// Form_Load and the first Form_Activate.
void OnInit(HWND dialog, PromptWindow& self) {
  self.resources = LayOutPasswordForm(dialog, kForm, kControls);
  self.prompt.Load();
  if (self.blocked) EnableWindow(self.blocked, FALSE);
  SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  TakeForeground(dialog);
  SetFocus(PasswordField(dialog));
}

// Cancel, or any other way of closing the prompt: back to the saver.
void OnClose(HWND dialog, PromptWindow& self) {
  self.prompt.Close();
  ClearPasswordField(PasswordField(dialog));
  // Enabled again before the prompt goes, so that the saver window takes the activation.
  if (self.blocked) EnableWindow(self.blocked, TRUE);
  EndDialog(dialog, IDCANCEL);
}

void OnOk(HWND dialog, PromptWindow& self) {
  HWND field = PasswordField(dialog);
  std::string typed = ReadPasswordField(field);
  const PromptOkOutcome outcome = self.prompt.Ok(typed);
  WipeText(typed);
  if (outcome.result == PromptResult::EndSaver) {
    ClearPasswordField(field);
    EndUnlockedSaver(outcome.stopSaverRunning);
  }
  ClearPasswordField(field);
  SetFocus(field);
  if (outcome.message) ShowPasswordError(dialog, *outcome.message);
}

INT_PTR CALLBACK PromptProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    OnInit(dialog, *reinterpret_cast<PromptWindow*>(lParam));
    return FALSE;  // the focus is set
  }
  auto* self = reinterpret_cast<PromptWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_ACTIVATE:
      // Form_Activate: the focus goes into the field, also after the error message closed.
      if (LOWORD(wParam) != WA_INACTIVE)
        PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(PasswordField(dialog)), TRUE);
      return FALSE;
    case WM_ACTIVATEAPP:
      // Another program took the activation while the prompt is up: take it back once the
      // change is over, so that the password is not typed into that program.
      if (!wParam) PostMessageA(dialog, kTakeFocusBack, 0, 0);
      return FALSE;
    case kTakeFocusBack: TakeForeground(dialog); return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        OnOk(dialog, *self);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {  // the Cancel button and Escape
        OnClose(dialog, *self);
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:  // the close box and Alt+F4
      OnClose(dialog, *self);
      return TRUE;
    default: return PasswordFormColors(message, wParam);
  }
}

}  // namespace

void EndUnlockedSaver(bool stopSaverRunning) {
  if (stopSaverRunning) SetSaverRunning(false);
  ShowCursorUntilVisible();
  ExitProcess(0);
}

void ShowPasswordPrompt(SaverRun& run, HWND blocked) {
  PromptWindow window(run, blocked);
  RunPasswordForm(nullptr, kForm, &GuardedDialogProcedure<&PromptProcedure>,
                  reinterpret_cast<LPARAM>(&window));
  // Should the dialog fail to open, the saver must not stay blocked or stopped.
  if (blocked) EnableWindow(blocked, TRUE);
  run.flags.gStopRequested = false;
}

}  // namespace sovelin
