#pragma once

#include <cstdint>
#include <vector>

#include "designs/canvas.h"

namespace sovelin {

// What a recording canvas saw: one painted primitive with its arguments and the surface
// state at that moment.
struct CanvasCall {
  enum class Kind { kLine, kCircle, kPoint };
  Kind kind = Kind::kLine;
  // Line: from (x1, y1) to (x2, y2). Circle and point: centre in (x1, y1).
  float x1 = 0.0f;
  float y1 = 0.0f;
  float x2 = 0.0f;
  float y2 = 0.0f;
  float radius = 0.0f;
  int32_t color = 0;
  int16_t penWidth = 0;
  int16_t fillStyle = 0;
  int32_t fillColor = 0;
};

// Test surface of a fixed size that records every primitive instead of painting it.
class RecordingCanvas final : public Canvas {
 public:
  RecordingCanvas(float width, float height) : RecordingCanvas(width, height, width, height) {}
  RecordingCanvas(float width, float height, float scaleWidth, float scaleHeight)
      : width_(width), height_(height), scaleWidth_(scaleWidth), scaleHeight_(scaleHeight) {}

  float Width() const override { return width_; }
  float Height() const override { return height_; }
  float ScaleWidth() const override { return scaleWidth_; }
  float ScaleHeight() const override { return scaleHeight_; }

  std::vector<CanvasCall> calls;

 protected:
  void PaintLine(float x1, float y1, float x2, float y2, int32_t color) override {
    Record(CanvasCall::Kind::kLine, x1, y1, x2, y2, 0.0f, color);
  }
  void PaintCircle(float x, float y, float radius, int32_t color) override {
    Record(CanvasCall::Kind::kCircle, x, y, x, y, radius, color);
  }
  void PaintPoint(float x, float y, int32_t color) override {
    Record(CanvasCall::Kind::kPoint, x, y, x, y, 0.0f, color);
  }

 private:
  void Record(CanvasCall::Kind kind, float x1, float y1, float x2, float y2, float radius,
              int32_t color) {
    calls.push_back(
        CanvasCall{kind, x1, y1, x2, y2, radius, color, PenWidth(), FillStyle(), FillColor()});
  }

  float width_;
  float height_;
  float scaleWidth_;
  float scaleHeight_;
};

}  // namespace sovelin
