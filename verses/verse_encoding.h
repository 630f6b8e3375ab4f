#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sovelin {

// How a verse file is written. A byte-order mark names UTF-8, UTF-16 LE or UTF-16 BE; without
// one, bytes that are well-formed UTF-8 throughout with at least one byte of 0x80 or above are
// UTF-8; everything else (plain ASCII included) is the system's code page, as older files are.
enum class VerseEncoding { kCodePage, kUtf8, kUtf16LE, kUtf16BE };

struct DetectedEncoding {
  VerseEncoding encoding = VerseEncoding::kCodePage;
  size_t markBytes = 0;  // the byte-order mark's length, skipped before the first line
};

// The encoding of a verse file that starts with `bytes`; `cut` tells that the file goes on
// beyond them (a character may be cut at their end).
DetectedEncoding DetectVerseEncoding(std::string_view bytes, bool cut = false);

// Decodes text in the system's code page; the Windows build passes the system's own.
using CodePageDecoder = std::u16string (*)(std::string_view bytes);

// A whole verse file as text, decoded as the saver reads it (the byte-order mark left out),
// code-page files with `codePage`.
std::u16string DecodeVerseText(std::string_view bytes, CodePageDecoder codePage);

}  // namespace sovelin
