#pragma once

#include <cstddef>
#include <string>

namespace sovelin {

// Overwrites every byte a string holds, spare capacity included, then empties it, so that a
// typed password does not linger in freed memory. The writes go through a volatile pointer so
// the compiler cannot drop them as dead stores.
inline void WipeText(std::string& text) {
  text.resize(text.capacity());
  volatile char* bytes = text.data();
  for (std::size_t index = 0; index < text.size(); ++index) {
    bytes[index] = '\0';
  }
  text.clear();
}

}  // namespace sovelin
