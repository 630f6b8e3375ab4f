#include "password/change_password_dialog_win32.h"

#include "common/window_binding_win32.h"
#include "password/change_password.h"
#include "password/password_form_win32.h"
#include "password/upper_case_win32.h"
#include "password/wipe.h"

namespace sovelin {

namespace {

using namespace change_form;

struct ChangeWindow {
  explicit ChangeWindow(SettingsStore& store) : decisions(store, &UpperCaseSystem) {}

  ChangePasswordDialog decisions;
  PasswordFormResources resources;
  // True while the dialog itself empties a field: only the user's typing counts as a change.
  bool clearing = false;
};

HWND Control(HWND dialog, const PasswordControl& control) {
  return PasswordControlWindow(dialog, kControls, control);
}

HWND FieldWindow(HWND dialog, PasswordField field) {
  switch (field) {
    case PasswordField::Old: return Control(dialog, kTxtOldPswd);
    case PasswordField::New: return Control(dialog, kTxtNewPswd);
    case PasswordField::Retype: return Control(dialog, kTxtRetypePswd);
    case PasswordField::None: break;
  }
  return nullptr;
}

// Each label is enabled with its text box.
void ApplyEnabling(HWND dialog, const ChangePasswordDialog& decisions) {
  const BOOL old = decisions.OldPasswordEnabled() ? TRUE : FALSE;
  const BOOL fresh = decisions.NewPasswordsEnabled() ? TRUE : FALSE;
  EnableWindow(Control(dialog, kLblOldPswd), old);
  EnableWindow(Control(dialog, kTxtOldPswd), old);
  for (const PasswordControl* control :
       {&kLblNewPswd, &kTxtNewPswd, &kLblRetypePswd, &kTxtRetypePswd})
    EnableWindow(Control(dialog, *control), fresh);
}

void OnInit(HWND dialog, ChangeWindow& self) {
  self.resources = LayOutPasswordForm(dialog, kForm, kControls);
  ApplyEnabling(dialog, self.decisions);
  HWND first = Control(dialog, self.decisions.OldPasswordEnabled() ? kTxtOldPswd : kTxtNewPswd);
  SetFocus(first);
}

// Empties the fields before the dialog goes, so that no typed text lingers in them.
void ClearAllFields(HWND dialog) {
  for (PasswordField field : {PasswordField::Old, PasswordField::New, PasswordField::Retype})
    ClearPasswordField(FieldWindow(dialog, field));
}

void OnOk(HWND dialog, ChangeWindow& self) {
  std::string oldText = ReadPasswordField(FieldWindow(dialog, PasswordField::Old));
  std::string newText = ReadPasswordField(FieldWindow(dialog, PasswordField::New));
  std::string retypeText = ReadPasswordField(FieldWindow(dialog, PasswordField::Retype));
  const ChangeOkOutcome outcome = self.decisions.Ok(oldText, newText, retypeText);
  WipeText(oldText);
  WipeText(newText);
  WipeText(retypeText);
  if (outcome.closeDialog) {
    ClearAllFields(dialog);
    EndDialog(dialog, IDOK);
    return;
  }
  if (outcome.beep) MessageBeep(MB_OK);
  if (outcome.message) ShowPasswordError(dialog, *outcome.message);
  if (HWND field = FieldWindow(dialog, outcome.clearAndFocus)) {
    self.clearing = true;
    ClearPasswordField(field);
    self.clearing = false;
    SetFocus(field);
  }
}

void OnCancel(HWND dialog) {
  ClearAllFields(dialog);
  EndDialog(dialog, IDCANCEL);
}

INT_PTR CALLBACK ChangeProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    OnInit(dialog, *reinterpret_cast<ChangeWindow*>(lParam));
    return FALSE;  // the focus is set
  }
  auto* self = reinterpret_cast<ChangeWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (id == IDOK) {
        OnOk(dialog, *self);
        return TRUE;
      }
      if (id == IDCANCEL) {
        OnCancel(dialog);
        return TRUE;
      }
      // txtOldPswd_Change: the user typing into or clearing the old password.
      if (id == PasswordControlId(kControls, kTxtOldPswd) && HIWORD(wParam) == EN_CHANGE &&
          !self->clearing) {
        self->decisions.OldPasswordChanged();
        ApplyEnabling(dialog, self->decisions);
        return TRUE;
      }
      return FALSE;
    }
    case WM_CLOSE: OnCancel(dialog); return TRUE;
    default: return PasswordFormColors(message, wParam);
  }
}

}  // namespace

void ShowChangePasswordDialog(HWND owner, SettingsStore& store) {
  ChangeWindow window(store);
  RunPasswordForm(owner, kForm, &GuardedDialogProcedure<&ChangeProcedure>,
                  reinterpret_cast<LPARAM>(&window));
}

}  // namespace sovelin
