// Making the user's own list: written whole to a new file and only then given its name, never
// over a list that is there or might be.
#include "setup/verse_choice_win32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "tests/saver_driver_win32.h"

namespace sovelin {
namespace {

size_t FilesIn(const std::filesystem::path& folder) {
  std::error_code error;
  const std::filesystem::directory_iterator entries(folder, error);
  return error ? 0 : static_cast<size_t>(std::distance(begin(entries), end(entries)));
}

TEST(OwnVerseFile, IsWrittenWholeOrNotAtAllAndNeverOverAListThatIsOrMayBeThere) {
  const std::filesystem::path root = std::filesystem::temp_directory_path() /
                                     (L"sovelin-own-" + std::to_wstring(std::random_device{}()));
  const std::filesystem::path source = root / L"web.vrs", folder = root / L"Sovelin",
                              target = folder / L"sovel.vrs";
  std::filesystem::create_directories(root);
  std::ofstream(source, std::ios::binary) << "caf\xE9. John 1:1\r\n";  // in the code page
  // The folder cannot be made where a file holds its name.
  std::ofstream(folder, std::ios::binary) << "a file";
  EXPECT_EQ(MakeOwnVerseFile(source, target), OwnListMade::kNoFolder);
  EXPECT_EQ(driver::FileBytes(folder), "a file");
  std::filesystem::remove(folder);
  // A name Windows refuses to look up: whether a list is there cannot be told.
  EXPECT_EQ(MakeOwnVerseFile(source, root / L"sovel?.vrs"), OwnListMade::kExistenceUnknown);
  EXPECT_EQ(FilesIn(root), 1u);
  // A write that fails part way, or says it succeeded having written half, leaves no file.
  for (const bool saysDone : {false, true}) {
    const auto half = [&](HANDLE file, std::string_view bytes) {
      return WriteWholeFile(file, bytes.substr(0, bytes.size() / 2)) && saysDone;
    };
    EXPECT_EQ(MakeOwnVerseFile(source, target, half), OwnListMade::kWriteFailed) << saysDone;
    EXPECT_EQ(FilesIn(folder), 0u);
  }
  EXPECT_EQ(MakeOwnVerseFile(source, target), OwnListMade::kMade);
  EXPECT_EQ(driver::FileBytes(target),
            "\xEF\xBB\xBF"
            "caf\xC3\xA9. John 1:1\r\n");
  EXPECT_EQ(FilesIn(folder), 1u);
  // A list that is there, edited or cut short by an older version, stays as it is.
  std::ofstream(target, std::ios::binary | std::ios::trunc) << "mine";
  EXPECT_EQ(MakeOwnVerseFile(source, target), OwnListMade::kAlreadyThere);
  EXPECT_EQ(driver::FileBytes(target), "mine");
  std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace sovelin
