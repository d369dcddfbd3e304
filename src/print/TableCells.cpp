#include "print/TableCells.h"

namespace aloftra {

ReportTable MakeTable(const PrtCmds& prt, double top, double rowHeight, double margin,
                      const std::vector<double>& fractions) {
  ReportTable table;
  table.top = top;
  table.rowHeight = rowHeight;
  table.margin = margin;
  const PageLayout& layout = prt.Layout();
  for (double fraction : fractions)
    table.columns.push_back(layout.LeftMargin + fraction * layout.Width());
  return table;
}

void CenteredCell(PrtCmds& prt, const ReportTable& table, int row, int first, int last,
                  const std::string& text, double size) {
  if (text.empty()) return;
  double left = table.columns[static_cast<std::size_t>(first)];
  double right = table.columns[static_cast<std::size_t>(last)];
  double inset = prt.TextWidth("A") / 2;
  prt.CellText(left + inset, right - inset, text, size);
  prt.PrintAt(prt.CurrentX, table.RowTop(row) + table.margin, text);
}

void LeftCell(PrtCmds& prt, const ReportTable& table, int row, int first, int last,
              const std::string& text, double size) {
  if (text.empty()) return;
  double left = table.columns[static_cast<std::size_t>(first)];
  double right = table.columns[static_cast<std::size_t>(last)];
  double inset = prt.TextWidth("A") / 2;
  prt.LeftCellText(left + inset, right - inset, text, size);
  prt.PrintAt(prt.CurrentX, table.RowTop(row) + table.margin, text);
}

void FrameTable(PrtCmds& prt, const ReportTable& table,
                const std::vector<std::vector<int>>& dividersPerRow) {
  const PageLayout& layout = prt.Layout();
  int rows = static_cast<int>(dividersPerRow.size());
  double left = table.columns.front();
  double right = table.columns.back();
  double bottom = table.Bottom(rows);
  for (int row = 1; row < rows; ++row)
    prt.Line(left, table.RowTop(row), right, table.RowTop(row), layout.ThinLine);
  for (int row = 0; row < rows; ++row) {
    for (int column : dividersPerRow[static_cast<std::size_t>(row)]) {
      double x = table.columns[static_cast<std::size_t>(column)];
      prt.Line(x, table.RowTop(row), x, table.RowTop(row + 1), layout.ThinLine);
    }
  }
  prt.Line(left, table.top, right, table.top, layout.ThickLine);
  prt.Line(left, bottom, right, bottom, layout.ThickLine);
  prt.Line(left, table.top, left, bottom, layout.ThickLine);
  prt.Line(right, table.top, right, bottom, layout.ThickLine);
}

void PrintFramedText(PrtCmds& prt, const std::string& text, const std::string& title, double gap) {
  const PageLayout& layout = prt.Layout();
  auto sides = [&] {
    prt.Line(layout.LeftMargin, prt.CurrentY, layout.LeftMargin, prt.CurrentY + gap,
             layout.ThickLine);
    prt.Line(layout.RightEdge, prt.CurrentY, layout.RightEdge, prt.CurrentY + gap,
             layout.ThickLine);
    prt.CurrentY += gap;
  };
  double inset = prt.TextWidth("A");
  std::string wrapped = prt.WordWrap(layout.LeftMargin + inset, layout.RightEdge - inset, text);
  sides();
  prt.TextBlock(layout.LeftMargin + inset, wrapped, title, true);
  sides();
  prt.Line(layout.LeftMargin, prt.CurrentY, layout.RightEdge, prt.CurrentY, layout.ThickLine);
}

}  // namespace aloftra
