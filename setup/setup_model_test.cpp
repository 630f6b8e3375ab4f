#include "setup/setup_model.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace sovelin {
namespace {

SaverSettings Settings(int16_t display, int16_t speed, int16_t freq, int16_t background,
                       int16_t clear, int16_t protect) {
  SaverSettings s;
  s.gDisplayOption = display;
  s.gSpeed = speed;
  s.gFrequency = freq;
  s.gBackground = background;
  s.gClearScreen = clear;
  s.gPWProtected = protect;
  return s;
}

class FakeColorPicker final : public ColorPicker {
 public:
  explicit FakeColorPicker(std::optional<int32_t> answer) : answer_(answer) {}
  std::optional<int32_t> PickColor(const ColorDialogRequest& request) override {
    requests.push_back(request);
    return answer_;
  }
  std::vector<ColorDialogRequest> requests;

 private:
  std::optional<int32_t> answer_;
};

TEST(SetupModel, LoadSelectsStoredOptionsAndOkStoresTheNoneValuesForTheRest) {
  struct Case {
    SaverSettings settings;
    std::array<int16_t, 6> loaded;              // display, speed, freq, background, clear, password
    std::map<std::string, std::string> stored;  // some of what OK then writes
  };
  const Case cases[] = {
      {Settings(3, 4, 2, 9, 1, 0), {3, 4, 2, 9, kChecked, kUnchecked}, {{"Background", "9"}}},
      {Settings(8, -1, 5, 12, 3, -1),
       {kNoOption, kNoOption, kNoOption, kNoOption, kUnchecked, kUnchecked},
       {{"DisplayOption", "8"}, {"Speed", "5"}, {"Frequency", "5"}, {"Background", "10"}}},
      // A greyed check box survives OK but does not enable "Set Password...".
      {Settings(0, 2, 1, 0, 2, 2), {0, 2, 1, 0, kGrayed, kGrayed}, {{"PWProtected", "2"}}},
  };
  for (const Case& c : cases) {
    SaverSettings s = c.settings;
    SetupModel model(s);
    model.Form_Load();
    const SetupState& state = model.state();
    EXPECT_EQ(state.lblVersion, "Version 3.0.1");
    EXPECT_EQ(
        (std::array<int16_t, 6>{state.optDisplay, state.optSpeed, state.optFreq,
                                state.optBackground, state.chkBackgroundClear, state.chkPswd}),
        c.loaded);
    EXPECT_FALSE(state.cmdPswdEnabled);
    MemorySettingsStore store;
    model.cmdOK_Click(store);
    for (const auto& [name, value] : c.stored) EXPECT_EQ(store.values[name], value) << name;
  }
}

TEST(SetupModel, SelectColorIsEnabledOnlyForTheBoxAndTheOval) {
  for (int16_t display = -1; display <= 8; ++display) {
    SaverSettings s = Settings(display, 2, 1, 0, 0, 0);
    SetupModel model(s);
    model.Form_Load();
    EXPECT_EQ(model.state().cmdColorSelectEnabled, display == 5 || display == 6) << display;
  }
  SaverSettings s = Settings(5, 2, 1, 0, 0, 0);
  SetupModel model(s);
  model.Form_Load();
  model.SelectOption(OptionGroup::kDisplay, 7);
  EXPECT_FALSE(model.state().cmdColorSelectEnabled);
  model.SelectOption(OptionGroup::kDisplay, 6);
  EXPECT_TRUE(model.state().cmdColorSelectEnabled);
  EXPECT_FALSE(model.SelectOption(OptionGroup::kDisplay, 8));
  EXPECT_EQ(model.state().optDisplay, 6);
  EXPECT_TRUE(model.state().cmdColorSelectEnabled);
}

TEST(SetupModel, TheColourDialogAlwaysStartsBlackAndOnlyOkWritesTheChoice) {
  SaverSettings s = Settings(5, 2, 1, 0, 0, 0);
  s.gRectangleColor = 0x00FF00;
  SetupModel model(s);
  model.Form_Load();

  FakeColorPicker chooser(0x0000FF);
  model.cmdColorSelect_Click(chooser);
  model.cmdColorSelect_Click(chooser);
  ASSERT_EQ(chooser.requests.size(), 2u);
  for (const ColorDialogRequest& request : chooser.requests) {
    EXPECT_EQ(request.flags, 1u);
    EXPECT_EQ(request.initialColor, 0);
  }
  EXPECT_EQ(s.gRectangleColor, 0x0000FF);

  FakeColorPicker canceller(std::nullopt);
  model.cmdColorSelect_Click(canceller);
  EXPECT_EQ(s.gRectangleColor, 0x0000FF);

  MemorySettingsStore store;
  model.cmdCancel_Click();
  EXPECT_TRUE(model.state().closed);
  EXPECT_TRUE(store.writeOrder.empty());
}

TEST(SetupModel, OkCopiesTheChoicesAndWritesSevenValuesInOrder) {
  SaverSettings s = Settings(0, 2, 1, 0, 0, 0);
  SetupModel model(s);
  model.Form_Load();
  model.SelectOption(OptionGroup::kDisplay, 7);
  model.SelectOption(OptionGroup::kSpeed, 0);
  model.SelectOption(OptionGroup::kFreq, 4);
  model.SelectOption(OptionGroup::kBackground, 9);
  model.ClickCheckBox(SetupCheckBox::kBackgroundClear);
  model.ClickCheckBox(SetupCheckBox::kPswd);
  FakeColorPicker chooser(16777215);
  model.cmdColorSelect_Click(chooser);

  MemorySettingsStore store;
  model.cmdOK_Click(store);
  EXPECT_TRUE(model.state().closed);
  const std::vector<std::string> order = {"Speed",          "Frequency",   "DisplayOption",
                                          "RectangleColor", "ClearScreen", "Background",
                                          "PWProtected"};
  EXPECT_EQ(store.writeOrder, order);
  const std::map<std::string, std::string> expected = {
      {"Speed", "0"},         {"Frequency", "4"},
      {"DisplayOption", "7"}, {"RectangleColor", "16777215"},
      {"ClearScreen", "1"},   {"Background", "9"},
      {"PWProtected", "1"}};
  EXPECT_EQ(store.values, expected);
  EXPECT_EQ(s.gDisplayOption, 7);
  EXPECT_EQ(s.gPWProtected, 1);
}

}  // namespace
}  // namespace sovelin
