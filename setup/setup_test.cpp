#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "settings/setting_table.h"
#include "setup/setup_form.h"
#include "setup/setup_model.h"
#include "setup/sysinfo.h"
#include "setup/verse_report_cache.h"

namespace sovelin {
namespace {

TEST(SetupForm, IdsAreUniqueAndOptionsMapBothWays) {
  std::set<int> ids;
  for (const ControlDescriptor& control : SetupControls())
    EXPECT_TRUE(ids.insert(control.id).second) << control.name << " " << control.index;
  for (OptionGroup group : {OptionGroup::kDisplay, OptionGroup::kSpeed, OptionGroup::kFreq,
                            OptionGroup::kBackground, OptionGroup::kVerseSize}) {
    for (int16_t index = 0; index < OptionCount(group); ++index) {
      const ControlDescriptor* option = FindControl(OptionId(group, index));
      ASSERT_NE(option, nullptr);
      EXPECT_EQ(option->groupStart, index == 0);
      const std::optional<OptionRef> back = OptionFromId(option->id);
      EXPECT_TRUE(back && back->group == group && back->index == index) << index;
    }
    EXPECT_EQ(FindControl(OptionId(group, OptionCount(group))), nullptr);
  }
  EXPECT_EQ(OptionFromId(kCmdOK), std::nullopt);
}

// A setting a policy may set must have controls to disable, or the user could change it in
// the dialog and see OK ignore the change.
TEST(SetupForm, EverySettingAPolicySetsHasControlsInTheDialog) {
  for (const SettingDefinition& setting : PolicySettings()) {
    const std::span<const ControlId> controls = ControlsShowing(setting.name);
    EXPECT_FALSE(controls.empty()) << setting.name;
    for (const ControlId id : controls) EXPECT_NE(FindControl(id), nullptr) << setting.name;
  }
  EXPECT_EQ(ControlsShowing("VerseSize").size(), 4u);
  EXPECT_EQ(ControlsShowing("Background").front(), kOptBackgroundFirst);
  EXPECT_TRUE(ControlsShowing("Password").empty());
}

TEST(SetupForm, PlacesControlsWithinTheirContainers) {
  // Every control on a tab page fits inside the tab control.
  const ControlDescriptor& tabs = *FindControl(kTbsOptions);
  for (const ControlDescriptor& control : SetupControls()) {
    if (control.tab == SetupTab::kNone) continue;
    const TwipPoint at = PositionInDialog(control);
    EXPECT_GE(at.x, tabs.left) << control.name;
    EXPECT_LE(at.x + control.width, tabs.left + tabs.width) << control.name;
    EXPECT_LE(at.y + control.height, tabs.top + tabs.height) << control.name << control.index;
  }
}

// The real dialog (tests/setup_dialog_win32_test.cpp) shows the stored choices, follows the
// enabling rules and writes all seven values; here what it does not reach.
struct FakeColorPicker final : ColorPicker {
  explicit FakeColorPicker(std::optional<int32_t> answer) : answer(answer) {}
  std::optional<int32_t> PickColor(const ColorDialogRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  std::optional<int32_t> answer;
  std::vector<ColorDialogRequest> requests;
};

TEST(SetupModel, OutOfRangeOptionsLoadAsNoneAndOkKeepsOrReplacesThemInWriteOrder) {
  SaverSettings s{
      .gSpeed = -1, .gFrequency = 5, .gDisplayOption = 8, .gClearScreen = 3, .gBackground = 12};
  SetupModel model(s);
  model.Form_Load();
  const SetupState& state = model.state();
  EXPECT_EQ(std::tuple(state.optDisplay, state.optSpeed, state.cmdColorSelectEnabled),
            std::tuple(kNoOption, kNoOption, false));
  EXPECT_FALSE(model.SelectOption(OptionGroup::kDisplay, 8));

  MemorySettingsStore store;
  model.cmdOK_Click(store);
  EXPECT_EQ(store.writeOrder,
            (std::vector<std::string>{
                "Speed", "Frequency", "DisplayOption", "RectangleColor", "ClearScreen",
                "Background", "PWProtected", "VerseSize", "SameVerseAllDay", "Backdrop",
                "BackdropColor", "BackdropPath", "VerseFont", "VerseFontBold", "VerseFontItalic"}));
  const std::map<std::string, std::string> some = {
      {"DisplayOption", "8"}, {"Speed", "5"}, {"Frequency", "5"}, {"Background", "10"}};
  for (const auto& [name, value] : some) EXPECT_EQ(store.values[name], value) << name;
}

// No two controls of a tab overlap, but for a frame and what it holds, the options of one group
// (taller than their spacing) and "Select Color", which stands over the options beside it.
TEST(SetupForm, ControlsOfATabDoNotOverlap) {
  const auto overlap = [](const ControlDescriptor& a, const ControlDescriptor& b) {
    const TwipPoint p = PositionInDialog(a), q = PositionInDialog(b);
    return p.x < q.x + b.width && q.x < p.x + a.width && p.y < q.y + b.height &&
           q.y < p.y + a.height;
  };
  const auto excused = [](const ControlDescriptor& a, const ControlDescriptor& b) {
    return a.container == b.id || b.container == a.id || a.tab == SetupTab::kNone ||
           (a.id == kCmdColorSelect && b.container == kFrame2) || a.name == b.name;
  };
  for (const ControlDescriptor& a : SetupControls())
    for (const ControlDescriptor& b : SetupControls())
      EXPECT_TRUE(a.tab != b.tab || excused(a, b) || excused(b, a) || !overlap(a, b))
          << a.name << a.index << " " << b.name << b.index;
}

class FakeFontPicker final : public FontPicker {
 public:
  std::optional<FontChoice> PickFont(const FontChoice& current) override {
    asked.push_back(current);
    return answer;
  }
  std::optional<FontChoice> answer;
  std::vector<FontChoice> asked;
};

// The dialog opens at the stored face; a choice shows at once and only OK stores it.
TEST(SetupModel, TheFontDialogStartsAtTheStoredFaceAndOnlyOkWritesTheChoice) {
  for (const bool ok : {false, true}) {
    SaverSettings s{.verseFont = "Verdana", .gVerseFontItalic = 1};
    SetupModel model(s);
    model.Form_Load();
    EXPECT_EQ(model.state().lblFont, "Verdana Italic");
    FakeFontPicker picker;
    model.cmdFont_Click(picker);  // cancelled: nothing changes
    picker.answer = FontChoice{"Georgia", true, false};
    model.cmdFont_Click(picker);
    ASSERT_EQ(picker.asked.size(), 2u);
    EXPECT_EQ(std::tuple(picker.asked[0].face, picker.asked[0].bold, picker.asked[0].italic),
              std::tuple("Verdana", false, true));
    EXPECT_EQ(model.state().lblFont, "Georgia Bold");
    MemorySettingsStore store;
    ok ? model.cmdOK_Click(store) : model.cmdCancel_Click();
    EXPECT_EQ(std::tuple(store.values["VerseFont"], store.values["VerseFontBold"],
                         store.values["VerseFontItalic"]),
              ok ? std::tuple("Georgia", "1", "0") : std::tuple("", "", ""));
  }
  SaverSettings own;
  SetupModel model(own);
  model.Form_Load();
  EXPECT_EQ(model.state().lblFont, "Own font");
}

TEST(SetupModel, TheColourDialogAlwaysStartsBlackAndOnlyOkWritesTheChoice) {
  SaverSettings s{.gDisplayOption = 5, .gRectangleColor = 0x00FF00};
  SetupModel model(s);
  model.Form_Load();

  FakeColorPicker chooser(0x0000FF);
  model.cmdColorSelect_Click(chooser);
  model.cmdColorSelect_Click(chooser);
  ASSERT_EQ(chooser.requests.size(), 2u);
  for (const ColorDialogRequest& request : chooser.requests)
    EXPECT_TRUE(request.flags == 1u && request.initialColor == 0);
  EXPECT_EQ(s.gRectangleColor, 0x0000FF);

  FakeColorPicker canceller(std::nullopt);
  model.cmdColorSelect_Click(canceller);
  EXPECT_EQ(s.gRectangleColor, 0x0000FF);
}

struct FakeBackdrop final : BackdropProbe, PathPicker {
  BackdropProblem Check(Backdrop, const std::string& path) override {
    checked.push_back(path);
    return problem;
  }
  std::optional<std::string> PickPath(Backdrop, const std::string&) override { return path; }
  BackdropProblem problem = BackdropProblem::kNone;
  std::optional<std::string> path;
  std::vector<std::string> checked;
};

// The list starts where ClearScreen or a stored Backdrop point, and OK writes both to match.
TEST(SetupModel, TheBackdropListAndClearScreenAreOneChoice) {
  // {ClearScreen, stored Backdrop, entry shown, entry chosen, Backdrop and ClearScreen written}
  const std::tuple<int16_t, int16_t, int, Backdrop, const char*, const char*> cases[] = {
      {0, kBackdropUnset, 0, Backdrop::kBlack, "1", "1"},
      {2, kBackdropUnset, 1, Backdrop::kDesktop, "0", "0"},
      {1, 0, 0, Backdrop::kColor, "2", "1"},
      {0, 4, 4, Backdrop::kFolder, "4", "1"}};
  for (const auto& [clear, stored, shown, chosen, backdrop, clearAfter] : cases) {
    SaverSettings s{.gClearScreen = clear, .gBackdrop = stored};
    SetupModel model(s);
    model.Form_Load();
    EXPECT_EQ(model.state().cboBackdrop, shown) << clear << " " << stored;
    FakeBackdrop probe;
    model.cboBackdrop_Click(chosen, probe);
    MemorySettingsStore store;
    model.cmdOK_Click(store);
    EXPECT_EQ(std::tuple(store.values["Backdrop"], store.values["ClearScreen"]),
              std::tuple(backdrop, clearAfter));
  }
}

TEST(SetupModel, TheBackdropStatusNamesTheChoiceAndWhyAPictureWillNotShow) {
  using enum BackdropProblem;
  // clang-format off
  const std::tuple<Backdrop, const char*, BackdropProblem, const char*> cases[] = {
      {Backdrop::kPicture, "C:\\Fotos\\a.jpg", kNone, "The picture a.jpg."},
      {Backdrop::kFolder, "\\\\hall\\Fotos\\", kNone, "Pictures from the folder Fotos, in shuffled order."},
      {Backdrop::kPicture, "C:\\a.jpg", kMissing, "a.jpg cannot be found: the desktop shows instead."},
      {Backdrop::kPicture, "C:/b/a.jpg", kUnreadable, "a.jpg cannot be read as a picture: the desktop shows instead."},
      {Backdrop::kFolder, "D:\\Fotos", kEmptyFolder, "Fotos holds no pictures: the desktop shows instead."},
      {Backdrop::kFolder, "", kNone, "No folder chosen yet: the desktop shows instead."},
      {Backdrop::kColor, "C:\\a.jpg", kMissing, "The designs grow over the chosen color."}};
  // clang-format on
  for (const auto& [kind, path, problem, status] : cases) {
    SaverSettings s{.backdropPath = path};
    SetupModel model(s);
    model.Form_Load();
    FakeBackdrop probe;
    probe.problem = problem;
    model.cboBackdrop_Click(kind, probe);
    EXPECT_EQ(model.state().lblBackdropStatus, status) << path;
  }
}

// A cancelled picker changes nothing; a chosen folder is chosen at once, stored only by OK.
TEST(SetupModel, APickedFolderOrColourChoosesItsBackdropAndOnlyOkWritesIt) {
  for (const bool ok : {false, true}) {
    SaverSettings s{.gBackdrop = 3, .backdropPath = "C:\\a.jpg"};
    SetupModel model(s);
    model.Form_Load();
    FakeBackdrop picker;
    model.cmdBackdropPath_Click(Backdrop::kFolder, picker, picker);
    EXPECT_EQ(model.state().cboBackdrop, 3);
    picker.path = "D:\\Fotos";
    model.cmdBackdropPath_Click(Backdrop::kFolder, picker, picker);
    EXPECT_EQ(model.state().cboBackdrop, 4);
    EXPECT_EQ(picker.checked, std::vector<std::string>{"D:\\Fotos"});
    FakeColorPicker colour(0x123456);
    if (ok) model.cmdBackdropColor_Click(colour, picker);
    MemorySettingsStore store;
    ok ? model.cmdOK_Click(store) : model.cmdCancel_Click();
    EXPECT_EQ(std::tuple(store.values["Backdrop"], store.values["BackdropColor"],
                         store.values["BackdropPath"]),
              ok ? std::tuple("2", "1193046", "D:\\Fotos") : std::tuple("", "", ""));
  }
}

using namespace std::string_literals;

TEST(RegistryValueText, TextWithoutItsTerminatorNumbersInHexAndNothingElse) {
  // What follows a zero is not used; type 2 is expandable text.
  // clang-format off
  const std::pair<RegistryValue, std::optional<std::string>> cases[] = {
      {{kRegText, "C:\\msinfo32.exe\0"s}, "C:\\msinfo32.exe"}, {{kRegText, "\0"s}, ""},
      {{kRegText, "C:\\msinfo32.exe"s}, "C:\\msinfo32.exe"}, {{kRegText, "C:\\a\0junk\0"s}, "C:\\a"},
      {{kRegNumber, "\x78\x56\x34\x12"s}, "&h12345678"}, {{kRegNumber, "\0\0\0\0"s}, "&h0"},
      {{kRegNumber, "\xff\xff\xff\xff"s}, "&hFFFFFFFF"}, {{kRegText, ""}, std::nullopt},
      {{kRegNumber, ""}, std::nullopt}, {{2, "C:\\x\0"s}, std::nullopt},
      {{kRegText, std::string(kValueBufferSize + 1, 'a')}, std::nullopt},
      {{kRegText, std::string(kValueBufferSize, 'a')}, std::string(kValueBufferSize, 'a')}};
  // clang-format on
  for (const auto& [value, text] : cases) EXPECT_EQ(RegistryValueText(value), text) << value.type;
}

// Registry and file system in memory; records what the launcher does, in order.
struct FakePlatform final : SysInfoPlatform {
  std::optional<RegistryValue> ReadLocalMachineValue(std::string_view keyName,
                                                     std::string_view valueName) override {
    const auto found = values.find({std::string(keyName), std::string(valueName)});
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  bool FileExists(const std::string& path) override {
    events.push_back("exists " + path);
    return files.contains(path);
  }
  bool StartProgram(const std::string& path) override {
    events.push_back("start " + path);
    return files.contains(path);
  }
  void SetWaitCursor(bool waiting) override { events.push_back(waiting ? "hourglass" : "arrow"); }
  void ShowMessage(const SetupMessage& message) override {
    events.push_back("message " + std::string(message.text));
    EXPECT_EQ(message.icon, MessageIcon::kExclamation);
  }

  void SetText(std::string_view key, std::string_view value, const std::string& text) {
    values[{std::string(key), std::string(value)}] = RegistryValue{kRegText, text + '\0'};
  }

  std::map<std::pair<std::string, std::string>, RegistryValue> values;
  std::set<std::string> files;
  std::vector<std::string> events;
};

const std::string kUnavailable = "message System Information Is Unavailable At This Time";

// An unusable path value (missing, expandable, empty) moves on to the folder; an empty folder
// is never turned into "\MSINFO32.EXE" at the drive root.
TEST(StartSysInfo, StartsTheRegisteredPathUntestedOrTheFolderOnlyWhenTheProgramIsThere) {
  const std::string tools = "C:\\Tools\\msinfo32.exe", folder = "C:\\MSINFO\\MSINFO32.EXE",
                    other = "D:\\Tools\\MSINFO32.EXE";
  const RegistryValue path{kRegText, tools + '\0'};
  const struct {
    std::optional<RegistryValue> path;
    std::optional<std::string> folder;
    bool present;
    std::vector<std::string> events;  // between the hourglass and the arrow
  } cases[] = {
      {path, "C:\\MSINFO", true, {"start " + tools}},
      {path, "C:\\MSINFO", false, {"start " + tools, kUnavailable}},
      {std::nullopt, "C:\\MSINFO", true, {"exists " + folder, "start " + folder}},
      {std::nullopt, "C:\\MSINFO", false, {"exists " + folder, kUnavailable}},
      {std::nullopt, std::nullopt, true, {kUnavailable}},
      {RegistryValue{2, "%windir%\\msinfo32.exe\0"s}, "", true, {kUnavailable}},
      {RegistryValue{kRegText, "\0"s}, "D:\\Tools", true, {"exists " + other, "start " + other}},
  };
  for (const auto& c : cases) {
    FakePlatform platform;
    if (c.path) platform.values[{std::string(kMsInfoKey), std::string(kMsInfoPathValue)}] = *c.path;
    if (c.folder) platform.SetText(kSharedToolsLocationKey, kMsInfoFolderValue, *c.folder);
    if (c.present) platform.files = {tools, folder, other, "\\MSINFO32.EXE"};
    StartSysInfo(platform);
    std::vector<std::string> expected = {"hourglass"};
    expected.insert(expected.end(), c.events.begin(), c.events.end());
    expected.push_back("arrow");
    EXPECT_EQ(platform.events, expected);
  }
}

// The dialog asks for the list's report at every activation; the list is loaded again only
// when another list is chosen or its file's size or write time changed.
TEST(VerseReportCache, LoadsAListAgainOnlyWhenItsFileChangedOrAnotherIsAsked) {
  std::map<std::string, FileStamp> stamps = {{"/prog/web.vrs", {true, 100, 7}},
                                             {"/prog/sovel.vrs", {true, 100, 7}}};
  std::vector<std::string> loads;
  VerseReportCache cache(
      [&](const std::filesystem::path& file) {
        loads.push_back(file.generic_string());
        VerseFileReport report;
        report.verses = static_cast<int32_t>(loads.size());
        return report;
      },
      [&](const std::filesystem::path& file) { return stamps[file.generic_string()]; });
  const auto verses = [&](const char* file) { return cache.ReportFor(file).verses; };
  EXPECT_EQ(verses("/prog/web.vrs"), 1);
  EXPECT_EQ(verses("/prog/web.vrs"), 1);
  stamps["/prog/web.vrs"].writeTime = 8;
  EXPECT_EQ(verses("/prog/web.vrs"), 2);
  stamps["/prog/web.vrs"].size = 99;
  EXPECT_EQ(verses("/prog/web.vrs"), 3);
  EXPECT_EQ(verses("/prog/sovel.vrs"), 4);  // the same stamp, another file
  EXPECT_EQ(verses("/prog/sovel.vrs"), 4);
  stamps["/prog/sovel.vrs"].exists = false;
  EXPECT_EQ(verses("/prog/sovel.vrs"), 5);
  EXPECT_EQ(loads.size(), 5u);
}

}  // namespace
}  // namespace sovelin
