// Prints what a backdrop costs on this system, as Markdown table rows: the time and the peak
// of private memory to make the desktop copy and a 6000 x 4000 JPEG backdrop for every
// monitor, and how long the main loop stops at a change to a folder's next picture (the
// pictures decoded ahead on another thread, as the saver does).
#include <windows.h>

#include <psapi.h>
#include <wincodec.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "geometry/screen_win32.h"
#include "saver/backdrop_win32.h"
#include "saver/saver_window_win32.h"
#include "verses/verse_list.h"
#include "tests/saver_driver_win32.h"

namespace {

using namespace sovelin;
using Clock = std::chrono::steady_clock;

constexpr int kPictureWidth = 6000, kPictureHeight = 4000;
constexpr int kChanges = 6;

// The process's peak working set in MB (under Wine, its resident memory).
double PeakMemoryMb() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

double Ms(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// A photograph-like picture: smooth gradients in every channel.
bool WritePhoto(const std::filesystem::path& file, int shade) {
  return driver::WritePicture(
      file, GUID_ContainerFormatJpeg, kPictureWidth, kPictureHeight, [shade](int x, int y) {
        return static_cast<uint32_t>(((x / 24 + shade) & 0xFF) << 16 | ((y / 16) & 0xFF) << 8 |
                                     ((x + y) / 40 & 0xFF));
      });
}

}  // namespace

// "write" writes the pictures (which costs memory of its own); a run without it measures.
int main(int argc, char** argv) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"sovelin-bench";
  if (argc > 1 && std::string(argv[1]) == "write") {
    std::filesystem::create_directories(folder);
    for (int n = 0; n < 3; ++n) {
      if (!WritePhoto(folder / (L"photo" + std::to_wstring(n) + L".jpg"), 80 * n)) return 1;
    }
    return 0;
  }
  UsePhysicalPixels();
  const ScreenLayout layout = ReadScreenLayout();
  const double base = PeakMemoryMb();
  auto start = Clock::now();
  Bitmap desktop = CaptureDesktop(layout.virtualScreen);
  const double desktopMs = Ms(Clock::now() - start), desktopMb = PeakMemoryMb() - base;
  desktop.Reset();
  start = Clock::now();
  Bitmap picture = PictureBackdrop(folder / L"photo0.jpg", layout);
  const double pictureMs = Ms(Clock::now() - start), pictureMb = PeakMemoryMb() - base;
  std::printf("| Desktop copy | %.1f ms | %.1f MB |\n", desktopMs, desktopMb);
  // What a folder of pictures holds besides the picture shown: the next one, decoded ahead.
  std::printf("| %d x %d JPEG%s | %.1f ms | %.1f MB |\n", kPictureWidth, kPictureHeight,
              picture ? "" : " (failed)", pictureMs, pictureMb);

  // The saver window over the screen, changing to the folder's next picture several times.
  MemorySettingsStore store;
  ClockSeededRandom random;
  SaverRun run(store, random);
  run.settings.gBackdrop = static_cast<int16_t>(Backdrop::kFolder);
  run.settings.backdropPath = Utf8FileName(folder);
  run.twips = DisplayTwipsPerPixel();
  BackdropSource source(run.settings, random);
  SaverWindow window(run, source.First(layout), layout);
  if (!window.Create(GetModuleHandleA(nullptr))) return 1;
  window.Show();
  double worst = 0.0, total = 0.0;
  int shown = 0;
  for (int change = 0; change < kChanges; ++change) {
    driver::Pump(3000);  // the next picture decodes meanwhile
    start = Clock::now();
    Bitmap next = source.Next();
    const bool ready = static_cast<bool>(next);
    window.ReplaceBackground(std::move(next));
    GdiFlush();
    const double ms = Ms(Clock::now() - start);
    worst = std::max(worst, ms);
    total += ms;
    shown += ready;
  }
  std::printf("| Change to the next picture (%d of %d ready) | average %.1f ms | worst %.1f ms |\n",
              shown, kChanges, total / kChanges, worst);
  std::printf("| Peak of the whole run | %.1f MB | |\n", PeakMemoryMb());
  return 0;
}
