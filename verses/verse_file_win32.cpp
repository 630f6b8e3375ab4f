#include "verses/verse_file_win32.h"

#include <windows.h>

#include "common/system_code_page_win32.h"
#include "verses/verse_loader.h"

namespace sovelin {

void LoadVerses(VerseStore& store, const std::filesystem::path& path) {
  LoadVerses(store, path, &DecodeSystemCodePage);
}

}  // namespace sovelin
