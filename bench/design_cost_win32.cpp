// Prints what a design step costs on this system, as a Markdown table: for each painted design
// and each pen width it can start with (the pen is shared by every design, so with "Random" the
// circle designs inherit whatever the design before them left), the average and the worst time
// of a step over 20 steps on a full-screen window, with the same random values on every run.
// Run by bench/report.
#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>

#include "common/handles_win32.h"
#include "designs/color_swirls.h"
#include "designs/draw_design.h"
#include "designs/gdi_canvas_win32.h"
#include "geometry/screen_win32.h"

namespace {

using namespace sovelin;

// A fixed sequence of values in [0, 1): every run draws the same designs.
class FixedRandom final : public RandomSource {
 public:
  float Next() override { return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f); }
  void Reseed() override {}

 private:
  std::mt19937 engine_{2026};
};

// Swirls draw the same values at every step: colour, centre, angle step 1, start angle,
// mirror signs, radius scale, so every step draws two whole swirls of 360 lines.
class RepeatingRandom final : public RandomSource {
 public:
  float Next() override { return kValues[next_++ % kValues.size()]; }
  void Reseed() override {}

 private:
  static constexpr std::array<float, 10> kValues{0.3f, 0.6f,  0.9f, 0.5f, 0.5f,
                                                 0.0f, 0.25f, 0.2f, 0.7f, 0.9f};
  size_t next_ = 0;
};

constexpr int kSteps = 20;

// Times kSteps steps, each with the pen set to `pen` first, and prints a table row.
template <typename Step>
void Measure(HWND window, const char* design, const char* pen, int16_t width, Step step) {
  GdiCanvas canvas(window, DisplayTwipsPerPixel());
  DesignState state;
  double total = 0.0;
  double worst = 0.0;
  for (int i = 0; i < kSteps; ++i) {
    canvas.SetPenWidth(width);
    const auto start = std::chrono::steady_clock::now();
    {
      WindowDC dc(window);
      GdiCanvas::DrawingScope scope(canvas, dc.get());
      step(canvas, state);
      GdiFlush();
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    total += took.count();
    worst = std::max(worst, took.count());
  }
  std::printf("| %s | %s | %.2f ms | %.2f ms |\n", design, pen, total / kSteps, worst);
  std::fflush(stdout);
}

}  // namespace

int main() {
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "Design cost", WS_POPUP | WS_VISIBLE, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!window) return 1;
  std::printf("| Design | Pen at the start of the step | Average | Worst |\n|---|---|---|---|\n");
  for (int16_t pen : {1, 5}) {
    RepeatingRandom random;
    char label[32];
    std::snprintf(label, sizeof label, "both swirls at %d", pen);
    Measure(window, "0 Color Swirls, 360 lines each", label, pen,
            [&](Canvas& canvas, DesignState& state) {
              for (int swirl = 0; swirl < 2; ++swirl) {
                state.gCurveStyle = static_cast<int16_t>(pen - 1);  // the next swirl takes this pen
                DrawColorSwirls(canvas, random, state);
              }
            });
  }
  // The circle designs keep the pen they find; the others set their own.
  struct Design {
    int16_t number;
    const char* name;
    bool inheritsPen;
  };
  constexpr std::array<Design, 6> kDesigns{{{0, "0 Color Swirls", false},
                                            {1, "1 Embedded Circles", true},
                                            {2, "2 Random Circles", true},
                                            {3, "3 Confetti", false},
                                            {4, "4 Chasing Lines", false},
                                            {5, "5 Oblong Shapes", false}}};
  for (const Design& design : kDesigns) {
    for (int16_t pen : {1, 5, 10, 150}) {
      if (!design.inheritsPen && pen != 1) continue;
      FixedRandom random;
      char label[32] = "its own";
      if (design.inheritsPen) std::snprintf(label, sizeof label, "%d", pen);
      Measure(window, design.name, label, pen, [&](Canvas& canvas, DesignState& state) {
        DrawDesign(canvas, random, state, design.number);
      });
    }
  }
  DestroyWindow(window);
  return 0;
}
