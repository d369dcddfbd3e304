// The framed tables of the flight and glider reports: rows of equal height between column
// positions, a thick frame round them and thin lines between the cells.
#pragma once

#include <string>
#include <vector>

#include "print/PrtCmds.h"

namespace aloftra {

struct ReportTable {
  double top = 0;
  double rowHeight = 0;
  double margin = 0;            // between a row's top and its text
  std::vector<double> columns;  // x of every column boundary, left to right

  double RowTop(int row) const { return top + row * rowHeight; }
  double Bottom(int rows) const { return RowTop(rows); }
};

// The table's column boundaries at fractions of the report's width.
ReportTable MakeTable(const PrtCmds& prt, double top, double rowHeight, double margin,
                      const std::vector<double>& fractions);

// Text centred in the cell from column first to column last of a row, at most size points.
void CenteredCell(PrtCmds& prt, const ReportTable& table, int row, int first, int last,
                  const std::string& text, double size);
// Text starting half the width of "A" inside the cell.
void LeftCell(PrtCmds& prt, const ReportTable& table, int row, int first, int last,
              const std::string& text, double size);
// The thick frame round the rows and thin lines between rows; each row's inner column
// lines are given as the boundaries (by index) that divide its cells.
void FrameTable(PrtCmds& prt, const ReportTable& table,
                const std::vector<std::vector<int>>& dividersPerRow);

// The text wrapped to the width inside the frame and printed under a table as a box framed
// at its sides, closed by a thick line below it; gap is the space above and below the text.
void PrintFramedText(PrtCmds& prt, const std::string& text, const std::string& title, double gap);

}  // namespace aloftra
