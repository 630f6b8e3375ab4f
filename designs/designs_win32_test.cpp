// The designs on real GDI: the canvas's pixels, the shape elements' draw mode and the repaint
// of changed areas.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "designs/gdi_canvas_win32.h"
#include "designs/shape_painter_win32.h"
#include "saver/saver_designs_win32.h"
#include "saver/saver_window_win32.h"
#include "settings/settings_store.h"
#include "tests/saver_driver_win32.h"
#include "tests/scripted_random.h"

namespace sovelin {
namespace {

using driver::CaptureScreen;
using driver::Pump;
using driver::SwapRedBlue;

constexpr COLORREF kBackground = 0x00123456;
constexpr TwipsPerPixel kTwips{15, 15};

// What "merge pen not" makes of a pixel: the colour OR the inverse of the pixel beneath.
COLORREF MergePenNot(COLORREF colour, COLORREF beneath) {
  return (colour | ~beneath) & 0x00FFFFFF;
}

Bitmap FilledBitmap(int width, int height, COLORREF colour) {
  WindowDC screen(nullptr);
  Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  OwnedDC dc(CreateCompatibleDC(nullptr));
  SelectGuard select(dc.get(), bitmap.get());
  Brush brush(CreateSolidBrush(colour));
  RECT box{0, 0, width, height};
  FillRect(dc.get(), &box, brush.get());
  return bitmap;
}

// A 32-bit memory picture to paint on and read back, filled with the background colour.
class MemorySurface {
 public:
  MemorySurface(int width, int height)
      : bitmap_(FilledBitmap(width, height, kBackground)), select_(dc_.get(), bitmap_.get()) {}
  HDC dc() const { return dc_.get(); }
  COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }

 private:
  OwnedDC dc_{CreateCompatibleDC(nullptr)};
  Bitmap bitmap_;
  SelectGuard select_;
};

// The real saver window over a background of one known colour.
class DesignsOnSaverWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<SaverWindow>(
        run,
        FilledBitmap(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kBackground));
    ASSERT_TRUE(window->Create(GetModuleHandleA(nullptr)));
    designs = std::make_unique<SaverDesigns>(run, *window);
    window->paintAbove = [this](HDC dc, HRGN area) { designs->PaintAbove(dc, area); };
    window->Show();
    Pump(300);
  }
  void TearDown() override {
    designs.reset();
    if (window) DestroyWindow(window->handle());
    window.reset();
    Pump(100);
  }

  MemorySettingsStore store;
  ScriptedRandom random;
  SaverRun run{store, random};
  std::unique_ptr<SaverWindow> window;
  std::unique_ptr<SaverDesigns> designs;
};

// A geometric pen with round ends and joins of the width and colour, selected while `paint` runs.
template <typename Paint>
void WithGeometricPen(HDC dc, int width, COLORREF colour, Paint paint) {
  const LOGBRUSH brush{BS_SOLID, colour, 0};
  Pen pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                       static_cast<DWORD>(width), &brush, 0, nullptr));
  SelectGuard select(dc, pen.get());
  paint(dc);
}

// How a picture painted by the canvas differs from one painted by GDI's own pen: the pixels
// GDI painted, the pixels that differ, and those of them with no pixel of another colour
// beside them in either picture (away from the edges of both figures).
struct Difference {
  int painted = 0;
  int differing = 0;
  int awayFromEdges = 0;
};

Difference Compare(const MemorySurface& ours, const MemorySurface& gdi, int width, int height) {
  Difference difference;
  for (int y = 1; y < height - 1; ++y) {
    for (int x = 1; x < width - 1; ++x) {
      const COLORREF expected = gdi.At(x, y), got = ours.At(x, y);
      difference.painted += expected != kBackground;
      if (got == expected) continue;
      ++difference.differing;
      bool edge = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          edge = edge || gdi.At(x + dx, y + dy) != expected || ours.At(x + dx, y + dy) != got;
      difference.awayFromEdges += !edge;
    }
  }
  return difference;
}

