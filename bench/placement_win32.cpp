// Prints how evenly the running saver places its verse window: it watches the window's
// position for a number of seconds (first argument, 10 by default), sampling about every
// 0.5 ms on a high-resolution clock, and prints the intervals between position changes:
// count, mean, spread and the display's frame time. Run by bench/drift at each speed.
#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration span) {
  return std::chrono::duration<double, std::milli>(span).count();
}

// The value below which `share` of the sorted values lie.
double Percentile(const std::vector<double>& sorted, double share) {
  const size_t index = static_cast<size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5);
  return sorted[index];
}

// The times at which the verse window stood somewhere new.
std::vector<Clock::time_point> WatchPlacements(HWND verse, double seconds) {
  HANDLE timer =
      CreateWaitableTimerExW(nullptr, nullptr, 0x2 /* high resolution */, TIMER_ALL_ACCESS);
  std::vector<Clock::time_point> changes;
  RECT last{};
  GetWindowRect(verse, &last);
  const auto end = Clock::now() + std::chrono::duration<double>(seconds);
  while (Clock::now() < end && IsWindow(verse)) {
    RECT now{};
    GetWindowRect(verse, &now);
    if (now.left != last.left || now.top != last.top) changes.push_back(Clock::now());
    last = now;
    LARGE_INTEGER due{};
    due.QuadPart = -5000;  // 0.5 ms
    if (timer && SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
      WaitForSingleObject(timer, INFINITE);
    } else {
      Sleep(1);
    }
  }
  if (timer) CloseHandle(timer);
  return changes;
}

int DisplayHertz() {
  HDC screen = GetDC(nullptr);
  const int hertz = GetDeviceCaps(screen, VREFRESH);
  ReleaseDC(nullptr, screen);
  return hertz > 1 ? hertz : 60;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
  timeBeginPeriod(1);  // for the fallback's Sleep(1)
  HWND verse = nullptr;
  for (int tries = 0; tries < 200 && !verse; ++tries, Sleep(50)) {
    verse = FindWindowA("SovelinVerseWindow", nullptr);
  }
  if (!verse) {
    std::puts("no verse window");
    return 1;
  }
  const std::vector<Clock::time_point> changes = WatchPlacements(verse, seconds);
  timeEndPeriod(1);
  std::vector<double> intervals;
  for (size_t i = 1; i < changes.size(); ++i) {
    intervals.push_back(Milliseconds(changes[i] - changes[i - 1]));
  }
  if (intervals.size() < 2) {
    std::puts("fewer than three placements");
    return 1;
  }
  double sum = 0;
  for (double interval : intervals) sum += interval;
  const double mean = sum / static_cast<double>(intervals.size());
  double squares = 0;
  for (double interval : intervals) squares += (interval - mean) * (interval - mean);
  const double deviation = std::sqrt(squares / static_cast<double>(intervals.size() - 1));
  std::sort(intervals.begin(), intervals.end());
  std::printf(
      "%zu placements in %.1f s; interval mean %.2f ms, standard deviation %.2f ms, "
      "10th/50th/90th percentile %.2f/%.2f/%.2f ms, shortest %.2f ms, longest %.2f ms "
      "(display frame %.2f ms)\n",
      changes.size(), seconds, mean, deviation, Percentile(intervals, 0.1),
      Percentile(intervals, 0.5), Percentile(intervals, 0.9), intervals.front(), intervals.back(),
      1000.0 / DisplayHertz());
  return 0;
}
