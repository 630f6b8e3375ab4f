#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings.h"
#include "settings/settings_store.h"
#include "setup/setup_form.h"

namespace sovelin {

// The program's version as the About tab shows it.
struct ProgramVersion {
  int major = 0;
  int minor = 0;
  int revision = 0;
};
inline constexpr ProgramVersion kProgramVersion{3, 0, 1};

// "Version 3.0.1".
std::string VersionCaption(ProgramVersion version);

// Check box values.
inline constexpr int16_t kUnchecked = 0;
inline constexpr int16_t kChecked = 1;
inline constexpr int16_t kGrayed = 2;

// Index of an option group with nothing selected.
inline constexpr int16_t kNoOption = -1;

// What the system colour dialog is opened with: the initial-colour flag (CC_RGBINIT) and black,
// never the current colour.
struct ColorDialogRequest {
  uint32_t flags = 1;
  int32_t initialColor = 0;
};

// The system colour dialog: the chosen colour, or nothing when cancelled or failed.
class ColorPicker {
 public:
  virtual ~ColorPicker() = default;
  virtual std::optional<int32_t> PickColor(const ColorDialogRequest& request) = 0;
};

// A face and style for the verse, as the system font dialog gives them (face in UTF-8).
struct FontChoice {
  std::string face;
  bool bold = false;
  bool italic = false;
};

// The system font dialog, offering face and style only: the choice, or nothing when cancelled.
class FontPicker {
 public:
  virtual ~FontPicker() = default;
  virtual std::optional<FontChoice> PickFont(const FontChoice& current) = 0;
};

// Why a chosen picture or folder will not show behind the designs (the saver shows the desktop
// copy instead), or kNone when it will.
enum class BackdropProblem : uint8_t { kNone, kNoPath, kMissing, kUnreadable, kEmptyFolder };

// Looks at the chosen picture file or folder (path in UTF-8) the way the saver will read it.
class BackdropProbe {
 public:
  virtual ~BackdropProbe() = default;
  virtual BackdropProblem Check(Backdrop kind, const std::string& path) = 0;
};

// The system's file or folder picker, opened at the current path: the chosen full path in
// UTF-8, or nothing when cancelled.
class PathPicker {
 public:
  virtual ~PathPicker() = default;
  virtual std::optional<std::string> PickPath(Backdrop kind, const std::string& current) = 0;
};

enum class SetupCheckBox : uint8_t { kPswd, kSameVerseAllDay };

// What the dialog's controls show. The Win32 dialog mirrors this after every call.
struct SetupState {
  std::string lblVersion = "Version";
  int16_t optDisplay = kNoOption;
  int16_t optSpeed = kNoOption;
  int16_t optFreq = kNoOption;
  int16_t optBackground = kNoOption;
  int16_t optVerseSize = kNoOption;  // index into kVerseSizes
  int16_t cboBackdrop = 0;           // a Backdrop number: desktop, black, colour, picture, folder
  std::string lblBackdropStatus;
  int16_t chkPswd = kUnchecked;
  int16_t chkSameVerseAllDay = kUnchecked;
  std::string lblFont;  // the verse's face, e.g. "Georgia Bold"
  bool cmdColorSelectEnabled = false;
  bool cmdPswdEnabled = false;
  bool closed = false;
};

// The settings dialog's logic. It edits the settings record it is given, as the dialog edits
// the program's record; only OK writes the record to the store.
class SetupModel {
 public:
  explicit SetupModel(SaverSettings& settings) : settings_(settings) {}

  // Fills the controls from the record. A value outside a group's range selects nothing; a
  // check box value other than 0, 1 or 2 leaves the box clear.
  void Form_Load();

  // Writes the status line under the backdrop choice: what is chosen, and why a picture or
  // folder will not show. Form_Load leaves it empty, as looking at the disk may take a moment.
  void ShowBackdrop(BackdropProbe& probe);

  // Selects an option, by the user or by the program, and runs the group's click handler.
  // False, changing nothing, for an index outside the group.
  bool SelectOption(OptionGroup group, int16_t index);

  // Gives a check box a value by program; a different value runs its click handler. False,
  // changing nothing, for a value other than 0, 1 or 2.
  bool SetCheckBox(SetupCheckBox box, int16_t value);

  // The user clicks a check box: a ticked box clears, a clear or greyed box becomes ticked.
  void ClickCheckBox(SetupCheckBox box);

  void optDisplay_Click(int16_t index);
  void chkPswd_Click();

  // Opens the colour dialog with black preselected; a confirmed colour becomes
  // gRectangleColor, which only OK writes to the store.
  void cmdColorSelect_Click(ColorPicker& picker);

  // Opens the font dialog at the chosen face; a confirmed face and style go into the record,
  // which only OK writes to the store.
  void cmdFont_Click(FontPicker& picker);

  // The backdrop chosen in its list; the status line follows.
  void cboBackdrop_Click(Backdrop chosen, BackdropProbe& probe);

  // "Color...": the colour dialog at black; a confirmed colour chooses the colour backdrop.
  void cmdBackdropColor_Click(ColorPicker& picker, BackdropProbe& probe);

  // "Picture..." and "Folder...": the picker at the current path; a confirmed path chooses the
  // picture or folder backdrop.
  void cmdBackdropPath_Click(Backdrop kind, PathPicker& picker, BackdropProbe& probe);

  // Copies the controls into the record, writes it and closes. ClearScreen follows the
  // backdrop (0 for the desktop, else 1), so that earlier versions read the nearest choice.
  void cmdOK_Click(SettingsStore& store);

  // Closes without writing; also for the window's close box.
  void cmdCancel_Click();

  const SetupState& state() const { return state_; }
  const SaverSettings& settings() const { return settings_; }

 private:
  int16_t& Selection(OptionGroup group);
  int16_t& CheckValue(SetupCheckBox box);
  void ShowFont();

  SaverSettings& settings_;
  SetupState state_;
};

}  // namespace sovelin
