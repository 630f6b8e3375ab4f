#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sovelin {

// The user's roaming application data folder (%APPDATA%), or an empty path.
std::filesystem::path AppDataFolder();
// True when a file (not a folder) is at path.
bool VerseFileExists(const std::filesystem::path& path);
// The names of the files in folder, as UTF-8; those that cannot be read are left out.
std::vector<std::string> FileNamesIn(const std::filesystem::path& folder);

}  // namespace sovelin
