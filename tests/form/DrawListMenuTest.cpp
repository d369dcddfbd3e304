#include <gtest/gtest.h>

#include "form/DrawList.h"
#include "form/Menu.h"

namespace aloftra {
namespace {

TEST(DrawListTest, RedrawingAGroupReplacesItAndKeepsItsPlaceInThePaintingOrder) {
  DrawList drawing;
  drawing.Replace("rose.0", {DrawItem::Line(0, 0, 10, 0, kRed)});
  drawing.Replace("vario", {DrawItem::Line(0, 5, 10, 5, kBlack)});
  drawing.Replace("rose.0", {DrawItem::Line(0, 0, 10, 0, kButtonFace),
                             DrawItem::Line(0, 1, 10, 1, kButtonFace)});
  ASSERT_EQ(drawing.Groups().size(), 2u);
  EXPECT_EQ(drawing.Groups()[0].name, "rose.0");
  EXPECT_EQ(drawing.Items("rose.0").size(), 2u);
  EXPECT_EQ(drawing.Items("rose.0")[0].color, kButtonFace);
  EXPECT_EQ(drawing.TotalItems(), 3);
  EXPECT_TRUE(drawing.Items("missing").empty());
}

TEST(DrawListTest, RepaintingTheSamePictureDoesNotCountAsAChange) {
  DrawList drawing;
  drawing.Replace("bar", {DrawItem::Line(0, 0, 10, 0, kRed)});
  unsigned long revision = drawing.Revision();
  drawing.Replace("bar", {DrawItem::Line(0, 0, 10, 0, kRed)});
  EXPECT_EQ(drawing.Revision(), revision);
  drawing.Replace("bar", {DrawItem::Line(0, 0, 10, 0, kBlack)});
  EXPECT_NE(drawing.Revision(), revision);
}

TEST(DrawListTest, ClearingCountsAsAChangeOnlyWhenSomethingWasDrawn) {
  DrawList drawing;
  drawing.Replace("bar", {DrawItem::Line(0, 0, 10, 0, kRed)});
  unsigned long revision = drawing.Revision();
  drawing.ClearGroup("bar");
  EXPECT_NE(drawing.Revision(), revision);
  revision = drawing.Revision();
  drawing.ClearGroup("bar");
  drawing.ClearGroup("missing");
  EXPECT_EQ(drawing.Revision(), revision);
  // Wiping the form is a change the front end must paint, even of groups left empty.
  drawing.Clear();
  EXPECT_NE(drawing.Revision(), revision);
  EXPECT_TRUE(drawing.Groups().empty());
  revision = drawing.Revision();
  drawing.Clear();
  EXPECT_EQ(drawing.Revision(), revision);
}

TEST(MenuTest, OnlyEnabledVisibleItemsThatAreNotSeparatorsRunTheHandler) {
  Menu menu("FileMenu", "File");
  menu.AddItem("New...");
  menu.AddItem("-");
  menu.AddItem("Save");
  menu.Item(2).enabled = false;
  std::vector<int> clicked;
  menu.onClick = [&](int index) { clicked.push_back(index); };
  for (int index : {0, 1, 2, 7, -1})
    menu.Click(index);
  EXPECT_EQ(clicked, std::vector<int>{0});
}

}  // namespace
}  // namespace aloftra
