// The grid's table view: it shows what the grid holds, follows a changed row without starting
// afresh, starts afresh for new rows, and turns a click into the grid's click.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "QStringPrinter.h"
#include "form/Form.h"
#include "form/Grid.h"
#include "qt/FormBinding.h"
#include "qt/FormWindow.h"

namespace aloftra::test {
namespace {

class GridForm : public Form {
 public:
  GridForm() : Form("frmGridDemo") {
    SetCaption("Grid");
    Resize(6000, 4000);
    Table.Move(120, 120, 5400, 3000);
    Table.SetCols(3);
    Table.SetColWidth(0, 0);
    Table.SetColWidth(1, 1500);
    Table.SetColWidth(2, 3000);
    Table.SetHeader(1, "Date");
    Table.SetColMerge(1, GridMerge::kDown);
    for (const char* date : {"May 1", "May 1", "May 2"}) {
      const int row = Table.AddRow();
      Table.SetText(row, 0, std::to_string(row));
      Table.SetText(row, 1, date);
      Table.SetText(row, 2, "flight " + std::to_string(row));
    }
    Table.onClick = [this](int row, int col) { clicks.push_back({row, col}); };
  }
  Grid Table{*this, "Table"};
  std::vector<std::pair<int, int>> clicks;
};

class GridViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    binding.AddForm(form);
    ASSERT_TRUE(binding.Dispatch([this] { form.Show(); }));
    window = binding.WindowOf(form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    view = window->findChild<QTableView*>(QStringLiteral("Table"));
    ASSERT_NE(view, nullptr);
  }

  GridForm form;
  qt::FormBinding binding;
  qt::FormWindow* window = nullptr;
  QTableView* view = nullptr;
};

TEST_F(GridViewTest, TheTableShowsTheGridsCellsHeadersAndWidths) {
  QAbstractItemModel* model = view->model();
  EXPECT_EQ(model->rowCount(), 3);
  EXPECT_EQ(model->columnCount(), 3);
  EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Date");
  EXPECT_EQ(model->index(2, 2).data().toString(), "flight 2");
  EXPECT_TRUE(view->isColumnHidden(0));
  EXPECT_EQ(view->columnWidth(2), 200);
}

TEST_F(GridViewTest, EqualDatesArePaintedAsOneCellWithLinesOnlyAroundIt) {
  const QImage picture = view->viewport()->grab().toImage();
  ASSERT_FALSE(picture.isNull());
  QAbstractItemModel* model = view->model();
  const qreal scale = picture.devicePixelRatio();
  // The colour of the pixel on the line under a cell, at the cell's middle.
  auto underCell = [&](int row, int col) {
    const QRect cell = view->visualRect(model->index(row, col));
    return picture.pixelColor(QPoint(static_cast<int>(cell.center().x() * scale),
                                     static_cast<int>(cell.bottom() * scale)));
  };
  const QColor line(192, 192, 192);
  EXPECT_NE(underCell(0, 1), line) << "no line between the two rows of May 1";
  EXPECT_EQ(underCell(1, 1), line) << "a line under the joined May 1";
  EXPECT_EQ(underCell(0, 2), line) << "the flights' own column is not joined";
  // The joined date is written once, in the middle of its area: the line between its rows
  // runs through the text, so the pixels there are not all the background.
  const QRect top = view->visualRect(model->index(0, 1));
  bool textOnTheJoin = false;
  for (int x = top.left(); x <= top.right(); ++x) {
    const QColor pixel = picture.pixelColor(
        QPoint(static_cast<int>(x * scale), static_cast<int>(top.bottom() * scale)));
    if (pixel != underCell(0, 1) && pixel != line) textOnTheJoin = true;
  }
  EXPECT_TRUE(textOnTheJoin);
}

TEST_F(GridViewTest, AChangedCellRefreshesItsRowsAndNewRowsStartAfresh) {
  QSignalSpy resets(view->model(), &QAbstractItemModel::modelReset);
  QSignalSpy changes(view->model(), &QAbstractItemModel::dataChanged);
  ASSERT_TRUE(binding.Dispatch([this] {
    form.Table.SetText(2, 2, "changed");
    form.Table.SetRowStyle(2, GridStyle{kRed, kWhite});
  }));
  EXPECT_EQ(resets.count(), 0);
  ASSERT_EQ(changes.count(), 1);
  EXPECT_EQ(changes[0][0].value<QModelIndex>().row(), 2);
  EXPECT_EQ(view->model()->index(2, 2).data().toString(), "changed");
  EXPECT_EQ(view->model()->index(2, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));

  ASSERT_TRUE(binding.Dispatch([this] { form.Table.AddRow(); }));
  EXPECT_EQ(resets.count(), 1);
  EXPECT_EQ(view->model()->rowCount(), 4);
  EXPECT_TRUE(view->isColumnHidden(0)) << "the widths are applied again";
}

TEST_F(GridViewTest, AClickOnACellIsTheGridsClick) {
  const QRect cell = view->visualRect(view->model()->index(1, 2));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  ASSERT_EQ(form.clicks.size(), 1u);
  EXPECT_EQ(form.clicks[0], std::make_pair(1, 2));
  EXPECT_EQ(form.Table.Row(), 1);
}

}  // namespace
}  // namespace aloftra::test
