// Feeds arbitrary bytes to the verse file reader: once as one line to the splitter (with each
// set of end marks), once as a whole verse file to the loader, and checks the shapes every
// later step relies on.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "common/unicode_text.h"
#include "fuzz/require.h"
#include "verses/verse_loader.h"
#include "verses/verse_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // The split keeps every character but the one separator (a surrogate pair's two halves, or
  // none after a mark that needs no blank).
  const std::u16string line = sovelin::DecodeUtf8(bytes);
  for (const auto marks : {sovelin::VerseMarks::kCodePage, sovelin::VerseMarks::kUnicode}) {
    const sovelin::VerseLineParts parts = sovelin::SplitVerseLine(line, marks);
    if (!parts.reference.empty() || parts.text != line) {
      const size_t dropped = line.size() - parts.text.size() - parts.reference.size();
      Require(dropped <= 2);
      Require(line.substr(0, parts.text.size()) == parts.text);
      Require(line.substr(line.size() - parts.reference.size()) == parts.reference);
    }
    const std::u16string stored = sovelin::StoredVerse(line, marks);
    Require(stored.size() == sovelin::kVerseLength);
    Require(!sovelin::IsHighSurrogate(stored[sovelin::kVerseLength - 1]));
  }
  // Every verse from 1 to gVerseCount exists, is a full field, and there is at least one.
  sovelin::VerseStore store;
  std::istringstream stream(bytes);
  sovelin::LoadVerses(store, stream, &sovelin::DecodeWindows1252);
  Require(store.gVerseCount >= 1);
  Require(store.gVerses.size() == static_cast<size_t>(store.gVerseCount) + 1);
  for (size_t n = 0; n < store.gVerses.size(); ++n)
    Require(store.gVerses[n].size() == sovelin::kVerseLength);
  return 0;
}
