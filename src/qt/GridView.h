// The grid as a table view. A model reads the cells from the grid on demand (no item per
// cell), starts afresh only when the grid's layout revision moved, and otherwise tells the
// view which rows changed. Joined cells are drawn by a delegate: every cell of a joined area
// paints its own part of the area's background, text and outline, so the view needs no
// spans and scrolls row by row as usual.
#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include "form/Grid.h"
#include "qt/ControlView.h"

namespace aloftra::qt {

class GridModel : public QAbstractTableModel {
 public:
  GridModel(const Grid& grid, QObject* parent);

  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Brings the model up to date with the grid; true when it started afresh (new layout).
  bool Follow(bool first);

 private:
  const Grid& grid_;
  unsigned long layout_ = 0;
  unsigned long content_ = 0;
};

class MergedCellDelegate : public QStyledItemDelegate {
 public:
  MergedCellDelegate(const Grid& grid, QTableView* view);
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  const Grid& grid_;
  QTableView* view_;
};

class GridView : public ControlView {
 public:
  GridView(Grid& grid, QWidget* canvas, Dispatcher& dispatcher);

 protected:
  void SyncContent(bool first) override;
  QPalette::ColorRole ForeRole() const override { return QPalette::Text; }
  QPalette::ColorRole BackRole() const override { return QPalette::Base; }
  bool FillsBackground() const override { return false; }

 private:
  void ApplyColumns();

  Grid& grid_;
  QTableView* widget_;
  GridModel* model_;
};

}  // namespace aloftra::qt
