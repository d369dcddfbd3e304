// What a list view asks of the page whose records it lists (the site page, the glider page):
// the page implements it, and the page host hands it out.
#pragma once

namespace aloftra {

class RecordPage {
 public:
  // Makes a live slot of the page's table the page's current record and shows it, as the
  // pilot's choice of its name would (a pending entry is offered for saving first).
  virtual void ShowRecord(int slot) = 0;

 protected:
  ~RecordPage() = default;
};

}  // namespace aloftra
