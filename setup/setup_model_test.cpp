// The real dialog (tests/setup_dialog_win32_test.cpp) shows the stored choices, follows the
// enabling rules and writes all seven values; here what it does not reach.
#include "setup/setup_model.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace sovelin {
namespace {

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

TEST(SetupModel, OutOfRangeOptionsLoadAsNoneAndOkKeepsOrReplacesThemInWriteOrder) {
  SaverSettings s;
  s.gDisplayOption = 8;
  s.gSpeed = -1;
  s.gFrequency = 5;
  s.gBackground = 12;
  s.gClearScreen = 3;
  SetupModel model(s);
  model.Form_Load();
  const SetupState& state = model.state();
  EXPECT_EQ(state.lblVersion, "Version 3.0.1");
  EXPECT_EQ(state.optDisplay, kNoOption);
  EXPECT_EQ(state.optSpeed, kNoOption);
  EXPECT_EQ(state.chkBackgroundClear, kUnchecked);
  EXPECT_FALSE(state.cmdColorSelectEnabled);
  EXPECT_FALSE(model.SelectOption(OptionGroup::kDisplay, 8));

  MemorySettingsStore store;
  model.cmdOK_Click(store);
  EXPECT_EQ(store.writeOrder,
            (std::vector<std::string>{"Speed", "Frequency", "DisplayOption", "RectangleColor",
                                      "ClearScreen", "Background", "PWProtected"}));
  const std::map<std::string, std::string> some = {
      {"DisplayOption", "8"}, {"Speed", "5"}, {"Frequency", "5"}, {"Background", "10"}};
  for (const auto& [name, value] : some) EXPECT_EQ(store.values[name], value) << name;
}

TEST(SetupModel, TheColourDialogAlwaysStartsBlackAndOnlyOkWritesTheChoice) {
  SaverSettings s;
  s.gDisplayOption = 5;
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
}

}  // namespace
}  // namespace sovelin
