#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "saver/verse_store.h"

namespace sovelin {

// Bytes in the system's code page (the ANSI code page) as UTF-16.
std::u16string DecodeSystemCodePage(std::string_view bytes);

// Loads the verse file at path in whichever encoding it is written, code-page files in the
// system's code page (see the LoadVerses of saver/verse_loader.h).
void LoadVerses(VerseStore& store, const std::filesystem::path& path);

}  // namespace sovelin
