#pragma once

#include <filesystem>

namespace sovelin {

// The folder the program was started from, read in wide characters, so it is found whatever
// letters its name has and whatever the system's code page.
std::filesystem::path ProgramFolder();

}  // namespace sovelin