// Lines in every direction (some running off the surface) at one to five pixels, and circles,
// solid and hollow, at one to 150: the canvas, which keeps its pens selected, paints one-pixel
// lines with a plain pen, wider ones as bands of them and wide circles as the disks their
// outline covers, leaves the pixels of a geometric pen with round ends and joins selected for
// each call: exactly for one-pixel lines, otherwise but for pixels along the figures' edges,
// with the outline colour on a circle's path, the fill colour (or what was there) inside its
// ring and the background outside it.
TEST_F(DesignsOnSaverWindow, CanvasPaintsThePixelsOfAGeometricPenPerCall) {
  GdiCanvas canvas(window->handle(), kTwips);
  for (int16_t width : {1, 2, 3, 5}) {
    SCOPED_TRACE(testing::Message() << "lines at pen " << width);
    MemorySurface ours(240, 160), gdi(240, 160);
    GdiCanvas::DrawingScope scope(canvas, ours.dc());  // one per step, as the saver
    canvas.SetPenWidth(width);
    for (int step = 0; step < 48; ++step) {
      const double angle = step * 3.14159 / 24;
      const int x = 120 + static_cast<int>(std::lround(std::cos(angle) * (step % 3 ? 70 : 200)));
      const int y = 80 + static_cast<int>(std::lround(std::sin(angle) * (step % 3 ? 50 : 200)));
      const COLORREF colour = step % 4 < 2 ? 0x0000FF : 0x00FF00;
      canvas.Line(120 * 15.0f, 80 * 15.0f, x * 15.0f, y * 15.0f, static_cast<int32_t>(colour));
      WithGeometricPen(gdi.dc(), width, colour, [&](HDC dc) {
        MoveToEx(dc, 120, 80, nullptr);
        LineTo(dc, x, y);
      });
    }
    const Difference difference = Compare(ours, gdi, 240, 160);
    EXPECT_TRUE(width > 1 || difference.differing == 0) << difference.differing;
    EXPECT_EQ(difference.awayFromEdges, 0);
    EXPECT_LT(difference.differing * 2, difference.painted);
  }

  const struct {
    int radius;
    int16_t width, fill;
  } circles[] = {{30, 1, kFillSolid},        {30, 1, kFillTransparent},  {30, 5, kFillSolid},
                 {45, 10, kFillTransparent}, {100, 4, kFillSolid},       {60, 3, kFillTransparent},
                 {3, 10, kFillSolid},        {40, 150, kFillTransparent}};
  for (const auto& circle : circles) {
    SCOPED_TRACE(testing::Message() << "radius " << circle.radius << ", pen " << circle.width);
    const int size = 2 * (circle.radius + circle.width) + 8, c = size / 2;
    MemorySurface ours(size, size), gdi(size, size);
    {
      GdiCanvas::DrawingScope scope(canvas, ours.dc());
      canvas.SetPenWidth(circle.width);
      canvas.SetFillStyle(circle.fill);
      canvas.SetFillColor(0xFF0000);
      canvas.Circle(c * 15.0f, c * 15.0f, circle.radius * 15.0f, 0x00FFFF);
    }
    Brush inside(CreateSolidBrush(0xFF0000));
    SelectGuard brush(gdi.dc(),
                      circle.fill == kFillSolid ? inside.get() : GetStockObject(NULL_BRUSH));
    WithGeometricPen(gdi.dc(), circle.width, 0x00FFFF, [&](HDC dc) {
      Ellipse(dc, c - circle.radius, c - circle.radius, c + circle.radius + 1,
              c + circle.radius + 1);
    });
    const Difference difference = Compare(ours, gdi, size, size);
    EXPECT_EQ(difference.awayFromEdges, 0);
    EXPECT_LT(difference.differing * 4, difference.painted);
    const bool hole = circle.width < 2 * circle.radius;
    EXPECT_EQ(ours.At(c - circle.radius, c), 0x00FFFFu);
    EXPECT_EQ(ours.At(c, c), !hole ? 0x00FFFF : circle.fill == kFillSolid ? 0xFF0000 : kBackground);
    EXPECT_EQ(ours.At(c + circle.radius + circle.width, c), kBackground);
  }
}

