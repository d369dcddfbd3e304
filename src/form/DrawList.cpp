#include "form/DrawList.h"

namespace aloftra {

DrawItem DrawItem::Line(double x1, double y1, double x2, double y2, Color color, int width) {
  DrawItem item;
  item.kind = Kind::kLine;
  item.x1 = x1;
  item.y1 = y1;
  item.x2 = x2;
  item.y2 = y2;
  item.color = color;
  item.width = width;
  return item;
}

DrawItem DrawItem::Rectangle(double left, double top, double right, double bottom, Color color,
                             bool filled, Color fillColor) {
  DrawItem item;
  item.kind = Kind::kRect;
  item.x1 = left;
  item.y1 = top;
  item.x2 = right;
  item.y2 = bottom;
  item.color = color;
  item.filled = filled;
  item.fillColor = fillColor;
  return item;
}

DrawItem DrawItem::Circle(double cx, double cy, double radius, Color color, bool filled,
                          Color fillColor) {
  DrawItem item;
  item.kind = Kind::kCircle;
  item.x1 = cx;
  item.y1 = cy;
  item.radius = radius;
  item.color = color;
  item.filled = filled;
  item.fillColor = fillColor;
  return item;
}

DrawItem DrawItem::Pie(double cx, double cy, double radius, double startAngle, double endAngle,
                       Color color, Color fillColor) {
  DrawItem item = Circle(cx, cy, radius, color, true, fillColor);
  item.kind = Kind::kPie;
  item.startAngle = startAngle;
  item.endAngle = endAngle;
  return item;
}

DrawItem DrawItem::Text(double x, double y, std::string text, Color color, Font font) {
  DrawItem item;
  item.kind = Kind::kText;
  item.x1 = x;
  item.y1 = y;
  item.text = std::move(text);
  item.color = color;
  item.font = font;
  return item;
}

DrawList::Group& DrawList::GroupNamed(std::string_view name) {
  for (Group& group : groups_) {
    if (group.name == name) return group;
  }
  groups_.push_back(Group{std::string(name), {}});
  return groups_.back();
}

void DrawList::Replace(std::string_view group, std::vector<DrawItem> items) {
  Group& target = GroupNamed(group);
  if (target.items == items) return;
  target.items = std::move(items);
  ++revision_;
}

void DrawList::Clear() {
  if (groups_.empty()) return;
  groups_.clear();
  ++revision_;
}

void DrawList::Add(std::string_view group, DrawItem item) {
  GroupNamed(group).items.push_back(std::move(item));
  ++revision_;
}

void DrawList::ClearGroup(std::string_view group) {
  for (Group& g : groups_) {
    if (g.name == group && !g.items.empty()) {
      g.items.clear();
      ++revision_;
    }
  }
}

const std::vector<DrawItem>& DrawList::Items(std::string_view group) const {
  static const std::vector<DrawItem> kEmpty;
  for (const Group& g : groups_) {
    if (g.name == group) return g.items;
  }
  return kEmpty;
}

int DrawList::TotalItems() const {
  int total = 0;
  for (const Group& g : groups_)
    total += static_cast<int>(g.items.size());
  return total;
}

}  // namespace aloftra
