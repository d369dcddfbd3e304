#include "qt/GridView.h"

#include <QHeaderView>
#include <QPainter>

#include "qt/QtConvert.h"

namespace aloftra::qt {

namespace {

constexpr int kRowPixels = 16;
const QColor kGridLine(192, 192, 192);

}  // namespace

GridModel::GridModel(const Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.Rows();
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.Cols();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= grid_.Rows() || index.column() >= grid_.Cols()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(grid_.Text(index.row(), index.column()));
    case Qt::ForegroundRole:
      return QColor(ToQColor(grid_.CellStyle(index.row(), index.column()).fore, QPalette()));
    case Qt::BackgroundRole:
      return QColor(ToQColor(grid_.CellStyle(index.row(), index.column()).back, QPalette()));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(ToQtAlignment(grid_.ColAlignment(index.column())));
    default:
      return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= grid_.Cols()) return {};
  if (role == Qt::DisplayRole) return ToQString(grid_.Header(section));
  // Header cells are centred.
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  return {};
}

bool GridModel::Follow(bool first) {
  if (first || layout_ != grid_.LayoutRevision()) {
    beginResetModel();
    layout_ = grid_.LayoutRevision();
    content_ = grid_.ContentRevision();
    endResetModel();
    return true;
  }
  if (content_ == grid_.ContentRevision()) return false;
  RowRange rows;
  if (!grid_.ChangedRowsSince(content_, rows)) {
    beginResetModel();
    content_ = grid_.ContentRevision();
    endResetModel();
    return true;
  }
  content_ = grid_.ContentRevision();
  if (!rows.Empty() && grid_.Cols() > 0)
    emit dataChanged(index(rows.first, 0), index(rows.last, grid_.Cols() - 1));
  return false;
}

MergedCellDelegate::MergedCellDelegate(const Grid& grid, QTableView* view)
    : QStyledItemDelegate(view), grid_(grid), view_(view) {}

void MergedCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const int row = index.row();
  const int col = index.column();
  if (row >= grid_.Rows() || col >= grid_.Cols()) return;
  const CellArea area = grid_.MergedArea(row, col);
  const QAbstractItemModel* model = index.model();
  // The whole area in viewport coordinates; this cell paints the part of it it covers.
  const QRect whole = view_->visualRect(model->index(area.top, area.left))
                          .united(view_->visualRect(model->index(area.bottom, area.right)));
  const GridStyle& style = grid_.CellStyle(row, col);
  const QPalette& palette = option.palette;

  painter->save();
  painter->setClipRect(option.rect);
  painter->fillRect(option.rect, ToQColor(style.back, palette));
  painter->setPen(ToQColor(style.fore, palette));
  painter->setFont(option.font);
  painter->drawText(whole.adjusted(3, 0, -3, 0),
                    static_cast<int>(ToQtAlignment(grid_.ColAlignment(col))),
                    ToQString(grid_.Text(row, col)));
  // Lines only around the area, never through it.
  painter->setPen(kGridLine);
  const QRect& cell = option.rect;
  if (col == area.right) painter->drawLine(cell.topRight(), cell.bottomRight());
  if (row == area.bottom) painter->drawLine(cell.bottomLeft(), cell.bottomRight());
  painter->restore();
}

GridView::GridView(Grid& grid, QWidget* canvas, Dispatcher& dispatcher)
    : ControlView(grid, new QTableView(canvas), dispatcher),
      grid_(grid),
      widget_(static_cast<QTableView*>(Widget())),
      model_(new GridModel(grid, widget_)) {
  widget_->setModel(model_);
  widget_->setItemDelegate(new MergedCellDelegate(grid, widget_));
  widget_->setShowGrid(false);
  widget_->setSelectionMode(QAbstractItemView::NoSelection);
  widget_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  widget_->setWordWrap(false);
  widget_->verticalHeader()->hide();
  // Every row has one height, so tens of thousands of rows lay out at once.
  widget_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  widget_->verticalHeader()->setDefaultSectionSize(kRowPixels);
  widget_->horizontalHeader()->setHighlightSections(false);
  connect(widget_, &QTableView::clicked, this, [this](const QModelIndex& index) {
    if (Syncing() || !index.isValid()) return;
    Grid& clicked = grid_;
    const int row = index.row();
    const int col = index.column();
    Dispatch([&clicked, row, col] { clicked.Click(row, col); });
  });
}

void GridView::ApplyColumns() {
  for (int col = 0; col < grid_.Cols(); ++col) {
    const int width = grid_.ColWidth(col);
    widget_->setColumnHidden(col, width == 0);
    if (width > 0) widget_->setColumnWidth(col, width / kTwipsPerPixel);
  }
}

void GridView::SyncContent(bool first) {
  if (model_->Follow(first)) ApplyColumns();
  widget_->viewport()->update();
}

}  // namespace aloftra::qt
