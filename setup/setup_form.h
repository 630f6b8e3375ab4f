#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace sovelin {

// The settings dialog described as data. Every position and size is in twips, relative to the
// control's container: a frame for the controls inside it, the tab control for the controls on
// a tab page, the dialog's client area otherwise. The Win32 dialog is built from this table,
// converting twips for the dialog's font and DPI.

inline constexpr std::string_view kSetupCaption = "Sovelin:The Screen Saver - Properties";
inline constexpr int32_t kSetupClientWidth = 6240;
inline constexpr int32_t kSetupClientHeight = 5895;

// Tabs in the order they stand in the tab row; the dialog opens on the first.
enum class SetupTab : int8_t {
  kNone = -1,  // directly on the dialog, shown whatever the tab
  kVerseDisplay = 0,
  kVerseSpeed,
  kChangeFreq,
  kBackground,
  kPassword,
  kAbout,
};
inline constexpr std::array<std::string_view, 6> kTabCaptions = {
    "Verse Display", "Verse Speed", "Change Freq", "Background", "Password", "About"};
inline constexpr SetupTab kInitialTab = SetupTab::kVerseDisplay;

// The backdrop list's entries, in the order of the stored Backdrop numbers.
inline constexpr std::array<std::string_view, 5> kBackdropCaptions = {
    "A copy of the desktop", "Black", "A color", "A picture", "A folder of pictures"};

// The line beside OK and Cancel while a policy sets any setting (its controls are disabled).
inline constexpr std::string_view kManagedNotice =
    "Some settings are managed by your organization.";

// Number of options in each indexed option group; the index of the selected option is the
// stored value.
inline constexpr int16_t kDisplayOptionCount = 8;
inline constexpr int16_t kSpeedOptionCount = 5;
inline constexpr int16_t kFreqOptionCount = 5;
inline constexpr int16_t kBackgroundOptionCount = 10;
inline constexpr int16_t kVerseSizeOptionCount = 4;  // 100, 150, 200 and 300 %

// Control ids. Members of an indexed group take their group's base id plus their index.
// OK and Cancel deliberately avoid IDOK (1) and IDCANCEL (2): neither is the dialog's default
// or cancel button, so Enter and Esc must not press them.
enum ControlId : uint16_t {
  kNoControl = 0,
  kTbsOptions = 1000,
  kCmdOK = 1001,
  kCmdCancel = 1002,
  kFrame2 = 1010,
  kCmdColorSelect = 1011,
  kCmdDisplayHelp = 1012,
  kLblVerseSize = 1013,
  kChkSameVerseAllDay = 1014,
  kCmdFont = 1015,
  kLblFont = 1016,
  kFrame1 = 1020,
  kCmdSpeedHelp = 1021,
  kFrame3 = 1030,
  kCmdFreqHelp = 1031,
  kLblVerseList = 1032,
  kCboVerseList = 1033,
  kCmdVerseEdit = 1034,
  kLblVerseStatus = 1035,
  kFrame4 = 1040,
  kCmdBackgroundHelp = 1042,
  kLblBackdrop = 1043,
  kCboBackdrop = 1044,
  kCmdBackdropColor = 1045,
  kCmdBackdropPicture = 1046,
  kCmdBackdropFolder = 1047,
  kLblBackdropStatus = 1048,
  kChkPswd = 1050,
  kCmdPswd = 1051,
  kCmdPasswordHelp = 1052,
  kPicIcon = 1060,
  kLblTitle = 1061,
  kLblVersion = 1062,
  kLblDescription = 1063,
  kLine1First = 1064,  // Line1 (0) and (1)
  kImage1 = 1066,
  kCmdSysInfo = 1067,
  kLblManaged = 1070,
  kOptDisplayFirst = 1100,
  kOptSpeedFirst = 1200,
  kOptFreqFirst = 1300,
  kOptBackgroundFirst = 1400,
  kOptVerseSizeFirst = 1500,
};

enum class ControlKind : uint8_t {
  kTabControl,
  kPushButton,
  kPictureButton,  // square push button showing a picture instead of a caption
  kFrame,          // captioned group box
  kOptionButton,
  kCheckBox,
  kLabel,
  kPicture,
  kLine,      // drawn from (left, top) to (left + width, top + height)
  kComboBox,  // drop-down list; its height is the closed box's
};

// Pictures the dialog shows; the resources provide them.
enum class SetupPicture : uint8_t {
  kNone,
  kHelpIcon,      // the help buttons
  kProgramIcon,   // picIcon, 32 x 32 pixels
  kAboutPicture,  // Image1, 200 x 114 pixels
};

// A Windows colour value naming the system colour with the given index.
constexpr int32_t SystemColor(uint8_t index) {
  return static_cast<int32_t>(0x80000000u | index);
}
inline constexpr int32_t kButtonTextColor = SystemColor(18);  // COLOR_BTNTEXT

struct ControlDescriptor {
  ControlId id = kNoControl;
  std::string_view name;  // the control's name in the program ("optDisplay")
  int16_t index = -1;     // index within an indexed group, -1 for a single control
  ControlKind kind = ControlKind::kLabel;
  SetupTab tab = SetupTab::kNone;
  ControlId container = kNoControl;  // the frame holding it, or none
  std::string_view caption;
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool enabled = true;     // enabled state when the dialog is built
  bool groupStart = true;  // first control of a keyboard group (only later options are not)
  bool tabStop = false;
  int32_t color = kButtonTextColor;  // text colour, or the pen colour of a line
  int16_t lineWidthPixels = 0;
  SetupPicture picture = SetupPicture::kNone;
};

// The controls that show a stored setting (by its key), or none for a key the dialog does not
// show.
std::span<const ControlId> ControlsShowing(std::string_view settingKey);

// Every control of the dialog, in tab order. The tab control comes first; then the controls
// of each tab page in the order of the tabs; OK and Cancel last. cmdColorSelect overlaps the
// right end of the "Box" and "Oval" options and must stay above them.
std::span<const ControlDescriptor> SetupControls();

// The control with the given id, or nullptr.
const ControlDescriptor* FindControl(ControlId id);

// Top-left corner of a control in the dialog's client area, in twips, adding the offsets of
// its frame and, for controls on a tab page, of the tab control.
struct TwipPoint {
  int32_t x = 0;
  int32_t y = 0;
};
TwipPoint PositionInDialog(const ControlDescriptor& control);

// The option groups and their members' ids.
enum class OptionGroup : uint8_t { kDisplay, kSpeed, kFreq, kBackground, kVerseSize };
int16_t OptionCount(OptionGroup group);
ControlId OptionId(OptionGroup group, int16_t index);
// The group and index of an option button's id, or nothing for any other id.
struct OptionRef {
  OptionGroup group;
  int16_t index;
};
std::optional<OptionRef> OptionFromId(ControlId id);

}  // namespace sovelin
