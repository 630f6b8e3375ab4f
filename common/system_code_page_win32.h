#pragma once

#include <string>
#include <string_view>

namespace sovelin {

// Bytes in the system's code page (the ANSI code page) as UTF-16.
std::u16string DecodeSystemCodePage(std::string_view bytes);

}  // namespace sovelin
