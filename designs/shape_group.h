#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "designs/canvas.h"

namespace sovelin {

// A rectangle in twips on the saver window.
struct TwipsRect {
  float left = 0.0f;
  float top = 0.0f;
  float width = 0.0f;
  float height = 0.0f;

  bool operator==(const TwipsRect&) const = default;
};

// Kinds of a shape element.
inline constexpr int16_t kShapeRectangle = 0;
inline constexpr int16_t kShapeSquare = 1;
inline constexpr int16_t kShapeOval = 2;
inline constexpr int16_t kShapeCircle = 3;
inline constexpr int16_t kShapeRoundedRectangle = 4;
inline constexpr int16_t kShapeRoundedSquare = 5;

// Draw mode of every shape element: each pixel becomes the shape's colour OR the inverse
// of the pixel beneath ("merge pen not").
inline constexpr int16_t kDrawModeMergePenNot = 14;

// One element of the saver window's shape group. Elements are painted by the window itself
// whenever they are uncovered, so the verse window never wipes them.
struct ShapeElement {
  bool created = false;
  bool visible = false;
  int16_t kind = kShapeRectangle;
  TwipsRect rect{0.0f, 0.0f, 1410.0f, 1215.0f};
  int32_t backColor = 0x000000;
  bool opaqueBack = true;
  int32_t borderColor = 0xFF0000;
  int16_t borderWidth = 1;
  int32_t fillColor = 0x0000FF;
  int16_t fillStyle = kFillTransparent;
  int16_t drawMode = kDrawModeMergePenNot;
};

// The part of an element's rectangle its figure covers: squares, circles and rounded
// squares are the largest such figure centred in the rectangle; the other kinds fill it.
TwipsRect FigureBounds(const ShapeElement& element);

// The indexed shape group of the saver window. Element 0 is the hidden template that
// always exists; elements 1..30 are created at run time as hidden copies of it. An
// operation on an element that does not exist is skipped.
//
// Every change that alters what the screen shows records the element's old and new areas,
// so the window layer can take them and repaint just those parts.
class ShapeGroup {
 public:
  static constexpr int16_t kLastIndex = 30;

  ShapeGroup();

  // Creates the element as a hidden copy of element 0. An element that already exists, and
  // element 0 itself, stay as they are.
  void Create(int16_t index);
  // Removes a created element (never element 0).
  void Remove(int16_t index);

  void SetVisible(int16_t index, bool visible);
  void SetKind(int16_t index, int16_t kind);
  void SetBackColor(int16_t index, int32_t color);
  void SetWidth(int16_t index, float width);
  void SetHeight(int16_t index, float height);
  // Moves the element's top left corner, size unchanged.
  void Move(int16_t index, float left, float top);

  // The element at the index if it has been created, otherwise nothing.
  const ShapeElement* Find(int16_t index) const;
  // All elements in index order (painting order), created or not.
  const std::array<ShapeElement, kLastIndex + 1>& Elements() const { return elements_; }

  // Areas changed since the last call, in twips; the list is emptied.
  std::vector<TwipsRect> TakeDirty();

 private:
  ShapeElement* Live(int16_t index);
  template <typename Change>
  void Modify(int16_t index, Change change);
  void MarkDirty(const TwipsRect& area);

  std::array<ShapeElement, kLastIndex + 1> elements_;
  std::vector<TwipsRect> dirty_;
};

}  // namespace sovelin
