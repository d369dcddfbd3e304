#include "form/Grid.h"

#include <algorithm>
#include <stdexcept>

namespace aloftra {

namespace {

// Content changes remembered for a front end that fell behind; an older one shows all again.
constexpr std::size_t kKeptChanges = 64;

}  // namespace

int Grid::Checked(int col) const {
  if (col < 0 || col >= cols_) throw std::out_of_range("grid column out of range");
  return col;
}

int Grid::CheckedRow(int row) const {
  if (row < 0 || row >= rows_) throw std::out_of_range("grid row out of range");
  return row;
}

std::size_t Grid::CellAt(int row, int col) const {
  return static_cast<std::size_t>(CheckedRow(row)) * static_cast<std::size_t>(cols_) +
         static_cast<std::size_t>(Checked(col));
}

void Grid::SetCols(int cols) {
  if (cols < 0) throw std::out_of_range("grid column count below zero");
  if (cols == cols_) return;
  const auto oldCols = static_cast<std::size_t>(cols_);
  const auto newCols = static_cast<std::size_t>(cols);
  std::vector<std::string> cells(static_cast<std::size_t>(rows_) * newCols);
  std::unordered_map<std::size_t, GridStyle> cellStyles;
  for (std::size_t r = 0; r < static_cast<std::size_t>(rows_); ++r) {
    for (std::size_t c = 0; c < std::min(oldCols, newCols); ++c) {
      cells[r * newCols + c] = std::move(cells_[r * oldCols + c]);
      auto style = cellStyles_.find(r * oldCols + c);
      if (style != cellStyles_.end()) cellStyles.emplace(r * newCols + c, style->second);
    }
  }
  cells_ = std::move(cells);
  cellStyles_ = std::move(cellStyles);
  columns_.resize(newCols);
  cols_ = cols;
  LayoutChanged();
}

void Grid::SetHeader(int col, std::string text) {
  Column& column = columns_.at(Checked(col));
  if (column.header == text) return;
  column.header = std::move(text);
  LayoutChanged();
}

void Grid::SetColWidth(int col, int twips) {
  Column& column = columns_.at(Checked(col));
  if (column.width == twips) return;
  column.width = std::max(0, twips);
  LayoutChanged();
}

void Grid::SetColAlignment(int col, Alignment alignment) {
  Column& column = columns_.at(Checked(col));
  if (column.alignment == alignment) return;
  column.alignment = alignment;
  LayoutChanged();
}

void Grid::SetColMerge(int col, GridMerge merge) {
  Column& column = columns_.at(Checked(col));
  if (column.merge == merge) return;
  column.merge = merge;
  LayoutChanged();
}

int Grid::AddRow() {
  cells_.resize(cells_.size() + static_cast<std::size_t>(cols_));
  rowStyles_.emplace_back();
  ++rows_;
  LayoutChanged();
  return rows_ - 1;
}

void Grid::ClearRows() {
  if (rows_ == 0 && row_ == -1) return;
  cells_.clear();
  rowStyles_.clear();
  cellStyles_.clear();
  rows_ = 0;
  SetRow(-1);
  LayoutChanged();
}

void Grid::SetText(int row, int col, std::string text) {
  std::string& cell = cells_[CellAt(row, col)];
  if (cell == text) return;
  cell = std::move(text);
  // A cell joined to its neighbours changes how the rows around it are drawn.
  const int reach = ColMerge(col) == GridMerge::kDown ? 1 : 0;
  RowsChanged(std::max(0, row - reach), std::min(rows_ - 1, row + reach));
}

void Grid::SetRowStyle(int row, GridStyle style) {
  GridStyle& current = rowStyles_.at(CheckedRow(row));
  if (current == style) return;
  current = style;
  RowsChanged(row, row);
}

const GridStyle& Grid::CellStyle(int row, int col) const {
  auto own = cellStyles_.find(CellAt(row, col));
  return own != cellStyles_.end() ? own->second : rowStyles_[static_cast<std::size_t>(row)];
}

void Grid::SetCellStyle(int row, int col, GridStyle style) {
  const std::size_t at = CellAt(row, col);
  auto [own, added] = cellStyles_.try_emplace(at, style);
  if (!added) {
    if (own->second == style) return;
    own->second = style;
  }
  RowsChanged(row, row);
}

bool Grid::Joins(int row, int col, int otherRow, int otherCol) const {
  const std::string& text = Text(row, col);
  return !text.empty() && text == Text(otherRow, otherCol);
}

CellArea Grid::MergedArea(int row, int col) const {
  CellArea area{row, col, row, col};
  CellAt(row, col);  // checks both
  switch (ColMerge(col)) {
    case GridMerge::kNone:
      break;
    case GridMerge::kDown:
      while (area.top > 0 && Joins(row, col, area.top - 1, col))
        --area.top;
      while (area.bottom + 1 < rows_ && Joins(row, col, area.bottom + 1, col))
        ++area.bottom;
      break;
    case GridMerge::kAcross:
      while (area.left > 0 && ColMerge(area.left - 1) == GridMerge::kAcross &&
             Joins(row, col, row, area.left - 1))
        --area.left;
      while (area.right + 1 < cols_ && ColMerge(area.right + 1) == GridMerge::kAcross &&
             Joins(row, col, row, area.right + 1))
        ++area.right;
      break;
  }
  return area;
}

void Grid::SetRow(int row) {
  if (row < -1 || row >= rows_) throw std::out_of_range("grid row out of range");
  SetProperty(row_, row);
}

void Grid::Click(int row, int col) {
  if (!EffectivelyEnabled() || row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
  SetRow(row);
  if (onClick) onClick(row, col);
}

void Grid::EndUpdate() {
  if (updating_ == 0) return;
  if (--updating_ == 0) Commit();
}

bool Grid::ChangedRowsSince(unsigned long contentRevision, RowRange& rows) const {
  rows = RowRange{};
  if (contentRevision > contentRevision_ || contentRevision < historyStart_) return false;
  for (const Change& change : history_) {
    if (change.revision <= contentRevision) continue;
    if (rows.Empty()) {
      rows = change.rows;
    } else {
      rows.first = std::min(rows.first, change.rows.first);
      rows.last = std::max(rows.last, change.rows.last);
    }
  }
  return true;
}

void Grid::LayoutChanged() {
  layoutPending_ = true;
  if (updating_ == 0) Commit();
}

void Grid::RowsChanged(int first, int last) {
  if (pending_.Empty()) {
    pending_ = RowRange{first, last};
  } else {
    pending_.first = std::min(pending_.first, first);
    pending_.last = std::max(pending_.last, last);
  }
  if (updating_ == 0) Commit();
}

void Grid::Commit() {
  if (layoutPending_) {
    ++layoutRevision_;
    ++contentRevision_;
    history_.clear();
    historyStart_ = contentRevision_;
    Changed();
  } else if (!pending_.Empty()) {
    ++contentRevision_;
    history_.push_back(Change{contentRevision_, pending_});
    if (history_.size() > kKeptChanges) {
      history_.pop_front();
      historyStart_ = history_.front().revision - 1;
    }
    Changed();
  }
  layoutPending_ = false;
  pending_ = RowRange{};
}

}  // namespace aloftra
