// Feeds arbitrary bytes to the verse file reader: once as one line to the splitter, once as a
// whole verse file to the loader, and checks the shapes every later step relies on.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz/require.h"
#include "saver/verse_loader.h"
#include "saver/verse_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The split must keep every byte: text, one dropped separator, reference.
  const std::string line(reinterpret_cast<const char*>(data), size);
  const sovelin::VerseLineParts parts = sovelin::SplitVerseLine(line);
  if (!parts.reference.empty() || parts.text != line) {
    Require(parts.text.size() + 1 + parts.reference.size() == line.size());
    Require(line.substr(0, parts.text.size()) == parts.text);
    Require(line.substr(parts.text.size() + 1) == parts.reference);
    Require(sovelin::StoredVerse(line).size() == sovelin::kVerseLength);
  }
  // Every verse from 1 to gVerseCount exists, is a full field, and there is at least one.
  sovelin::VerseStore store;
  std::istringstream stream(line);
  sovelin::LoadVerses(store, stream);
  Require(store.gVerseCount >= 1);
  Require(store.gVerses.size() == static_cast<size_t>(store.gVerseCount) + 1);
  for (size_t n = 0; n < store.gVerses.size(); ++n)
    Require(store.gVerses[n].size() == sovelin::kVerseLength);
  return 0;
}
