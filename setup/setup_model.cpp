#include "setup/setup_model.h"

#include <iterator>

#include "common/numbers.h"
#include "common/texts.h"

namespace sovelin {

namespace {

constexpr const char* kOwnFontCaption = "Own font";
constexpr const char* kBoldSuffix = " Bold";
constexpr const char* kItalicSuffix = " Italic";

// The file or folder's own name, for the status line (the whole path would not fit).
std::string LastName(const std::string& path) {
  const size_t end = path.find_last_not_of("\\/");
  if (end == std::string::npos) return path;
  const size_t slash = path.find_last_of("\\/", end);
  return path.substr(slash == std::string::npos ? 0 : slash + 1, end - slash);
}

std::string BackdropProblemText(BackdropProblem problem, Backdrop kind, const std::string& path) {
  const bool folder = kind == Backdrop::kFolder;
  switch (problem) {
    case BackdropProblem::kNone: break;
    case BackdropProblem::kNoPath:
      return std::string(folder ? Tr("No folder chosen yet: the desktop shows instead.")
                                : Tr("No picture chosen yet: the desktop shows instead."));
    case BackdropProblem::kMissing:
      return FormatText(Tr("%s cannot be found: the desktop shows instead."), {LastName(path)});
    case BackdropProblem::kUnreadable:
      return FormatText(Tr("%s cannot be read as a picture: the desktop shows instead."),
                        {LastName(path)});
    case BackdropProblem::kEmptyFolder:
      return FormatText(Tr("%s holds no pictures: the desktop shows instead."), {LastName(path)});
  }
  return FormatText(
      folder ? Tr("Pictures from the folder %s, in shuffled order.") : Tr("The picture %s."),
      {LastName(path)});
}

// The index of the selected option, or the group's size when none is selected.
int16_t SelectedOrNone(int16_t selection, OptionGroup group) {
  return selection == kNoOption ? OptionCount(group) : selection;
}

static_assert(std::size(kVerseSizes) == kVerseSizeOptionCount, "one option per verse size");

// The option of a verse size (the record always holds one of kVerseSizes).
int16_t VerseSizeOption(int16_t percent) {
  for (int16_t index = 0; index < kVerseSizeOptionCount; ++index) {
    if (kVerseSizes[index] == percent) return index;
  }
  return kNoOption;
}

}  // namespace

std::string VersionCaption(ProgramVersion version) {
  const std::string number = DecimalText(version.major) + "." + DecimalText(version.minor) + "." +
                             DecimalText(version.revision);
  return FormatText(Tr("Version %s"), {number});
}

int16_t& SetupModel::Selection(OptionGroup group) {
  switch (group) {
    case OptionGroup::kDisplay: return state_.optDisplay;
    case OptionGroup::kSpeed: return state_.optSpeed;
    case OptionGroup::kFreq: return state_.optFreq;
    case OptionGroup::kVerseSize: return state_.optVerseSize;
    case OptionGroup::kBackground: break;
  }
  return state_.optBackground;
}

int16_t& SetupModel::CheckValue(SetupCheckBox box) {
  switch (box) {
    case SetupCheckBox::kSameVerseAllDay: return state_.chkSameVerseAllDay;
    case SetupCheckBox::kPswd: break;
  }
  return state_.chkPswd;
}

void SetupModel::Form_Load() {
  state_.lblVersion = VersionCaption(kProgramVersion);
  // Each step that fails leaves its control as built and the next step runs.
  SelectOption(OptionGroup::kDisplay, settings_.gDisplayOption);
  SelectOption(OptionGroup::kSpeed, settings_.gSpeed);
  SelectOption(OptionGroup::kFreq, settings_.gFrequency);
  SelectOption(OptionGroup::kBackground, settings_.gBackground);
  state_.cboBackdrop = static_cast<int16_t>(settings_.ChosenBackdrop());
  SetCheckBox(SetupCheckBox::kPswd, settings_.gPWProtected);
  SelectOption(OptionGroup::kVerseSize, VerseSizeOption(settings_.gVerseSize));
  SetCheckBox(SetupCheckBox::kSameVerseAllDay, settings_.gSameVerseAllDay);
  ShowFont();
}

// The face's name and style, or the words for each window's own font.
void SetupModel::ShowFont() {
  if (settings_.verseFont.empty()) {
    state_.lblFont = Tr(kOwnFontCaption);
    return;
  }
  state_.lblFont = settings_.verseFont;
  if (settings_.gVerseFontBold == 1) state_.lblFont += Tr(kBoldSuffix);
  if (settings_.gVerseFontItalic == 1) state_.lblFont += Tr(kItalicSuffix);
}

void SetupModel::cmdFont_Click(FontPicker& picker) {
  const FontChoice current{settings_.verseFont, settings_.gVerseFontBold == 1,
                           settings_.gVerseFontItalic == 1};
  const std::optional<FontChoice> chosen = picker.PickFont(current);
  if (!chosen || chosen->face.empty()) return;
  settings_.verseFont = chosen->face;
  settings_.gVerseFontBold = chosen->bold ? 1 : 0;
  settings_.gVerseFontItalic = chosen->italic ? 1 : 0;
  ShowFont();
}

void SetupModel::ShowBackdrop(BackdropProbe& probe) {
  const auto kind = static_cast<Backdrop>(state_.cboBackdrop);
  switch (kind) {
    case Backdrop::kDesktop:
      state_.lblBackdropStatus = std::string(Tr("The designs grow over a copy of the desktop."));
      return;
    case Backdrop::kBlack:
      state_.lblBackdropStatus = std::string(Tr("The designs grow over black."));
      return;
    case Backdrop::kColor:
      state_.lblBackdropStatus = std::string(Tr("The designs grow over the chosen color."));
      return;
    case Backdrop::kPicture:
    case Backdrop::kFolder: break;
  }
  const std::string& path = settings_.backdropPath;
  const BackdropProblem problem = path.empty() ? BackdropProblem::kNoPath : probe.Check(kind, path);
  state_.lblBackdropStatus = BackdropProblemText(problem, kind, path);
}

void SetupModel::cboBackdrop_Click(Backdrop chosen, BackdropProbe& probe) {
  state_.cboBackdrop = static_cast<int16_t>(chosen);
  ShowBackdrop(probe);
}

void SetupModel::cmdBackdropColor_Click(ColorPicker& picker, BackdropProbe& probe) {
  const std::optional<int32_t> chosen = picker.PickColor(ColorDialogRequest{});
  if (!chosen) return;
  settings_.gBackdropColor = *chosen;
  cboBackdrop_Click(Backdrop::kColor, probe);
}

void SetupModel::cmdBackdropPath_Click(Backdrop kind, PathPicker& picker, BackdropProbe& probe) {
  const std::optional<std::string> chosen = picker.PickPath(kind, settings_.backdropPath);
  if (!chosen || chosen->empty()) return;
  settings_.backdropPath = *chosen;
  cboBackdrop_Click(kind, probe);
}

bool SetupModel::SelectOption(OptionGroup group, int16_t index) {
  if (index < 0 || index >= OptionCount(group)) {
    return false;
  }
  Selection(group) = index;
  if (group == OptionGroup::kDisplay) {
    optDisplay_Click(index);
  }
  return true;
}

bool SetupModel::SetCheckBox(SetupCheckBox box, int16_t value) {
  if (value != kUnchecked && value != kChecked && value != kGrayed) {
    return false;
  }
  int16_t& current = CheckValue(box);
  if (current == value) {
    return true;
  }
  current = value;
  if (box == SetupCheckBox::kPswd) {
    chkPswd_Click();
  }
  return true;
}

void SetupModel::ClickCheckBox(SetupCheckBox box) {
  SetCheckBox(box, CheckValue(box) == kChecked ? kUnchecked : kChecked);
}

void SetupModel::optDisplay_Click(int16_t index) {
  // Only the box and the oval windows take the user's colour.
  state_.cmdColorSelectEnabled = index == 5 || index == 6;
}

void SetupModel::chkPswd_Click() {
  state_.cmdPswdEnabled = state_.chkPswd == kChecked;
}

void SetupModel::cmdColorSelect_Click(ColorPicker& picker) {
  if (const std::optional<int32_t> chosen = picker.PickColor(ColorDialogRequest{})) {
    settings_.gRectangleColor = *chosen;
  }
}

void SetupModel::cmdOK_Click(SettingsStore& store) {
  settings_.gDisplayOption = SelectedOrNone(state_.optDisplay, OptionGroup::kDisplay);
  settings_.gSpeed = SelectedOrNone(state_.optSpeed, OptionGroup::kSpeed);
  settings_.gFrequency = SelectedOrNone(state_.optFreq, OptionGroup::kFreq);
  settings_.gBackground = SelectedOrNone(state_.optBackground, OptionGroup::kBackground);
  settings_.gBackdrop = state_.cboBackdrop;
  settings_.gClearScreen = state_.cboBackdrop == static_cast<int16_t>(Backdrop::kDesktop) ? 0 : 1;
  settings_.gPWProtected = state_.chkPswd;
  if (state_.optVerseSize != kNoOption) settings_.gVerseSize = kVerseSizes[state_.optVerseSize];
  settings_.gSameVerseAllDay = state_.chkSameVerseAllDay;
  SaveSettings(store, settings_);
  state_.closed = true;
}

void SetupModel::cmdCancel_Click() {
  state_.closed = true;
}

}  // namespace sovelin
