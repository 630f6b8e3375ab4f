// Reads the version block and the Screen Saver list's name back from the built saver.
#include <gtest/gtest.h>

#include <string>

#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

TEST(VersionBlock, TheSaverCarriesItsVersionAndTheListName) {
  HMODULE saver = LoadLibraryExA(driver::SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(saver, nullptr);
  HRSRC version = FindResourceA(saver, MAKEINTRESOURCEA(1), RT_VERSION);
  ASSERT_NE(version, nullptr) << "no version block";
  const std::string block(static_cast<const char*>(LockResource(LoadResource(saver, version))),
                          SizeofResource(saver, version));
  // The fixed part: its signature and layout version, then file version 3.0.0.1.
  const DWORD fixed[] = {0xFEEF04BD, 0x00010000, MAKELONG(0, 3), MAKELONG(1, 0)};
  EXPECT_NE(block.find(std::string(reinterpret_cast<const char*>(fixed), sizeof(fixed))),
            std::string::npos);
  char name[64] = {};
  EXPECT_EQ(LoadStringA(saver, 1, name, sizeof(name)), 11);
  EXPECT_STREQ(name, "Sovelin V30");
  FreeLibrary(saver);
}

}  // namespace
}  // namespace sovelin
