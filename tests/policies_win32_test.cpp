// End to end: values an administrator sets under the policy keys beat the user's own, in the
// running saver and in the settings dialog, which shows them disabled and never writes them.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "common/handles_win32.h"
#include "saver/saver_window_win32.h"
#include "settings/registry_store_win32.h"
#include "setup/setup_form.h"
#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

using namespace driver;

constexpr DWORD kStartMs = 30000;
constexpr DWORD kWaitMs = 15000;

// Policies live in the 64-bit registry, where Group Policy writes them.
void WritePolicy(HKEY root, const char* name, const char* value) {
  RegKey key;
  ASSERT_EQ(RegCreateKeyExA(root, kPolicyKeyPath, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_64KEY,
                            nullptr, key.out(), nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                           static_cast<DWORD>(strlen(value) + 1)),
            ERROR_SUCCESS);
}

std::string ReadPolicy(HKEY root, const char* name) {
  RegKey key;
  char value[64] = {};
  DWORD size = sizeof(value) - 1;
  if (RegOpenKeyExA(root, kPolicyKeyPath, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, key.out()) ==
      ERROR_SUCCESS)
    RegQueryValueExA(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
  return value;
}

void ClearPolicies() {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
    RegDeleteKeyExA(root, kPolicyKeyPath, KEY_WOW64_64KEY, 0);
}

class Policies : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    ClearPolicies();
    // clang-format off
    for (const auto& [name, value] :
         {std::pair{"Background", "9"}, {"Speed", "0"}, {"VerseSize", "100"}, {"DisplayOption", "0"}})
      WriteSetting(name, value);
    // clang-format on
  }
  void TearDown() override { ClearPolicies(); }

  // The size of the verse window a saver started now shows.
  SIZE VerseWindowSize() {
    SaverProcess saver = SaverProcess::Start("/s");
    EXPECT_NE(WaitForCaption(kSaverCaption, kStartMs, saver.id()), nullptr);
    HWND verse = nullptr;
    WaitUntil([&] { return (verse = FindVerseWindow(saver.id())) != nullptr; }, kStartMs);
    const RECT box = verse ? WindowBox(verse) : RECT{};
    PressKey(VK_SPACE);
    EXPECT_TRUE(saver.WaitForExit(kWaitMs));
    return {box.right - box.left, box.bottom - box.top};
  }
};

TEST_F(Policies, TheMachinesVerseSizeAndTheUsersDisplayOptionBeatTheUsersOwnValues) {
  WriteSetting("DisplayOption", "5");  // the box, whose size no picture limits
  const SIZE own = VerseWindowSize();
  ASSERT_EQ(ReadSetting("LastDisplayUsed"), "5");
  ASSERT_GT(own.cx, 0);

  WriteSetting("DisplayOption", "0");
  WritePolicy(HKEY_CURRENT_USER, "DisplayOption", "5");
  WritePolicy(HKEY_CURRENT_USER, "VerseSize", "150");
  WritePolicy(HKEY_LOCAL_MACHINE, "VerseSize", "200");
  const SIZE managed = VerseWindowSize();
  EXPECT_EQ(ReadSetting("LastDisplayUsed"), "5");
  // Twice the twips, each rounded to pixels once.
  EXPECT_NEAR(managed.cx, 2 * own.cx, 1);
  EXPECT_NEAR(managed.cy, 2 * own.cy, 1);
}

TEST_F(Policies, TheDialogDisablesManagedControlsSaysSoAndOkWritesOnlyTheOthers) {
  WritePolicy(HKEY_LOCAL_MACHINE, "VerseSize", "200");
  WritePolicy(HKEY_CURRENT_USER, "DisplayOption", "5");
  SaverProcess saver = SaverProcess::Start("");
  HWND dialog = WaitForCaption(std::string(kSetupCaption).c_str(), kStartMs, saver.id());
  ASSERT_NE(dialog, nullptr);
  const auto item = [&](ControlId id) { return GetDlgItem(dialog, id); };
  const auto checked = [&](OptionGroup group, int16_t index) {
    return SendMessageA(item(OptionId(group, index)), BM_GETCHECK, 0, 0) == BST_CHECKED;
  };
  // The policies' values show, in controls the user cannot change.
  EXPECT_TRUE(checked(OptionGroup::kDisplay, 5));
  EXPECT_TRUE(checked(OptionGroup::kVerseSize, 2));
  for (OptionGroup group : {OptionGroup::kDisplay, OptionGroup::kVerseSize})
    for (int16_t index = 0; index < OptionCount(group); ++index)
      EXPECT_FALSE(IsWindowEnabled(item(OptionId(group, index)))) << index;
  // The box's colour is not managed: its button is there to use.
  EXPECT_TRUE(IsWindowEnabled(item(kCmdColorSelect)));
  EXPECT_TRUE(IsWindowVisible(item(kLblManaged)));
  EXPECT_EQ(WindowText(item(kLblManaged)), "Some settings are managed by your organization.");

  // A click on a disabled option changes nothing; an enabled one does.
  PostMessageA(item(OptionId(OptionGroup::kDisplay, 1)), BM_CLICK, 0, 0);
  PostMessageA(item(OptionId(OptionGroup::kSpeed, 4)), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return checked(OptionGroup::kSpeed, 4); }, kWaitMs));
  EXPECT_TRUE(checked(OptionGroup::kDisplay, 5));
  PostMessageA(item(kCmdOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(saver.WaitForExit(kWaitMs));

  EXPECT_EQ(ReadSetting("VerseSize"), "100");
  EXPECT_EQ(ReadSetting("DisplayOption"), "0");
  EXPECT_EQ(ReadSetting("Speed"), "4");
  EXPECT_EQ(ReadPolicy(HKEY_LOCAL_MACHINE, "VerseSize"), "200");
  EXPECT_EQ(ReadPolicy(HKEY_CURRENT_USER, "DisplayOption"), "5");
}

}  // namespace
}  // namespace sovelin
