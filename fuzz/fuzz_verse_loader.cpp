// Feeds arbitrary bytes to the verse file reader: once as one line to the splitter, once as a
// whole verse file to the loader, and checks the shapes every later step relies on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "saver/verse_loader.h"
#include "saver/verse_store.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// The split must keep every byte: text, one dropped separator, reference.
void CheckSplit(std::string_view line) {
  const sovelin::VerseLineParts parts = sovelin::SplitVerseLine(line);
  if (parts.reference.empty() && parts.text == line) return;
  Require(parts.text.size() + 1 + parts.reference.size() == line.size());
  Require(line.substr(0, parts.text.size()) == parts.text);
  Require(line.substr(parts.text.size() + 1) == parts.reference);
  Require(sovelin::StoredVerse(line).size() == sovelin::kVerseLength);
}

// Every verse from 1 to gVerseCount exists, is a full field, and there is at least one.
void CheckLoad(const std::string& file) {
  sovelin::VerseStore store;
  std::istringstream stream(file);
  sovelin::LoadVerses(store, stream);
  Require(store.gVerseCount >= 1);
  Require(store.gVerses.size() == static_cast<size_t>(store.gVerseCount) + 1);
  for (size_t n = 0; n < store.gVerses.size(); ++n)
    Require(store.gVerses[n].size() == sovelin::kVerseLength);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckSplit(std::string_view(reinterpret_cast<const char*>(data), size));
  CheckLoad(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
