#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "common/handles_win32.h"
#include "password/password_forms.h"
#include "password/password_messages.h"

namespace sovelin {

// What a password dialog keeps while it is open: the font of its controls and its icon.
struct PasswordFormResources {
  Font font;
  HICON icon = nullptr;  // shared, never destroyed
};

// Runs a password dialog modally, built from its table: `procedure` sees WM_INITDIALOG with
// `parameter` and must call LayOutPasswordForm there. With no owner the dialog stands alone.
INT_PTR RunPasswordForm(HWND owner, const PasswordForm& form, DLGPROC procedure, LPARAM parameter);

// Creates the controls of `controls` on the dialog (in their tab order), gives the dialog its
// client size, its font and (when the form shows one) its icon, and centres it on the screen.
// Twips become pixels at the dialog's DPI.
PasswordFormResources LayOutPasswordForm(HWND dialog, const PasswordForm& form,
                                         std::span<const PasswordControl> controls);

// The dialog item id of a control: IDOK for cmdOK, IDCANCEL for cmdCancel, so that Enter and
// Escape press them; 100 and up by table position for the others.
int PasswordControlId(std::span<const PasswordControl> controls, const PasswordControl& control);

HWND PasswordControlWindow(HWND dialog, std::span<const PasswordControl> controls,
                           const PasswordControl& control);

// The text of a field. The caller wipes it (WipeText) once it is used.
std::string ReadPasswordField(HWND field);

// Overwrites the text the field holds before emptying it, so it does not linger in the
// control's memory.
void ClearPasswordField(HWND field);

// The "Error" box of a password dialog: critical-stop icon, one OK button, owned by `owner`.
void ShowPasswordError(HWND owner, const ErrorMessage& message);

// WM_CTLCOLORDLG and WM_CTLCOLORSTATIC: the system's window colours for the dialog and its
// labels. Returns the brush to use, or 0 for other messages.
INT_PTR PasswordFormColors(UINT message, WPARAM wParam);

}  // namespace sovelin
