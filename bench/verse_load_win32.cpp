// Prints, as Markdown tables, how long verse files take: loading a file of 16 MB in each
// encoding in this process (the median of 5 loads), and starting a saver until its verse window
// shows, with the shipped list and with each 16 MB file beside it (the median of 7 starts), for
// each saver folder given (this build's, and an earlier build's to compare).
// Usage: verse_load.exe SAVER_FOLDER...   Run by bench/verse-load.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/unicode_text.h"
#include "tests/saver_driver_win32.h"
#include "tests/utf16_bytes.h"
#include "verses/verse_file_win32.h"
#include "verses/verse_loader.h"

namespace {

using namespace sovelin;
using Clock = std::chrono::steady_clock;

struct VerseFile {
  const char* name;
  std::string bytes;
};

// A line repeated up to just under the 16 MB bound, after the byte-order mark.
std::string Filled(const std::string& mark, const std::string& line) {
  std::string bytes = mark;
  const size_t limit = VerseLimits().fileBytes;
  while (bytes.size() + line.size() <= limit) bytes += line;
  return bytes;
}

std::vector<VerseFile> VerseFiles(const std::filesystem::path& shipped) {
  std::ifstream file(shipped, std::ios::binary);
  const std::string kjv{std::istreambuf_iterator<char>(file), {}};
  // A line of about the shipped verses' length, in Russian for the Unicode files.
  const std::u16string russian =
      u"Ибо так возлюбил Бог мир, что отдал Сына Своего Единородного, дабы всякий верующий в "
      u"Него, не погиб, но имел жизнь вечную. Иоанна 3:16\r\n";
  const std::string western =
      "Car Dieu a tant aim\xE9 le monde qu'il a donn\xE9 son Fils unique, afin que quiconque "
      "croit en lui ne p\xE9risse point, mais qu'il ait la vie \xE9ternelle. Jean 3:16\r\n";
  return {{"shipped list (code page, 441 verses)", kjv},
          {"16 MB, code page", Filled("", western)},
          {"16 MB, UTF-8 with mark", Filled("\xEF\xBB\xBF", EncodeUtf8(russian))},
          {"16 MB, UTF-8 without mark", Filled("", EncodeUtf8(russian))},
          {"16 MB, UTF-16 LE", Filled("\xFF\xFE", Utf16Bytes(russian, false))},
          {"16 MB, UTF-16 BE", Filled("\xFE\xFF", Utf16Bytes(russian, true))}};
}

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Write(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

double LoadMilliseconds(const std::filesystem::path& path, int32_t& verses) {
  std::vector<double> times;
  for (int run = 0; run < 5; ++run) {
    VerseStore store;
    const auto begin = Clock::now();
    LoadVerses(store, path);
    times.push_back(Milliseconds(Clock::now() - begin));
    verses = store.gVerseCount;
  }
  return Median(times);
}

// From starting the saver to its verse window on the screen.
double StartMilliseconds(const std::filesystem::path& saver) {
  const auto begin = Clock::now();
  driver::SaverProcess process = driver::SaverProcess::Start("/s", saver);
  driver::WaitUntil([&] { return driver::FindVerseWindow(process.id()) != nullptr; }, 60000);
  return Milliseconds(Clock::now() - begin);
}  // ended by the process's owner

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "verse-load";
  std::filesystem::create_directories(scratch);
  const std::vector<VerseFile> files = VerseFiles(SOVELIN_SOURCE_DIR "/resources/sovel.vrs");

  std::printf("| File | Verses | Load in the saver's process |\n|---|---|---|\n");
  for (const VerseFile& file : files) {
    Write(scratch / "sovel.vrs", file.bytes);
    int32_t verses = 0;
    const double ms = LoadMilliseconds(scratch / "sovel.vrs", verses);
    std::printf("| %s | %d | %.1f ms |\n", file.name, verses, ms);
  }

  std::printf("\n| File beside the saver |");
  for (int n = 1; n < argc; ++n) std::printf(" Start to verse, %s |", argv[n]);
  std::printf("\n|---|");
  for (int n = 1; n < argc; ++n) std::printf("---|");
  std::printf("\n");
  std::vector<std::filesystem::path> savers;
  for (int n = 1; n < argc; ++n) {
    const std::filesystem::path folder = scratch / ("saver-" + std::to_string(n));
    std::filesystem::create_directories(folder);
    savers.push_back(folder / "Sovelin V30.scr");
    std::filesystem::copy_file(std::filesystem::path(argv[n]) / "Sovelin V30.scr", savers.back(),
                               std::filesystem::copy_options::overwrite_existing);
  }
  // The builds take turns, start by start, so that both face the same load on the machine.
  for (const VerseFile& file : files) {
    for (const std::filesystem::path& saver : savers)
      Write(saver.parent_path() / "sovel.vrs", file.bytes);
    std::vector<std::vector<double>> times(savers.size());
    for (int run = 0; run < 7; ++run)
      for (size_t n = 0; n < savers.size(); ++n) times[n].push_back(StartMilliseconds(savers[n]));
    std::printf("| %s |", file.name);
    for (const std::vector<double>& saver : times) std::printf(" %.0f ms |", Median(saver));
    std::printf("\n");
  }
  return 0;
}
