#include "views/frmListView.h"

#include "core/Logbook.h"
#include "core/Numbers.h"
#include "units/DisplayText.h"

namespace aloftra {

frmListView::frmListView(PageHost& host, DialogId id, std::string name, std::string caption,
                         std::string totalCaption)
    : Dialog(host, id, std::move(name), std::move(caption), 7650, 6300),
      FlexGrid(*this, "FlexGrid"),
      TotalEntriesLabel(*this, "TotalEntriesLabel"),
      TotalEntries(*this, "TotalEntries"),
      ViewDetails(*this, "ViewDetails"),
      Close(*this, "Close") {
  FlexGrid.Move(120, 120, 7410, 4980);
  FlexGrid.SetBackColor(kWhite);
  TotalEntriesLabel.SetCaption(std::move(totalCaption));
  TotalEntriesLabel.SetTextAlignment(Alignment::kRight);
  TotalEntriesLabel.Move(120, 5310, 2640, 255);
  TotalEntries.Move(2820, 5265, 900, 315);
  TotalEntries.SetLocked(true);
  ViewDetails.SetCaption("View Details");
  ViewDetails.Move(4560, 5760, 1380, 375);
  ViewDetails.SetDefault(true);
  Close.SetCaption("Close");
  Close.Move(6150, 5760, 1380, 375);
  Close.SetCancel(true);
  FlexGrid.SetTabIndex(0);
  ViewDetails.SetTabIndex(1);
  Close.SetTabIndex(2);
  TotalEntries.SetTabIndex(3);

  onLoad = [this] { Form_Load(); };
  FlexGrid.onClick = [this](int row, int) { FlexGrid_Click(row); };
  ViewDetails.onClick = [this] { ViewDetails_Click(); };
  Close.onClick = [this] { Close_Click(); };
}

void frmListView::BuildHeader(const std::vector<ListColumn>& columns) {
  FlexGrid.BeginUpdate();
  FlexGrid.SetCols(static_cast<int>(columns.size()) + 1);
  FlexGrid.SetHeader(0, "");
  FlexGrid.SetColWidth(0, 0);  // the record index, read by View Details
  for (int col = 1; col < FlexGrid.Cols(); ++col) {
    const ListColumn& column = columns[static_cast<std::size_t>(col - 1)];
    FlexGrid.SetHeader(col, column.header);
    FlexGrid.SetColWidth(col, column.width);
    FlexGrid.SetColAlignment(col, column.alignment);
    FlexGrid.SetColMerge(col, column.merge);
  }
  FlexGrid.EndUpdate();
}

void frmListView::Form_Load() {
  SelectedRow = -1;
  ViewDetails.SetEnabled(false);
  ListViewRefresh();
}

void frmListView::ShowRows(std::vector<ListRow> rows) {
  FlexGrid.BeginUpdate();
  FlexGrid.ClearRows();
  for (ListRow& source : rows) {
    const int row = FlexGrid.AddRow();
    for (int col = 0; col < FlexGrid.Cols(); ++col)
      FlexGrid.SetText(row, col, std::move(source.cells[static_cast<std::size_t>(col)]));
    if (source.highlighted) FlexGrid.SetRowStyle(row, GridStyle{kBlack, kHighlightedRow});
  }
  FlexGrid.EndUpdate();
  SelectedRow = -1;
  TotalEntries.SetText(FormatCount(static_cast<long>(rows.size())));
}

void frmListView::FlexGrid_Click(int row) {
  if (row == SelectedRow) return;
  if (SelectedRow >= 0 && SelectedRow < FlexGrid.Rows()) {
    FlexGrid.SetRowStyle(SelectedRow, GridStyle{kBlack, FlexGrid.RowStyle(SelectedRow).back});
  }
  SelectedRow = row;
  FlexGrid.SetRowStyle(row, GridStyle{kRed, FlexGrid.RowStyle(row).back});
  ViewDetails.SetEnabled(host_.Book().LastPosition() >= 0);
}

void frmListView::ViewDetails_Click() {
  if (host_.Book().LastPosition() < 0) return;
  if (SelectedRow < 0 || SelectedRow >= FlexGrid.Rows()) return;
  ShowDetails(static_cast<int>(ParseLeadingNumber(FlexGrid.Text(SelectedRow, 0))));
  Close_Click();
}

void frmListView::Close_Click() {
  // Unloading gives the page back, moved to where the list view stands.
  Dialog::Close();
}

}  // namespace aloftra
