#include "designs/shape_group.h"

#include <algorithm>

namespace sovelin {

namespace {

// Beyond this many areas nobody is taking them; they fold into one bounding area so the
// list cannot grow through a long run.
constexpr size_t kMaxDirtyAreas = 64;

TwipsRect BoundingRect(const std::vector<TwipsRect>& areas) {
  float left = areas.front().left;
  float top = areas.front().top;
  float right = left + areas.front().width;
  float bottom = top + areas.front().height;
  for (const TwipsRect& area : areas) {
    left = std::min(left, area.left);
    top = std::min(top, area.top);
    right = std::max(right, area.left + area.width);
    bottom = std::max(bottom, area.top + area.height);
  }
  return TwipsRect{left, top, right - left, bottom - top};
}

bool IsSquareKind(int16_t kind) {
  return kind == kShapeSquare || kind == kShapeCircle || kind == kShapeRoundedSquare;
}

}  // namespace

TwipsRect FigureBounds(const ShapeElement& element) {
  const TwipsRect& rect = element.rect;
  if (!IsSquareKind(element.kind))
    return rect;
  const float side = std::min(rect.width, rect.height);
  return TwipsRect{rect.left + (rect.width - side) / 2.0f, rect.top + (rect.height - side) / 2.0f,
                   side, side};
}

ShapeGroup::ShapeGroup() {
  elements_[0].created = true;
  elements_[0].visible = false;
}

void ShapeGroup::Create(int16_t index) {
  if (index <= 0 || index > kLastIndex || elements_[index].created)
    return;
  elements_[index] = elements_[0];
  elements_[index].visible = false;
}

void ShapeGroup::Remove(int16_t index) {
  if (index == 0)
    return;
  ShapeElement* element = Live(index);
  if (element == nullptr)
    return;
  if (element->visible)
    MarkDirty(element->rect);
  *element = ShapeElement{};
}

void ShapeGroup::SetVisible(int16_t index, bool visible) {
  ShapeElement* element = Live(index);
  if (element == nullptr || element->visible == visible)
    return;
  // The area matters whichever way the element turns: it appears or must be repainted.
  MarkDirty(element->rect);
  element->visible = visible;
}

void ShapeGroup::SetKind(int16_t index, int16_t kind) {
  Modify(index, [kind](ShapeElement& e) { e.kind = kind; });
}

void ShapeGroup::SetBackColor(int16_t index, int32_t color) {
  Modify(index, [color](ShapeElement& e) { e.backColor = color; });
}

void ShapeGroup::SetWidth(int16_t index, float width) {
  Modify(index, [width](ShapeElement& e) { e.rect.width = width; });
}

void ShapeGroup::SetHeight(int16_t index, float height) {
  Modify(index, [height](ShapeElement& e) { e.rect.height = height; });
}

void ShapeGroup::Move(int16_t index, float left, float top) {
  Modify(index, [left, top](ShapeElement& e) {
    e.rect.left = left;
    e.rect.top = top;
  });
}

const ShapeElement* ShapeGroup::Find(int16_t index) const {
  if (index < 0 || index > kLastIndex || !elements_[index].created)
    return nullptr;
  return &elements_[index];
}

std::vector<TwipsRect> ShapeGroup::TakeDirty() {
  std::vector<TwipsRect> taken;
  taken.swap(dirty_);
  return taken;
}

ShapeElement* ShapeGroup::Live(int16_t index) {
  return const_cast<ShapeElement*>(Find(index));
}

template <typename Change>
void ShapeGroup::Modify(int16_t index, Change change) {
  ShapeElement* element = Live(index);
  if (element == nullptr)
    return;
  if (element->visible)
    MarkDirty(element->rect);
  change(*element);
  if (element->visible)
    MarkDirty(element->rect);
}

void ShapeGroup::MarkDirty(const TwipsRect& area) {
  if (!dirty_.empty() && dirty_.back() == area)
    return;
  dirty_.push_back(area);
  if (dirty_.size() > kMaxDirtyAreas) {
    const TwipsRect all = BoundingRect(dirty_);
    dirty_.assign(1, all);
  }
}

}  // namespace sovelin
