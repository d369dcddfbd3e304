// What a form draws on itself (the wind rose, the vario bars, graphs): lines, rectangles,
// circles, pie sectors and text in twips with their colours. Drawing is kept in named
// groups, painted in the order the groups were first drawn; redrawing a group replaces what
// it held, so repainting the same wedge again and again never grows the list. Tests read
// the list; the front end paints it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/Color.h"
#include "form/Control.h"

namespace aloftra {

// A line runs from its first point up to, but not including, its last point.
struct DrawItem {
  enum class Kind { kLine, kRect, kCircle, kPie, kText };
  Kind kind = Kind::kLine;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends; rectangle corners; circle centre in x1, y1
  double radius = 0;                      // circles and pies
  double startAngle = 0, endAngle = 0;    // pies, radians counter-clockwise from east
  Color color = kBlack;                   // line, outline or text colour
  bool filled = false;
  Color fillColor = kBlack;
  int width = 1;  // line width in pixels
  std::string text;
  Font font;

  static DrawItem Line(double x1, double y1, double x2, double y2, Color color, int width = 1);
  static DrawItem Rectangle(double left, double top, double right, double bottom, Color color,
                            bool filled = false, Color fillColor = kBlack);
  static DrawItem Circle(double cx, double cy, double radius, Color color, bool filled = false,
                         Color fillColor = kBlack);
  static DrawItem Pie(double cx, double cy, double radius, double startAngle, double endAngle,
                      Color color, Color fillColor);
  static DrawItem Text(double x, double y, std::string text, Color color, Font font = {});

  bool operator==(const DrawItem&) const = default;
};

class DrawList {
 public:
  struct Group {
    std::string name;
    std::vector<DrawItem> items;
  };

  // Replaces what a group holds (creating it at the end of the painting order if new). The
  // same picture drawn again is no change, so a repaint that redraws never asks for another.
  void Replace(std::string_view group, std::vector<DrawItem> items);
  // Adds to a group.
  void Add(std::string_view group, DrawItem item);
  // Empties a group but keeps its place in the painting order.
  void ClearGroup(std::string_view group);
  // Removes every group (the form's Cls).
  void Clear();

  // The items of one group (empty when it does not exist).
  const std::vector<DrawItem>& Items(std::string_view group) const;
  const std::vector<Group>& Groups() const { return groups_; }
  int TotalItems() const;

  // Incremented on every change, so a front end knows when to repaint; clearing what is
  // already empty or drawing the same group again is no change.
  unsigned long Revision() const { return revision_; }

 private:
  Group& GroupNamed(std::string_view name);
  std::vector<Group> groups_;
  unsigned long revision_ = 0;
};

}  // namespace aloftra
