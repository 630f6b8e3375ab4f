#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace sovelin {

std::wstring WideFromUtf8(std::string_view text);

// Makes the user's own list at `target`, and its folder, as a copy of `source` in UTF-8 with a
// byte-order mark (an empty list when source cannot be read). False when it cannot be written.
bool MakeOwnVerseFile(const std::filesystem::path& source, const std::filesystem::path& target);

// Opens the file in the user's text editor: the file's "edit" verb, or Notepad.
void OpenInTextEditor(HWND owner, const std::filesystem::path& file);

}  // namespace sovelin
