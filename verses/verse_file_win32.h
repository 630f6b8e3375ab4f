#pragma once

#include <filesystem>

#include "saver/verse_store.h"

namespace sovelin {

// Loads the verse file at path in whichever encoding it is written, code-page files in the
// system's code page (see the LoadVerses of saver/verse_loader.h).
void LoadVerses(VerseStore& store, const std::filesystem::path& path);

}  // namespace sovelin
