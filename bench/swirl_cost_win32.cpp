// Prints what the costliest design steps take on this system: two swirls of 360 lines each,
// at pen 1 and at pen 5, on a full-screen window. Run by bench/report.
#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

#include "common/handles_win32.h"
#include "designs/color_swirls.h"
#include "designs/gdi_canvas_win32.h"
#include "geometry/screen_win32.h"

namespace {

using namespace sovelin;

// The same draws at every step: colour, centre, angle step 1, start angle, mirror signs,
// radius scale, so every step draws two whole swirls.
class RepeatingRandom final : public RandomSource {
 public:
  float Next() override { return kValues[next_++ % kValues.size()]; }
  void Reseed() override {}

 private:
  static constexpr std::array<float, 10> kValues{0.3f, 0.6f,  0.9f, 0.5f, 0.5f,
                                                 0.0f, 0.25f, 0.2f, 0.7f, 0.9f};
  size_t next_ = 0;
};

void MeasurePen(HWND window, int16_t pen) {
  constexpr int kSteps = 20;
  RepeatingRandom random;
  GdiCanvas canvas(window, DisplayTwipsPerPixel());
  DesignState state;
  double total = 0.0;
  double worst = 0.0;
  for (int i = 0; i < kSteps; ++i) {
    const auto start = std::chrono::steady_clock::now();
    {
      WindowDC dc(window);
      GdiCanvas::DrawingScope scope(canvas, dc.get());
      for (int swirl = 0; swirl < 2; ++swirl) {
        state.gCurveStyle = static_cast<int16_t>(pen - 1);  // the next swirl takes this pen
        DrawColorSwirls(canvas, random, state);
      }
      GdiFlush();
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    total += took.count();
    worst = std::max(worst, took.count());
  }
  std::printf("two 360-line swirls at pen %d: %.2f ms per step on average, %.2f ms at worst\n", pen,
              total / kSteps, worst);
}

}  // namespace

int main() {
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "Swirl cost", WS_POPUP | WS_VISIBLE, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!window) return 1;
  for (int16_t pen : {1, 5}) MeasurePen(window, pen);
  DestroyWindow(window);
  return 0;
}
