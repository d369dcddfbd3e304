// A table of text cells with one fixed header row: column headers, widths and alignments, a
// style (text and background colour) per row with sparse per-cell overrides, a merge rule per
// column, the current row and a click with its row and column. The cells live in one flat
// store, so tens of thousands of rows fill quickly; a fill wrapped in BeginUpdate/EndUpdate
// counts as one change. A front end follows two counts: the layout revision (rows, columns,
// headers, widths, rules: show the table anew) and the content revision with the rows each
// content change touched (show those rows again).
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "form/Control.h"

namespace aloftra {

struct GridStyle {
  Color fore = kBlack;
  Color back = kWhite;
  bool operator==(const GridStyle&) const = default;
};

// How a column's cells join their neighbours: kDown joins equal cells of consecutive rows,
// kAcross joins equal cells of one row in neighbouring columns that are also kAcross. Empty
// cells never join.
enum class GridMerge { kNone, kDown, kAcross };

// Rows first..last inclusive; empty when first > last.
struct RowRange {
  int first = 0;
  int last = -1;
  bool Empty() const { return first > last; }
  bool operator==(const RowRange&) const = default;
};

// The cells shown as one: rows top..bottom, columns left..right, inclusive.
struct CellArea {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
  bool operator==(const CellArea&) const = default;
};

class Grid : public Control {
 public:
  Grid(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kGrid, std::move(name), index) {}

  // Columns and their header, width (twips; 0 hides the column), alignment and merge rule.
  int Cols() const { return cols_; }
  void SetCols(int cols);
  const std::string& Header(int col) const { return columns_.at(Checked(col)).header; }
  void SetHeader(int col, std::string text);
  int ColWidth(int col) const { return columns_.at(Checked(col)).width; }
  void SetColWidth(int col, int twips);
  Alignment ColAlignment(int col) const { return columns_.at(Checked(col)).alignment; }
  void SetColAlignment(int col, Alignment alignment);
  GridMerge ColMerge(int col) const { return columns_.at(Checked(col)).merge; }
  void SetColMerge(int col, GridMerge merge);

  // Data rows, below the header row, numbered from 0.
  int Rows() const { return rows_; }
  // Adds an empty row with the default style and returns its number.
  int AddRow();
  // Removes every data row; the current row becomes -1.
  void ClearRows();

  const std::string& Text(int row, int col) const { return cells_[CellAt(row, col)]; }
  void SetText(int row, int col, std::string text);

  const GridStyle& RowStyle(int row) const { return rowStyles_.at(CheckedRow(row)); }
  void SetRowStyle(int row, GridStyle style);
  // The style a cell is drawn with: its own when it has one, else its row's.
  const GridStyle& CellStyle(int row, int col) const;
  void SetCellStyle(int row, int col, GridStyle style);

  // The cells drawn as one with this cell, by the columns' merge rules.
  CellArea MergedArea(int row, int col) const;

  // The current row, -1 for none.
  int Row() const { return row_; }
  void SetRow(int row);

  // A click of the pilot on a data cell: the row becomes current, then the handler runs.
  std::function<void(int row, int col)> onClick;
  void Click(int row, int col);

  // Changes between these count as one change of the content (nested pairs count once).
  void BeginUpdate() { ++updating_; }
  void EndUpdate();

  unsigned long LayoutRevision() const { return layoutRevision_; }
  unsigned long ContentRevision() const { return contentRevision_; }
  // The rows changed after the given content revision, when the grid still knows them;
  // false when it does not (the layout changed since, or too many changes ago).
  bool ChangedRowsSince(unsigned long contentRevision, RowRange& rows) const;

  bool Focusable() const override { return true; }

 private:
  struct Column {
    std::string header;
    int width = 0;
    Alignment alignment = Alignment::kLeft;
    GridMerge merge = GridMerge::kNone;
  };
  struct Change {
    unsigned long revision;
    RowRange rows;
  };

  int Checked(int col) const;
  int CheckedRow(int row) const;
  std::size_t CellAt(int row, int col) const;
  bool Joins(int row, int col, int otherRow, int otherCol) const;
  void LayoutChanged();
  void RowsChanged(int first, int last);
  void Commit();

  int cols_ = 0;
  int rows_ = 0;
  std::vector<Column> columns_;
  std::vector<std::string> cells_;  // row by row
  std::vector<GridStyle> rowStyles_;
  std::unordered_map<std::size_t, GridStyle> cellStyles_;  // by cell position
  int row_ = -1;
  int updating_ = 0;
  RowRange pending_;
  bool layoutPending_ = false;
  unsigned long layoutRevision_ = 0;
  unsigned long contentRevision_ = 0;
  unsigned long historyStart_ = 0;  // the content revision the history starts after
  std::deque<Change> history_;
};

}  // namespace aloftra
