// What the three list views share: the grid with its hidden index column, the count of
// entries, View Details and Close, and the red text of the row last clicked. Each list view
// names its columns, makes its rows and says what View Details shows.
#pragma once

#include <string>
#include <vector>

#include "form/CommandButton.h"
#include "form/Grid.h"
#include "form/Label.h"
#include "form/TextBox.h"
#include "pagekit/Dialog.h"
#include "views/ListRows.h"

namespace aloftra {

// A highlighted flight's row is drawn on light yellow.
inline constexpr Color kHighlightedRow = Rgb(255, 255, 192);

struct ListColumn {
  const char* header;
  int width;  // twips
  Alignment alignment = Alignment::kLeft;
  GridMerge merge = GridMerge::kNone;
};

class frmListView : public Dialog {
 public:
  frmListView(PageHost& host, DialogId id, std::string name, std::string caption,
              std::string totalCaption);

  Grid FlexGrid;
  aloftra::Label TotalEntriesLabel;
  TextBox TotalEntries;
  CommandButton ViewDetails;
  CommandButton Close;

  // The grid row last clicked, -1 until a row is clicked.
  int SelectedRow = -1;

  void Form_Load();
  virtual void ListViewRefresh() = 0;
  void FlexGrid_Click(int row);
  void ViewDetails_Click();
  void Close_Click();

 protected:
  // The header row: the hidden index column first, then these.
  void BuildHeader(const std::vector<ListColumn>& columns);
  // Puts these rows into the grid in one go and counts them in TotalEntries.
  void ShowRows(std::vector<ListRow> rows);
  // Shows the record of a slot on the list view's page.
  virtual void ShowDetails(int slot) = 0;
};

}  // namespace aloftra
