#include "setup/setup_form.h"

#include "settings/settings.h"

namespace sovelin {

namespace {

constexpr ControlId Offset(ControlId first, int16_t index) {
  return static_cast<ControlId>(first + index);
}

constexpr ControlDescriptor Button(ControlId id, std::string_view name, SetupTab tab,
                                   ControlId container, std::string_view caption, int32_t left,
                                   int32_t top, int32_t width, int32_t height,
                                   bool enabled = true) {
  ControlDescriptor c;
  c.id = id;
  c.name = name;
  c.kind = ControlKind::kPushButton;
  c.tab = tab;
  c.container = container;
  c.caption = caption;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.enabled = enabled;
  c.tabStop = true;
  return c;
}

// Every help button stands at the same place on its tab and shows the help picture.
constexpr ControlDescriptor HelpButton(ControlId id, std::string_view name, SetupTab tab) {
  ControlDescriptor c = Button(id, name, tab, kNoControl, "", 5160, 3480, 615, 615);
  c.kind = ControlKind::kPictureButton;
  c.picture = SetupPicture::kHelpIcon;
  return c;
}

constexpr ControlDescriptor Frame(ControlId id, std::string_view name, SetupTab tab,
                                  std::string_view caption, int32_t left, int32_t top,
                                  int32_t width, int32_t height) {
  ControlDescriptor c;
  c.id = id;
  c.name = name;
  c.kind = ControlKind::kFrame;
  c.tab = tab;
  c.caption = caption;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  return c;
}

constexpr ControlDescriptor Option(ControlId first, std::string_view name, int16_t index,
                                   SetupTab tab, ControlId frame, std::string_view caption,
                                   int32_t left, int32_t top, int32_t width, int32_t height) {
  ControlDescriptor c;
  c.id = Offset(first, index);
  c.name = name;
  c.index = index;
  c.kind = ControlKind::kOptionButton;
  c.tab = tab;
  c.container = frame;
  c.caption = caption;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.groupStart = index == 0;
  c.tabStop = index == 0;
  return c;
}

constexpr ControlDescriptor DisplayOption(int16_t index, std::string_view caption) {
  return Option(kOptDisplayFirst, "optDisplay", index, SetupTab::kVerseDisplay, kFrame2, caption,
                240, 180 + 360 * index, 3000, 495);
}

constexpr ControlDescriptor SpeedOption(int16_t index, std::string_view caption) {
  return Option(kOptSpeedFirst, "optSpeed", index, SetupTab::kVerseSpeed, kFrame1, caption, 1020,
                360 + 480 * index, 2000, 495);
}

constexpr ControlDescriptor FreqOption(int16_t index, std::string_view caption) {
  return Option(kOptFreqFirst, "optFreq", index, SetupTab::kChangeFreq, kFrame3, caption, 1020,
                360 + 480 * index, 2000, 495);
}

constexpr ControlDescriptor BackgroundOption(int16_t index, std::string_view caption) {
  const int32_t width = index == 6 || index == 7 ? 2655 : 2000;
  return Option(kOptBackgroundFirst, "optBackground", index, SetupTab::kBackground, kFrame4,
                caption, 1020, 300 + 300 * index, width, 315);
}

// The verse size choice, one row of options below the display options' frame.
constexpr ControlDescriptor VerseSizeOption(int16_t index, std::string_view caption) {
  return Option(kOptVerseSizeFirst, "optVerseSize", index, SetupTab::kVerseDisplay, kNoControl,
                caption, 2130 + 750 * index, 3870, 700, 270);
}

constexpr ControlDescriptor CheckBox(ControlId id, std::string_view name, SetupTab tab,
                                     std::string_view caption, int32_t left, int32_t top,
                                     int32_t width, int32_t height) {
  ControlDescriptor c = Button(id, name, tab, kNoControl, caption, left, top, width, height);
  c.kind = ControlKind::kCheckBox;
  return c;
}

constexpr ControlDescriptor Label(ControlId id, std::string_view name, std::string_view caption,
                                  int32_t left, int32_t top, int32_t width, int32_t height,
                                  int32_t color = kButtonTextColor,
                                  SetupTab tab = SetupTab::kAbout) {
  ControlDescriptor c;
  c.id = id;
  c.name = name;
  c.kind = ControlKind::kLabel;
  c.tab = tab;
  c.caption = caption;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.color = color;
  return c;
}

// A control on a tab page outside any frame; all but labels take the focus by Tab.
constexpr ControlDescriptor PageControl(SetupTab tab, ControlId id, std::string_view name,
                                        ControlKind kind, std::string_view caption, int32_t left,
                                        int32_t top, int32_t width, int32_t height) {
  ControlDescriptor c = Label(id, name, caption, left, top, width, height);
  c.kind = kind;
  c.tab = tab;
  c.tabStop = kind != ControlKind::kLabel;
  return c;
}

// The backdrop's controls stand on the "Background" tab, below its frame.
constexpr ControlDescriptor BackdropControl(ControlId id, std::string_view name, ControlKind kind,
                                            std::string_view caption, int32_t left, int32_t top,
                                            int32_t width, int32_t height) {
  return PageControl(SetupTab::kBackground, id, name, kind, caption, left, top, width, height);
}

// The verse list's controls stand on the "Change Freq" tab, below its frame.
constexpr ControlDescriptor VerseListControl(ControlId id, std::string_view name, ControlKind kind,
                                             std::string_view caption, int32_t left, int32_t top,
                                             int32_t width, int32_t height) {
  return PageControl(SetupTab::kChangeFreq, id, name, kind, caption, left, top, width, height);
}

constexpr ControlDescriptor Picture(ControlId id, std::string_view name, SetupPicture picture,
                                    int32_t left, int32_t top, int32_t width, int32_t height) {
  ControlDescriptor c = Label(id, name, "", left, top, width, height);
  c.kind = ControlKind::kPicture;
  c.picture = picture;
  return c;
}

constexpr ControlDescriptor Line(int16_t index, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                 int32_t color, int16_t widthPixels) {
  ControlDescriptor c =
      Label(Offset(kLine1First, index), "Line1", "", x1, y1, x2 - x1, y2 - y1, color);
  c.index = index;
  c.kind = ControlKind::kLine;
  c.lineWidthPixels = widthPixels;
  return c;
}

constexpr ControlDescriptor TabControl() {
  ControlDescriptor c;
  c.id = kTbsOptions;
  c.name = "tbsOptions";
  c.kind = ControlKind::kTabControl;
  c.left = 60;
  c.top = 60;
  c.width = 6105;
  c.height = 5235;
  c.tabStop = true;
  return c;
}

constexpr int32_t kBlack = 0x000000;
constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kGrey = 0x808080;

constexpr auto kControls = std::to_array<ControlDescriptor>({
    TabControl(),

    Frame(kFrame2, "Frame2", SetupTab::kVerseDisplay, "Display Options for Bible Verse", 1200, 540,
          3675, 3255),
    DisplayOption(0, "Open book"),
    DisplayOption(1, "Piece of bread"),
    DisplayOption(2, "Newspaper"),
    DisplayOption(3, "Computer"),
    DisplayOption(4, "Scroll"),
    DisplayOption(5, "Box (user select color)"),
    DisplayOption(6, "Oval (user select color)"),
    DisplayOption(7, "Random display option"),
    Button(kCmdColorSelect, "cmdColorSelect", SetupTab::kVerseDisplay, kFrame2, "Select Color",
           2460, 2220, 1035, 315, false),
    // Below the frame: the verse size in one row (the label stands level with the options'
    // text) and the one-verse-a-day check box under it.
    Label(kLblVerseSize, "lblVerseSize", "Verse size:", 1080, 3900, 1020, 210, kButtonTextColor,
          SetupTab::kVerseDisplay),
    VerseSizeOption(0, "100%"),
    VerseSizeOption(1, "150%"),
    VerseSizeOption(2, "200%"),
    VerseSizeOption(3, "300%"),
    CheckBox(kChkSameVerseAllDay, "chkSameVerseAllDay", SetupTab::kVerseDisplay,
             "Same verse all day", 1080, 4170, 3960, 270),
    // Under it, the verse's face: the button opens the font dialog, the label names the face.
    Button(kCmdFont, "cmdFont", SetupTab::kVerseDisplay, kNoControl, "Font...", 1080, 4530, 1035,
           300),
    Label(kLblFont, "lblFont", "", 2175, 4570, 3600, 225, kButtonTextColor,
          SetupTab::kVerseDisplay),
    HelpButton(kCmdDisplayHelp, "cmdDisplayHelp", SetupTab::kVerseDisplay),

    Frame(kFrame1, "Frame1", SetupTab::kVerseSpeed, "Speed of Verse Across Screen", 1260, 600, 3495,
          3015),
    SpeedOption(0, "Slowest speed"),
    SpeedOption(1, "Slow speed"),
    SpeedOption(2, "Normal speed"),
    SpeedOption(3, "Fast speed"),
    SpeedOption(4, "Fastest speed"),
    HelpButton(kCmdSpeedHelp, "cmdSpeedHelp", SetupTab::kVerseSpeed),

    Frame(kFrame3, "Frame3", SetupTab::kChangeFreq, "How Often the Bible Verse Changes", 1260, 600,
          3495, 3015),
    FreqOption(0, "30 seconds"),
    FreqOption(1, "1 minute"),
    FreqOption(2, "2 minutes"),
    FreqOption(3, "5 minutes"),
    FreqOption(4, "10 minutes"),
    VerseListControl(kLblVerseList, "lblVerseList", ControlKind::kLabel, "Verse list:", 240, 3765,
                     900, 225),
    VerseListControl(kCboVerseList, "cboVerseList", ControlKind::kComboBox, "", 1140, 3720, 2820,
                     315),
    VerseListControl(kCmdVerseEdit, "cmdVerseEdit", ControlKind::kPushButton, "&Edit...", 4035,
                     3705, 1035, 345),
    VerseListControl(kLblVerseStatus, "lblVerseStatus", ControlKind::kLabel, "", 240, 4095, 4830,
                     390),
    HelpButton(kCmdFreqHelp, "cmdFreqHelp", SetupTab::kChangeFreq),

    Frame(kFrame4, "Frame4", SetupTab::kBackground, "Background Display Options", 1080, 420, 3915,
          3435),
    BackgroundOption(0, "Color Swirls"),
    BackgroundOption(1, "Embedded Circles"),
    BackgroundOption(2, "Random Circles"),
    BackgroundOption(3, "Confetti"),
    BackgroundOption(4, "Chasing Lines"),
    BackgroundOption(5, "Oblong Shapes"),
    BackgroundOption(6, "Shapes (no wipe by verse)"),
    BackgroundOption(7, "Full Screen Color Inverse"),
    BackgroundOption(8, "Random"),
    BackgroundOption(9, "None"),
    // What the designs grow over, in the place of the old "clear background" check box; the
    // pickers below it, then the line that says what is chosen.
    BackdropControl(kLblBackdrop, "lblBackdrop", ControlKind::kLabel, "Backdrop:", 240, 4005, 1560,
                    225),
    BackdropControl(kCboBackdrop, "cboBackdrop", ControlKind::kComboBox, "", 1860, 3960, 2460, 315),
    BackdropControl(kCmdBackdropColor, "cmdBackdropColor", ControlKind::kPushButton, "Color...",
                    1860, 4380, 1035, 345),
    BackdropControl(kCmdBackdropPicture, "cmdBackdropPicture", ControlKind::kPushButton,
                    "Picture...", 2955, 4380, 1035, 345),
    BackdropControl(kCmdBackdropFolder, "cmdBackdropFolder", ControlKind::kPushButton, "Folder...",
                    4050, 4380, 1035, 345),
    BackdropControl(kLblBackdropStatus, "lblBackdropStatus", ControlKind::kLabel, "", 240, 4800,
                    5535, 390),
    HelpButton(kCmdBackgroundHelp, "cmdBackgroundHelp", SetupTab::kBackground),

    CheckBox(kChkPswd, "chkPswd", SetupTab::kPassword, "Password Protected", 840, 840, 2475, 495),
    Button(kCmdPswd, "cmdPswd", SetupTab::kPassword, kNoControl, "Set Password...", 3480, 900, 1575,
           375, false),
    HelpButton(kCmdPasswordHelp, "cmdPasswordHelp", SetupTab::kPassword),

    Picture(kPicIcon, "picIcon", SetupPicture::kProgramIcon, 495, 840, 540, 540),
    Label(kLblTitle, "lblTitle", "Sovelin:The Screen Saver", 1305, 840, 3885, 480, kBlack),
    Label(kLblVersion, "lblVersion", "Version", 1305, 1380, 3885, 225),
    Label(kLblDescription, "lblDescription", "Bible verses floating across your screen", 1305, 1725,
          3885, 210, kBlack),
    // The white line under the grey one, one pixel lower and right, makes an etched separator.
    Line(0, 495, 2025, 5705, 2025, kWhite, 2),
    Line(1, 480, 2010, 5705, 2010, kGrey, 1),
    Picture(kImage1, "Image1", SetupPicture::kAboutPicture, 1275, 2160, 3060, 1770),
    Button(kCmdSysInfo, "cmdSysInfo", SetupTab::kAbout, kNoControl, "&System Info...", 4560, 3480,
           1245, 345),

    // Left of OK and Cancel, in two lines; shown only when a policy sets a setting.
    Label(kLblManaged, "lblManaged", kManagedNotice, 120, 5385, 3390, 435, kButtonTextColor,
          SetupTab::kNone),
    Button(kCmdOK, "cmdOK", SetupTab::kNone, kNoControl, "OK", 3630, 5415, 1095, 375),
    Button(kCmdCancel, "cmdCancel", SetupTab::kNone, kNoControl, "Cancel", 4860, 5415, 1095, 375),
});

constexpr ControlId FirstOptionId(OptionGroup group) {
  switch (group) {
    case OptionGroup::kDisplay: return kOptDisplayFirst;
    case OptionGroup::kSpeed: return kOptSpeedFirst;
    case OptionGroup::kFreq: return kOptFreqFirst;
    case OptionGroup::kBackground: return kOptBackgroundFirst;
    case OptionGroup::kVerseSize: return kOptVerseSizeFirst;
  }
  return kNoControl;
}

// The members of an option group, first to last.
template <size_t kCount>
constexpr std::array<ControlId, kCount> Options(ControlId first) {
  std::array<ControlId, kCount> ids{};
  for (size_t index = 0; index < kCount; ++index) ids[index] = Offset(first, int16_t(index));
  return ids;
}

constexpr auto kDisplayOptionIds = Options<kDisplayOptionCount>(kOptDisplayFirst);
constexpr auto kSpeedOptionIds = Options<kSpeedOptionCount>(kOptSpeedFirst);
constexpr auto kFreqOptionIds = Options<kFreqOptionCount>(kOptFreqFirst);
constexpr auto kBackgroundOptionIds = Options<kBackgroundOptionCount>(kOptBackgroundFirst);
constexpr auto kVerseSizeOptionIds = Options<kVerseSizeOptionCount>(kOptVerseSizeFirst);
constexpr ControlId kColorIds[] = {kCmdColorSelect};
constexpr ControlId kSameVerseIds[] = {kChkSameVerseAllDay};
// "Edit..." chooses the user's own list, so it goes with the list.
constexpr ControlId kVerseListIds[] = {kCboVerseList, kCmdVerseEdit};
// ClearScreen decides the backdrop while no Backdrop is stored, so it governs the whole row.
constexpr ControlId kBackdropIds[] = {kCboBackdrop, kCmdBackdropColor, kCmdBackdropPicture,
                                      kCmdBackdropFolder};
constexpr ControlId kBackdropColorIds[] = {kCmdBackdropColor};
constexpr ControlId kBackdropPathIds[] = {kCmdBackdropPicture, kCmdBackdropFolder};
constexpr ControlId kFontIds[] = {kCmdFont};
constexpr ControlId kPswdIds[] = {kChkPswd};

struct SettingControls {
  std::string_view key;
  std::span<const ControlId> ids;
};
constexpr SettingControls kSettingControls[] = {
    {keys::kDisplayOption, kDisplayOptionIds}, {keys::kRectangleColor, kColorIds},
    {keys::kVerseSize, kVerseSizeOptionIds},   {keys::kSameVerseAllDay, kSameVerseIds},
    {keys::kSpeed, kSpeedOptionIds},           {keys::kFrequency, kFreqOptionIds},
    {keys::kVerseList, kVerseListIds},         {keys::kBackground, kBackgroundOptionIds},
    {keys::kClearScreen, kBackdropIds},        {keys::kPWProtected, kPswdIds},
    {keys::kBackdrop, kBackdropIds},           {keys::kBackdropColor, kBackdropColorIds},
    {keys::kBackdropPath, kBackdropPathIds},   {keys::kVerseFont, kFontIds},
    {keys::kVerseFontBold, kFontIds},          {keys::kVerseFontItalic, kFontIds},
};

}  // namespace

std::span<const ControlId> ControlsShowing(std::string_view settingKey) {
  for (const SettingControls& setting : kSettingControls) {
    if (setting.key == settingKey) return setting.ids;
  }
  return {};
}

std::span<const ControlDescriptor> SetupControls() {
  return kControls;
}

const ControlDescriptor* FindControl(ControlId id) {
  for (const ControlDescriptor& control : kControls) {
    if (control.id == id) {
      return &control;
    }
  }
  return nullptr;
}

TwipPoint PositionInDialog(const ControlDescriptor& control) {
  TwipPoint point{control.left, control.top};
  if (const ControlDescriptor* frame = FindControl(control.container)) {
    point.x += frame->left;
    point.y += frame->top;
  }
  if (control.tab != SetupTab::kNone) {
    const ControlDescriptor& tabs = kControls.front();
    point.x += tabs.left;
    point.y += tabs.top;
  }
  return point;
}

int16_t OptionCount(OptionGroup group) {
  switch (group) {
    case OptionGroup::kDisplay: return kDisplayOptionCount;
    case OptionGroup::kSpeed: return kSpeedOptionCount;
    case OptionGroup::kFreq: return kFreqOptionCount;
    case OptionGroup::kBackground: return kBackgroundOptionCount;
    case OptionGroup::kVerseSize: return kVerseSizeOptionCount;
  }
  return 0;
}

ControlId OptionId(OptionGroup group, int16_t index) {
  return Offset(FirstOptionId(group), index);
}

std::optional<OptionRef> OptionFromId(ControlId id) {
  for (OptionGroup group : {OptionGroup::kDisplay, OptionGroup::kSpeed, OptionGroup::kFreq,
                            OptionGroup::kBackground, OptionGroup::kVerseSize}) {
    const int index = id - FirstOptionId(group);
    if (index >= 0 && index < OptionCount(group)) {
      return OptionRef{group, static_cast<int16_t>(index)};
    }
  }
  return std::nullopt;
}

}  // namespace sovelin
