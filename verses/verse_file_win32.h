#pragma once

#include <filesystem>

#include "verses/verse_store.h"

namespace sovelin {

// Loads the verse file at path in whichever encoding it is written, code-page files in the
// system's code page (see the LoadVerses of verses/verse_loader.h).
void LoadVerses(VerseStore& store, const std::filesystem::path& path);

}  // namespace sovelin
