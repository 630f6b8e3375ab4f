#include "settings/policy_store.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "settings/settings.h"

namespace sovelin {
namespace {

struct Layers {
  MemorySettingsStore machine;
  MemorySettingsStore userPolicy;
  MemorySettingsStore user;
  PolicySettingsStore store{machine, userPolicy, user};
};

// One kind of setting: its name, a value for each layer (machine policy, user policy, the user's
// own), and values no policy may take.
using KindCase =
    std::tuple<const char*, const char*, const char*, const char*, std::vector<const char*>>;

TEST(PolicySettings, MachineBeatsUserPolicyBeatsOwnValueBeatsDefaultAndRefusedPoliciesAreSkipped) {
  const KindCase cases[] = {
      {"Speed", "4", "0", "3", {"5", "-1", "", "2abc", " 2", "2.0", "+2", "99999999999"}},
      {"DisplayOption", "7", "5", "1", {"8", "-1", "x"}},
      {"VerseSize", "200", "300", "100", {"0", "1", "2", "250", "99"}},
      {"ClearScreen", "1", "0", "1", {"2", "-1", "true"}},
      {"RectangleColor", "16777215", "0", "255", {"16777216", "-1", "0xFF", "255 "}},
      {"VerseList", "web.vrs", "*", "rv1909.vrs", {"", "web.txt", "..\\web.vrs", "C:web.vrs"}},
      // clang-format off
      {"BackdropPath", "\\\\hall\\pictures", "D:\\Fotos\\J\xC3\xBA" "bilo.jpg", "C:\\a.png",
       {"", "a.png", "C:a.png", ":\\a", "\\a.png", "\\\\\\a", "\\\\hall", "C:\\a\n.png"}},
      // 31 letters (with a two-byte one) is the longest face; 32 is one too many.
      {"VerseFont", "Georgia", "\xC3\x89" "crit abcdefghijklmnopqrstuvwxy", "Arial",
       {"", "\xC3\x89" "crit abcdefghijklmnopqrstuvwxyz", "Ari\tal"}},
      // clang-format on
  };
  for (const auto& [key, machine, userPolicy, own, refusedValues] : cases) {
    SCOPED_TRACE(key);
    Layers layers;
    EXPECT_EQ(layers.store.Read(key, "default"), "default");
    layers.user.values[key] = own;
    EXPECT_EQ(layers.store.Read(key, "default"), own);
    EXPECT_FALSE(layers.store.IsManaged(key));
    for (const char* refused : refusedValues) {
      layers.userPolicy.values[key] = refused;
      layers.machine.values[key] = refused;
      EXPECT_EQ(layers.store.Read(key, "default"), own) << refused;
      EXPECT_FALSE(layers.store.IsManaged(key)) << refused;
    }
    layers.userPolicy.values[key] = userPolicy;
    EXPECT_EQ(layers.store.Read(key, "default"), userPolicy);
    EXPECT_TRUE(layers.store.IsManaged(key));
    layers.machine.values[key] = machine;
    EXPECT_EQ(layers.store.Read(key, "default"), machine);
    // Without the user's own value the policy still wins over the default.
    layers.user.values.clear();
    EXPECT_EQ(layers.store.Read(key, "default"), machine);
  }
}

TEST(PolicySettings, WritesSkipManagedValuesAndPoliciesCannotSetThePasswordOrTheLastWindow) {
  Layers layers;
  layers.machine.values = {{"VerseSize", "200"}, {"Password", "secret"}, {"LastDisplayUsed", "3"}};
  layers.userPolicy.values = {{"DisplayOption", "6"}};
  layers.user.values = {{"VerseSize", "100"}, {"DisplayOption", "2"}, {"Password", "mine"}};
  EXPECT_EQ(layers.store.Read("Password", ""), "mine");
  EXPECT_EQ(layers.store.Read("LastDisplayUsed", "none"), "none");
  EXPECT_FALSE(layers.store.IsManaged("Password"));

  SaverSettings settings = ReadSettings(layers.store);
  EXPECT_EQ(settings.gVerseSize, 200);
  EXPECT_EQ(settings.gDisplayOption, 6);
  settings.gSpeed = 4;
  SaveSettings(layers.store, settings);
  layers.store.Write("Password", "new");
  layers.store.Write("LastDisplayUsed", "1");
  auto& own = layers.user.values;
  EXPECT_EQ(std::tuple(own["VerseSize"], own["DisplayOption"], own["Speed"], own["Password"],
                       own["LastDisplayUsed"]),
            std::tuple("100", "2", "4", "new", "1"));
  // A policy on ClearScreen alone is not undone by the user's own Backdrop.
  layers.machine.values["ClearScreen"] = "1";
  layers.user.values["Backdrop"] = "0";
  EXPECT_EQ(ReadSettings(layers.store).ChosenBackdrop(), Backdrop::kBlack);
  // The policies themselves are never written.
  EXPECT_EQ(layers.machine.writeOrder.size() + layers.userPolicy.writeOrder.size(), 0u);
}

}  // namespace
}  // namespace sovelin
