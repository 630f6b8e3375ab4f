// Making the user's own list: written whole to a new file and only then given its name, never
// over a list that is there or might be.
#include "setup/verse_choice_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace sovelin {
namespace {

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::wstring> NamesIn(const std::filesystem::path& folder) {
  std::vector<std::wstring> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().wstring());
  return names;
}

class OwnVerseFile : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() /
            (L"sovelin-own-" + std::to_wstring(std::random_device{}()));
    std::filesystem::create_directories(root_);
    source_ = root_ / L"web.vrs";
    folder_ = root_ / L"Sovelin";
    target_ = folder_ / L"sovel.vrs";
    std::ofstream(source_, std::ios::binary) << "Jesus wept. John 11:35\r\n";
  }
  void TearDown() override {
    std::error_code error;
    std::filesystem::remove_all(root_, error);
  }

  std::filesystem::path root_;
  std::filesystem::path source_;  // the list chosen before
  std::filesystem::path folder_;  // the own list's folder, not made yet
  std::filesystem::path target_;
};

TEST_F(OwnVerseFile, IsMadeInUtf8WithItsFolderAndLeavesNoOtherFile) {
  std::ofstream(source_, std::ios::binary | std::ios::trunc) << "caf\xE9. John 1:1\r\n";
  EXPECT_EQ(MakeOwnVerseFile(source_, target_), OwnListMade::kMade);
  EXPECT_EQ(FileBytes(target_),
            "\xEF\xBB\xBF"
            "caf\xC3\xA9. John 1:1\r\n");
  EXPECT_EQ(NamesIn(folder_), std::vector<std::wstring>{L"sovel.vrs"});
  // A second time, the list the user may have edited stays as it is.
  std::ofstream(target_, std::ios::binary | std::ios::trunc) << "mine";
  EXPECT_EQ(MakeOwnVerseFile(source_, target_), OwnListMade::kAlreadyThere);
  EXPECT_EQ(FileBytes(target_), "mine");
}

// A write that fails part way, or that says it succeeded having written only part: neither
// leaves a list, nor any file, behind.
TEST_F(OwnVerseFile, APartialWriteLeavesNoListAndNoFileBehind) {
  for (const bool says : {false, true}) {
    const auto half = [&](HANDLE file, std::string_view bytes) {
      return WriteWholeFile(file, bytes.substr(0, bytes.size() / 2)) && says;
    };
    EXPECT_EQ(MakeOwnVerseFile(source_, target_, half), OwnListMade::kWriteFailed) << says;
    EXPECT_FALSE(std::filesystem::exists(target_));
    EXPECT_TRUE(NamesIn(folder_).empty());
  }
}

// Nothing is written where the folder cannot be made (a file holds its name), nor where it
// cannot be told whether a list is there (here a name Windows refuses to look up).
TEST_F(OwnVerseFile, NoFolderOrAnUnknownListIsReportedAndNothingIsWritten) {
  std::ofstream(folder_, std::ios::binary) << "a file";
  EXPECT_EQ(MakeOwnVerseFile(source_, target_), OwnListMade::kNoFolder);
  EXPECT_EQ(FileBytes(folder_), "a file");
  std::filesystem::remove(folder_);
  EXPECT_EQ(MakeOwnVerseFile(source_, root_ / L"sovel?.vrs"), OwnListMade::kExistenceUnknown);
  EXPECT_EQ(NamesIn(root_), std::vector<std::wstring>{L"web.vrs"});
}

}  // namespace
}  // namespace sovelin
