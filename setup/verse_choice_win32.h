#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace sovelin {

// What became of making the user's own list.
enum class OwnListMade {
  kMade,
  kAlreadyThere,      // a list is there: it is kept as it is
  kNoFolder,          // its folder could not be made
  kExistenceUnknown,  // whether a list is there could not be told (an offline folder)
  kWriteFailed,       // the new list could not be written whole, or not put in place
};

// Writes all of bytes to an open file; false on any failure.
using FileWriter = std::function<bool(HANDLE file, std::string_view bytes)>;
bool WriteWholeFile(HANDLE file, std::string_view bytes);

// Makes the user's own list at `target`, and its folder, as a copy of `source` in UTF-8 with a
// byte-order mark (an empty list when source cannot be read), unless a list is there already or
// might be. The copy is written to a new file in the same folder, flushed, and only then moved
// to its name, so that a failure part way leaves no list behind.
OwnListMade MakeOwnVerseFile(const std::filesystem::path& source,
                             const std::filesystem::path& target,
                             const FileWriter& write = WriteWholeFile);

// The status line's words for a list that could not be made.
std::string OwnListFailureText(OwnListMade made);

// Opens the file in the user's text editor: the file's "edit" verb, or Notepad.
void OpenInTextEditor(HWND owner, const std::filesystem::path& file);

}  // namespace sovelin