TEST_F(DesignsOnSaverWindow, ShapesShowTheirColourOrTheInverseOfTheBackgroundWhereRepainted) {
  // A rectangle at (10, 10), 60 x 40 pixels, and a circle's box at (100, 10), 80 x 40.
  ShapeGroup group;
  for (int16_t index : {1, 2}) {
    group.Create(index);
    group.SetBackColor(index, index == 1 ? 0x800000 : 0x008000);
    group.Move(index, (index == 1 ? 10 : 100) * 15.0f, 10 * 15.0f);
    group.SetWidth(index, (index == 1 ? 60 : 80) * 15.0f);
    group.SetHeight(index, 40 * 15.0f);
    group.SetVisible(index, true);
  }
  group.SetKind(2, kShapeCircle);
  group.Create(3);  // created but hidden: not painted
  group.Move(3, 0.0f, 0.0f);

  MemorySurface surface(200, 100);
  Region repainted(CreateRectRgn(0, 0, 150, 100));
  PaintShapes(surface.dc(), repainted.get(), group, kTwips);

  EXPECT_EQ(surface.At(40, 30), MergePenNot(0x800000, kBackground));
  EXPECT_EQ(surface.At(10, 30), MergePenNot(0xFF0000, kBackground)) << "blue border";
  EXPECT_EQ(surface.At(5, 5), kBackground);
  // The circle is the largest centred in its 80 x 40 box: 40 across from x = 120.
  EXPECT_EQ(surface.At(140, 30), MergePenNot(0x008000, kBackground));
  EXPECT_EQ(surface.At(110, 30), kBackground);
  EXPECT_EQ(surface.At(121, 11), kBackground) << "round: the corner stays";
  EXPECT_EQ(surface.At(155, 30), kBackground) << "painted only inside the repainted area";
}

TEST_F(DesignsOnSaverWindow, ShapeStepPaintsAtOnceAndRepaintWipesSwirlsButNotShapes) {
  run.settings.gBackground = 6;
  // Two shapes: a rectangle of 2000 x 2000 twips centred at the middle of the screen, and a
  // second one far off in the top left corner. The values of a step: kind, height, width,
  // target left and top, palette colour.
  random.Add({0.0f, 0.0f, 0.0f, 0.5f, 0.5f, 1.0f / 15.0f});  // blue 0x800000
  random.Add({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 4.0f / 15.0f});
  designs->Step();
  Pump(100);
  const int cx = window->widthPixels() / 2, cy = window->heightPixels() / 2;
  const uint32_t shape = SwapRedBlue(MergePenNot(0x800000, kBackground));
  EXPECT_EQ(CaptureScreen().At(cx, cy), shape);

  // A thick line over the shape and beside it, as a swirl would draw.
  {
    WindowDC dc(window->handle());
    Pen pen(CreatePen(PS_SOLID, 9, 0x00FFFFFF));
    SelectGuard select(dc.get(), pen.get());
    MoveToEx(dc.get(), cx - 200, cy, nullptr);
    LineTo(dc.get(), cx + 10, cy);
  }
  Pump(100);
  ASSERT_EQ(CaptureScreen().At(cx, cy), 0xFFFFFFu);
  {
    WindowDC dc(window->handle());
    Region area(CreateRectRgn(0, cy - 20, window->widthPixels(), cy + 20));
    window->RepaintBackground(dc.get(), area.get());
  }
  Pump(100);
  const driver::Screenshot after = CaptureScreen();
  EXPECT_EQ(after.At(cx, cy), shape) << "the shape is intact";
  EXPECT_EQ(after.At(cx - 150, cy), SwapRedBlue(kBackground)) << "the swirl is gone";

  // The next step moves element 1 away: its old place shows the background again.
  random.Add({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 2.0f / 15.0f});
  random.Add({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 3.0f / 15.0f});
  for (int i = 0; i < 28; ++i) random.Add({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
  for (int i = 0; i < 15; ++i) designs->Step();
  Pump(100);
  EXPECT_EQ(CaptureScreen().At(cx, cy), SwapRedBlue(kBackground)) << "no ghost of a moved shape";
}

}  // namespace
}  // namespace sovelin
