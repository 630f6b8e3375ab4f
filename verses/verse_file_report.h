#pragma once

#include <filesystem>

#include "verses/verse_list.h"
#include "verses/verse_loader.h"

namespace sovelin {

// Loads the list at path as the saver would and reports its verses and the lines from which no
// reference is split off (shown whole, without a reference). A missing file is reported as not
// there; one the saver cannot use whole names its problem, and the warning the saver shows in
// its place is not counted. Code-page files are read with codePage.
VerseFileReport CheckVerseFile(const std::filesystem::path& path, CodePageDecoder codePage);

}  // namespace sovelin
