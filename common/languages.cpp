#include "common/texts.h"

namespace sovelin {

// Each language's table, defined in its own texts_<code>.cpp, and named in the list below.
extern const Language kSpanish;

namespace {

const Language* const kLanguages[] = {&kSpanish};

}  // namespace

std::span<const Language* const> Languages() {
  return kLanguages;
}

}  // namespace sovelin
