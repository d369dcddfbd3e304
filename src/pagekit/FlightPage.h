// What the other pages and the dialogs may ask of the flight page, without depending on it:
// the flight page implements these, and the page host hands them out.
#pragma once

namespace aloftra {

class FlightPage {
 public:
  // The sort and filter status labels, after the sort key or the filter changed.
  virtual void ShowSortStatus() = 0;
  virtual void ShowFilterStatus() = 0;
  // Browses as the page's own buttons do: 0 first, 1 previous, 2 next, 3 last.
  virtual void ViewEntry_Click(int Index) = 0;

 protected:
  ~FlightPage() = default;
};

}  // namespace aloftra
