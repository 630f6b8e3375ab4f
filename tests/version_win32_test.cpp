// Reads the version block, the Screen Saver list's name, the icon and the manifest back from
// the built saver, as the shell reads them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

// version.dll's reader functions, loaded by name so the test needs no extra import library.
class VersionReader {
 public:
  VersionReader() : library_(LoadLibraryA("version.dll")) {
    if (library_ == nullptr) return;
    getSize_ = reinterpret_cast<GetSizeFn>(
        reinterpret_cast<void*>(GetProcAddress(library_, "GetFileVersionInfoSizeA")));
    getInfo_ = reinterpret_cast<GetInfoFn>(
        reinterpret_cast<void*>(GetProcAddress(library_, "GetFileVersionInfoA")));
    query_ = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(GetProcAddress(library_, "VerQueryValueA")));
  }
  ~VersionReader() {
    if (library_ != nullptr) FreeLibrary(library_);
  }
  VersionReader(const VersionReader&) = delete;
  VersionReader& operator=(const VersionReader&) = delete;

  bool ready() const { return getSize_ && getInfo_ && query_; }

  // The whole version block of a file, or nothing when it has none.
  std::vector<char> Block(const std::string& path) const {
    DWORD ignored = 0;
    const DWORD size = getSize_(path.c_str(), &ignored);
    std::vector<char> block(size);
    if (size == 0 || !getInfo_(path.c_str(), 0, size, block.data())) block.clear();
    return block;
  }

  // One value of the block: its address and length, or null.
  const void* Value(const std::vector<char>& block, const std::string& name, UINT& length) const {
    void* value = nullptr;
    length = 0;
    if (!query_(block.data(), name.c_str(), &value, &length)) return nullptr;
    return value;
  }

  std::string Text(const std::vector<char>& block, const std::string& key) const {
    UINT length = 0;
    const auto* text =
        static_cast<const char*>(Value(block, "\\StringFileInfo\\040904B0\\" + key, length));
    return text == nullptr ? "<missing>" : std::string(text);
  }

 private:
  using GetSizeFn = DWORD(WINAPI*)(LPCSTR, LPDWORD);
  using GetInfoFn = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
  using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
  HMODULE library_;
  GetSizeFn getSize_ = nullptr;
  GetInfoFn getInfo_ = nullptr;
  QueryFn query_ = nullptr;
};

// The saver loaded as data only: its resources, none of its code.
class SaverResources {
 public:
  explicit SaverResources(const std::string& path)
      : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~SaverResources() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  SaverResources(const SaverResources&) = delete;
  SaverResources& operator=(const SaverResources&) = delete;
  HMODULE get() const { return module_; }

 private:
  HMODULE module_;
};

std::string Saver64Path() {
  return driver::WindowsPath(std::string(SOVELIN_SOURCE_DIR) + "/build/win64/Sovelin V30.scr");
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ExpectVersionBlock(const std::string& path) {
  VersionReader reader;
  ASSERT_TRUE(reader.ready()) << "version.dll has no version reader";
  const std::vector<char> block = reader.Block(path);
  ASSERT_FALSE(block.empty()) << path << " has no version block";

  UINT length = 0;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(reader.Value(block, "\\", length));
  ASSERT_NE(fixed, nullptr);
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 3));  // 3.0
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(1, 0));  // .0.1
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 3));
  EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(1, 0));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "a debug or pre-release build";

  const auto* translation =
      static_cast<const WORD*>(reader.Value(block, "\\VarFileInfo\\Translation", length));
  ASSERT_NE(translation, nullptr);
  ASSERT_GE(length, 2 * sizeof(WORD));
  EXPECT_EQ(translation[0], 0x0409);  // US English
  EXPECT_EQ(translation[1], 1200);    // Unicode strings

  EXPECT_EQ(reader.Text(block, "FileVersion"), "3.00.0001");
  EXPECT_EQ(reader.Text(block, "ProductVersion"), "3.00.0001");
  EXPECT_EQ(reader.Text(block, "ProductName"), "SCRNSAVER :Sovelin V30");
  EXPECT_EQ(reader.Text(block, "InternalName"), "Sovelin V30");
  EXPECT_EQ(reader.Text(block, "OriginalFilename"), "Sovelin V30.scr");
  EXPECT_EQ(reader.Text(block, "CompanyName"), "Sovelin");
  EXPECT_EQ(reader.Text(block, "FileDescription"), "Sovelin: The Screen Saver");
  EXPECT_NE(reader.Text(block, "LegalCopyright").find("Sovelin"), std::string::npos);
}

BOOL CALLBACK KeepFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
  *reinterpret_cast<std::string*>(found) = IS_INTRESOURCE(name) ? "#" : name;
  return FALSE;  // the first one is the one the shell shows
}

void ExpectListNameIconAndManifest(const std::string& path) {
  SaverResources saver(path);
  ASSERT_NE(saver.get(), nullptr) << path << " does not load as data";

  char name[64] = {};
  EXPECT_EQ(LoadStringA(saver.get(), 1, name, sizeof(name)), 11);
  EXPECT_STREQ(name, "Sovelin V30");

  std::string firstIcon;
  EnumResourceNamesA(saver.get(), RT_GROUP_ICON, KeepFirstName,
                     reinterpret_cast<LONG_PTR>(&firstIcon));
  EXPECT_EQ(firstIcon, "ABOUTICON");

  HRSRC manifest = FindResourceA(saver.get(), MAKEINTRESOURCEA(1), RT_MANIFEST);
  ASSERT_NE(manifest, nullptr);
  const auto* text = static_cast<const char*>(LockResource(LoadResource(saver.get(), manifest)));
  ASSERT_NE(text, nullptr);
  const std::string manifestText(text, SizeofResource(saver.get(), manifest));
  EXPECT_NE(manifestText.find("<dpiAware"), std::string::npos);
  EXPECT_NE(manifestText.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifestText.find("version=\"6.0.0.0\""), std::string::npos);
}

TEST(VersionBlock, Build32HasEveryField) {
  ExpectVersionBlock(driver::SaverPath());
}

TEST(VersionBlock, Build32ShowsItsNameIconAndManifest) {
  ExpectListNameIconAndManifest(driver::SaverPath());
}

TEST(VersionBlock, Build64HasTheSameBlockNameAndIcon) {
  if (!Exists(Saver64Path())) GTEST_SKIP() << "no 64-bit build at " << Saver64Path();
  ExpectVersionBlock(Saver64Path());
  ExpectListNameIconAndManifest(Saver64Path());
}

}  // namespace
}  // namespace sovelin
