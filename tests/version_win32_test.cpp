// Reads the version block, the Screen Saver list's name, the icon and the manifest back from
// the built saver, as the shell reads them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

// version.dll's reader functions, loaded by name so the test needs no extra import library.
template <typename Function>
Function VersionFunction(const char* name) {
  static HMODULE library = LoadLibraryA("version.dll");
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

void ExpectVersionBlock(const std::string& path) {
  const auto getSize = VersionFunction<DWORD(WINAPI*)(LPCSTR, LPDWORD)>("GetFileVersionInfoSizeA");
  const auto getInfo =
      VersionFunction<BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID)>("GetFileVersionInfoA");
  const auto query =
      VersionFunction<BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT)>("VerQueryValueA");
  ASSERT_TRUE(getSize && getInfo && query) << "version.dll has no version reader";
  DWORD ignored = 0;
  std::vector<char> block(getSize(path.c_str(), &ignored));
  ASSERT_FALSE(block.empty()) << path << " has no version block";
  ASSERT_TRUE(getInfo(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
  const auto value = [&](const std::string& name) {
    void* found = nullptr;
    UINT length = 0;
    return query(block.data(), name.c_str(), &found, &length) ? found : nullptr;
  };
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value("\\"));
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 3));  // 3.0
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(1, 0));  // .0.1
  EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "a debug or pre-release build";
  const auto* translation = static_cast<const WORD*>(value("\\VarFileInfo\\Translation"));
  ASSERT_NE(translation, nullptr);
  EXPECT_EQ(translation[0], 0x0409);  // US English
  EXPECT_EQ(translation[1], 1200);    // Unicode strings
  const std::pair<const char*, const char*> texts[] = {
      {"FileVersion", "3.00.0001"},
      {"ProductName", "SCRNSAVER :Sovelin V30"},
      {"OriginalFilename", "Sovelin V30.scr"},
      {"FileDescription", "Sovelin: The Screen Saver"},
      {"CompanyName", "Sovelin"}};
  for (const auto& [key, expected] : texts) {
    const auto* text =
        static_cast<const char*>(value(std::string("\\StringFileInfo\\040904B0\\") + key));
    EXPECT_STREQ(text ? text : "<missing>", expected) << key;
  }
}

BOOL CALLBACK KeepFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
  *reinterpret_cast<std::string*>(found) = IS_INTRESOURCE(name) ? "#" : name;
  return FALSE;  // the first one is the one the shell shows
}

void ExpectListNameIconAndManifest(const std::string& path) {
  HMODULE saver = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(saver, nullptr) << path << " does not load as data";
  char name[64] = {};
  EXPECT_EQ(LoadStringA(saver, 1, name, sizeof(name)), 11);
  EXPECT_STREQ(name, "Sovelin V30");
  std::string firstIcon;
  EnumResourceNamesA(saver, RT_GROUP_ICON, KeepFirstName, reinterpret_cast<LONG_PTR>(&firstIcon));
  EXPECT_EQ(firstIcon, "ABOUTICON");
  HRSRC manifest = FindResourceA(saver, MAKEINTRESOURCEA(1), RT_MANIFEST);
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(saver, manifest))),
                         SizeofResource(saver, manifest));
  EXPECT_NE(text.find("<dpiAware"), std::string::npos);
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  FreeLibrary(saver);
}

TEST(VersionBlock, BothBuildsHaveTheBlockNameIconAndManifest) {
  const std::string win64 =
      driver::WindowsPath(std::string(SOVELIN_SOURCE_DIR) + "/build/win64/Sovelin V30.scr");
  for (const std::string& path : {driver::SaverPath(), win64}) {
    if (!driver::FileExists(path)) continue;  // a 64-bit build is not always there
    SCOPED_TRACE(path);
    ExpectVersionBlock(path);
    ExpectListNameIconAndManifest(path);
  }
}

}  // namespace
}  // namespace sovelin
