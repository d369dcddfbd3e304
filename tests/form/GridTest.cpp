// The grid: which cells are drawn as one, which style a cell takes, and what a front end is
// told about changed rows, so it shows exactly what the grid holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/Form.h"
#include "form/Grid.h"

namespace aloftra {
namespace {

class GridForm : public Form {
 public:
  GridForm() : Form("frmGrid") {}
  Grid Table{*this, "Table"};
};

// Fills the grid from rows of texts, one column per text.
void Fill(Grid& grid, const std::vector<std::vector<std::string>>& rows) {
  grid.BeginUpdate();
  grid.ClearRows();
  grid.SetCols(static_cast<int>(rows.front().size()));
  for (const auto& texts : rows) {
    const int row = grid.AddRow();
    for (int col = 0; col < grid.Cols(); ++col)
      grid.SetText(row, col, texts[static_cast<std::size_t>(col)]);
  }
  grid.EndUpdate();
}

TEST(GridTest, MergedAreasFollowTheColumnRules) {
  GridForm form;
  Grid& grid = form.Table;
  // Column 0 joins down, 1 none, 2 and 3 across, 4 across but not beside a joining column's
  // equal text.
  Fill(grid, {{"a", "x", "r", "r", "r"},
              {"a", "x", "s", "t", "t"},
              {"a", "x", "", "", "q"},
              {"b", "x", "u", "u", "v"},
              {"", "x", "w", "w", "w"},
              {"", "x", "w", "w", "w"}});
  grid.SetColMerge(0, GridMerge::kDown);
  grid.SetColMerge(2, GridMerge::kAcross);
  grid.SetColMerge(3, GridMerge::kAcross);
  grid.SetColMerge(4, GridMerge::kAcross);
  struct Case {
    int row, col;
    CellArea area;
  };
  const Case cases[] = {
      {0, 0, {0, 0, 2, 0}},  // three equal consecutive cells
      {2, 0, {0, 0, 2, 0}},  // found from its last cell too
      {3, 0, {3, 0, 3, 0}},  // a different text stands alone
      {4, 0, {4, 0, 4, 0}},  // empty cells never join
      {1, 1, {1, 1, 1, 1}},  // a column without a rule never joins
      {0, 3, {0, 2, 0, 4}},  // across three joining columns
      {1, 2, {1, 2, 1, 2}}, {1, 4, {1, 3, 1, 4}}, {2, 3, {2, 3, 2, 3}},  // empty
      {3, 3, {3, 2, 3, 3}}, {4, 2, {4, 2, 4, 4}},  // an across rule never joins rows
  };
  for (const Case& c : cases) {
    EXPECT_EQ(grid.MergedArea(c.row, c.col), c.area) << "row " << c.row << " col " << c.col;
  }
}

TEST(GridTest, ACellTakesItsOwnStyleOverItsRowsAndRowsKeepTheirsWhenAdded) {
  GridForm form;
  Grid& grid = form.Table;
  Fill(grid, {{"1", "2"}, {"3", "4"}});
  const GridStyle yellow{kBlack, Rgb(255, 255, 192)};
  const GridStyle red{kRed, kWhite};
  grid.SetRowStyle(0, yellow);
  grid.SetCellStyle(0, 1, red);
  grid.SetCellStyle(1, 0, red);
  grid.SetCols(3);  // the stored styles follow their cells into the wider rows
  struct Case {
    int row, col;
    GridStyle style;
  };
  const Case cases[] = {{0, 0, yellow}, {0, 1, red}, {0, 2, yellow},
                        {1, 0, red},    {1, 1, {}},  {1, 2, {}}};
  for (const Case& c : cases)
    EXPECT_EQ(grid.CellStyle(c.row, c.col), c.style) << "row " << c.row << " col " << c.col;
  EXPECT_EQ(grid.Text(1, 1), "4");
  EXPECT_EQ(grid.Text(1, 2), "");
  grid.ClearRows();
  grid.AddRow();
  EXPECT_EQ(grid.CellStyle(0, 1), GridStyle{}) << "a cleared grid forgets its cell styles";
}

TEST(GridTest, AFrontEndLearnsWhichRowsChangedOrThatItMustShowAllAgain) {
  GridForm form;
  Grid& grid = form.Table;
  Fill(grid, {{"a", "b"}, {"c", "d"}, {"e", "f"}, {"g", "h"}});
  grid.SetColMerge(0, GridMerge::kDown);
  const unsigned long layout = grid.LayoutRevision();
  const unsigned long seen = grid.ContentRevision();
  const unsigned long control = grid.Revision();
  RowRange rows;

  grid.SetText(3, 1, "H");
  ASSERT_TRUE(grid.ChangedRowsSince(seen, rows));
  EXPECT_EQ(rows, (RowRange{3, 3}));
  EXPECT_GT(grid.Revision(), control) << "the control's own revision moves too";

  grid.SetText(3, 1, "H");  // the same text again is no change
  grid.SetRowStyle(3, GridStyle{});
  const unsigned long afterOne = grid.ContentRevision();
  EXPECT_EQ(afterOne, seen + 1);

  // A joining column's cell changes the rows drawn with it; many changes in one update count
  // once, and their rows are joined.
  grid.BeginUpdate();
  grid.SetText(1, 0, "x");
  grid.SetCellStyle(0, 1, GridStyle{kRed, kWhite});
  grid.EndUpdate();
  EXPECT_EQ(grid.ContentRevision(), afterOne + 1);
  ASSERT_TRUE(grid.ChangedRowsSince(afterOne, rows));
  EXPECT_EQ(rows, (RowRange{0, 2}));
  ASSERT_TRUE(grid.ChangedRowsSince(seen, rows));
  EXPECT_EQ(rows, (RowRange{0, 3}));
  ASSERT_TRUE(grid.ChangedRowsSince(grid.ContentRevision(), rows));
  EXPECT_TRUE(rows.Empty());
  EXPECT_EQ(grid.LayoutRevision(), layout) << "no row or column came or went";

  // A new row is a new layout: the rows changed before it are no longer told.
  grid.AddRow();
  EXPECT_EQ(grid.LayoutRevision(), layout + 1);
  EXPECT_FALSE(grid.ChangedRowsSince(seen, rows));
  EXPECT_TRUE(grid.ChangedRowsSince(grid.ContentRevision(), rows));

  // A front end too far behind is told to show everything again.
  const unsigned long old = grid.ContentRevision();
  for (int i = 0; i < 100; ++i)
    grid.SetText(i % 5, 1, std::to_string(i));
  EXPECT_FALSE(grid.ChangedRowsSince(old, rows));
  ASSERT_TRUE(grid.ChangedRowsSince(grid.ContentRevision() - 2, rows));
  EXPECT_EQ(rows, (RowRange{3, 4}));
}

TEST(GridTest, AClickMakesTheRowCurrentBeforeTheHandlerRunsAndOutsideClicksAreIgnored) {
  GridForm form;
  Grid& grid = form.Table;
  Fill(grid, {{"a"}, {"b"}});
  std::vector<std::string> heard;
  grid.onClick = [&](int row, int col) {
    heard.push_back(std::to_string(row) + "," + std::to_string(col) + " current " +
                    std::to_string(grid.Row()));
  };
  grid.Click(1, 0);
  grid.Click(2, 0);
  grid.Click(0, 1);
  grid.SetEnabled(false);
  grid.Click(0, 0);
  EXPECT_EQ(heard, (std::vector<std::string>{"1,0 current 1"}));
  grid.ClearRows();
  EXPECT_EQ(grid.Row(), -1);
  EXPECT_THROW(grid.SetRow(0), std::out_of_range);
}

}  // namespace
}  // namespace aloftra
