#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace sovelin {

// Layout of the two password dialogs, in twips (15 to the pixel at normal font size). Both
// have a fixed dialog border without minimise or maximise box, are centred on the screen, use
// the system's window colours and the font MS Sans Serif 8.25 pt bold.

enum class PasswordControlKind { Label, TextBox, Button, Icon };

// The tab position of a control that takes no focus.
inline constexpr int16_t kNoTabStop = -1;

struct PasswordControl {
  std::string_view name;
  PasswordControlKind kind;
  std::string_view text;
  int32_t left;
  int32_t top;
  int32_t width;
  int32_t height;
  int16_t tabIndex = kNoTabStop;
  // Text boxes show "*" for every typed character.
  bool masked = false;
  // The button that Enter presses.
  bool isDefault = false;
};

struct PasswordForm {
  std::string_view name;
  std::string_view caption;
  int32_t clientWidth;
  int32_t clientHeight;
  // Whether the title bar shows the program's icon.
  bool showsIcon;
};

inline constexpr std::string_view kPasswordFontName = "MS Sans Serif";
inline constexpr float kPasswordFontPoints = 8.25f;
inline constexpr bool kPasswordFontBold = true;

// Every password text box takes at most kMaxPasswordLength characters (password/scramble.h).

// The prompt shown when a protected saver is asked to stop.
namespace prompt_form {

inline constexpr PasswordForm kForm{"frmPswd", "Sovelin Screen Saver", 4545, 2595, false};

// A 32 x 32 pixel icon.
inline constexpr PasswordControl kImage1{"Image1", PasswordControlKind::Icon, "", 120, 120, 480,
                                         480};
inline constexpr PasswordControl kLabel1{
    "Label1",
    PasswordControlKind::Label,
    "The screen saver you are using is password protected.  You must type in the screen saver "
    "password to turn off the screen saver.",
    720,
    120,
    3615,
    855};
inline constexpr PasswordControl kLabel2{
    "Label2", PasswordControlKind::Label, "Password:", 720, 1125, 975, 255};
inline constexpr PasswordControl kTxtPswd{
    "txtPswd", PasswordControlKind::TextBox, "", 1800, 1080, 2175, 375, 0, true};
inline constexpr PasswordControl kCmdOK{
    "cmdOK", PasswordControlKind::Button, "OK", 840, 1680, 1215, 375, 1, false, true};
inline constexpr PasswordControl kCmdCancel{
    "cmdCancel", PasswordControlKind::Button, "Cancel", 2520, 1680, 1215, 375, 2};
inline constexpr PasswordControl kLabel3{
    "Label3",
    PasswordControlKind::Label,
    "\"But let none of you suffer...as a thief,...or as a busybody in other men's matters.\"  "
    "I Peter 4:15",
    240,
    2160,
    4095,
    495};

inline constexpr std::array kControls{kImage1, kLabel1,    kLabel2, kTxtPswd,
                                      kCmdOK,  kCmdCancel, kLabel3};

}  // namespace prompt_form

// The change-password dialog opened from the settings dialog.
namespace change_form {

inline constexpr PasswordForm kForm{"frmPswdSet", "Change Password", 4545, 2175, true};

inline constexpr PasswordControl kLblOldPswd{
    "lblOldPswd", PasswordControlKind::Label, "Old Password:", 120, 120, 1455, 255};
inline constexpr PasswordControl kTxtOldPswd{
    "txtOldPswd", PasswordControlKind::TextBox, "", 2280, 120, 2175, 375, 0, true};
inline constexpr PasswordControl kLblNewPswd{
    "lblNewPswd", PasswordControlKind::Label, "New Password:", 120, 600, 1455, 255};
inline constexpr PasswordControl kTxtNewPswd{
    "txtNewPswd", PasswordControlKind::TextBox, "", 2280, 600, 2175, 375, 1, true};
inline constexpr PasswordControl kLblRetypePswd{
    "lblRetypePswd", PasswordControlKind::Label, "Retype New Password:", 120, 1080, 2055, 255};
inline constexpr PasswordControl kTxtRetypePswd{
    "txtRetypePswd", PasswordControlKind::TextBox, "", 2280, 1080, 2175, 375, 2, true};
inline constexpr PasswordControl kCmdOK{
    "cmdOK", PasswordControlKind::Button, "OK", 840, 1680, 1215, 375, 3, false, true};
inline constexpr PasswordControl kCmdCancel{
    "cmdCancel", PasswordControlKind::Button, "Cancel", 2520, 1680, 1215, 375, 4};

inline constexpr std::array kControls{kLblOldPswd,    kTxtOldPswd,    kLblNewPswd, kTxtNewPswd,
                                      kLblRetypePswd, kTxtRetypePswd, kCmdOK,      kCmdCancel};

}  // namespace change_form

}  // namespace sovelin
