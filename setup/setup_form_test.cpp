#include "setup/setup_form.h"

#include <gtest/gtest.h>

#include <set>

namespace sovelin {

namespace {

TEST(SetupForm, IdsAreUniqueAndOptionsMapBothWays) {
  std::set<int> ids;
  for (const ControlDescriptor& control : SetupControls()) {
    EXPECT_TRUE(ids.insert(control.id).second) << control.name << " " << control.index;
  }
  for (OptionGroup group :
       {OptionGroup::kDisplay, OptionGroup::kSpeed, OptionGroup::kFreq, OptionGroup::kBackground}) {
    for (int16_t index = 0; index < OptionCount(group); ++index) {
      const ControlDescriptor* option = FindControl(OptionId(group, index));
      ASSERT_NE(option, nullptr);
      EXPECT_EQ(option->groupStart, index == 0);
      const std::optional<OptionRef> back = OptionFromId(option->id);
      ASSERT_TRUE(back);
      EXPECT_EQ(back->group, group);
      EXPECT_EQ(back->index, index);
    }
    EXPECT_EQ(FindControl(OptionId(group, OptionCount(group))), nullptr);
  }
  EXPECT_EQ(OptionFromId(kCmdOK), std::nullopt);
}

TEST(SetupForm, PlacesControlsWithinTheirContainers) {
  // Every control on a tab page fits inside the tab control.
  const ControlDescriptor& tabs = *FindControl(kTbsOptions);
  for (const ControlDescriptor& control : SetupControls()) {
    if (control.tab == SetupTab::kNone) {
      continue;
    }
    const TwipPoint at = PositionInDialog(control);
    EXPECT_GE(at.x, tabs.left) << control.name;
    EXPECT_LE(at.x + control.width, tabs.left + tabs.width) << control.name;
    EXPECT_LE(at.y + control.height, tabs.top + tabs.height) << control.name << control.index;
  }
}

}  // namespace
}  // namespace sovelin
