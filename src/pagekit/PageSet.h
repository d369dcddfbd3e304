// The pages of the program, one for each PageId, and the one way the program tells them all
// that something changed: a Page hook run on every page in page order.
#pragma once

#include <array>
#include <memory>

#include "pagekit/Page.h"

namespace aloftra {

class PageSet {
 public:
  // Takes a page into the place of its id; a page already there is replaced.
  void Add(std::unique_ptr<Page> page);

  // The page of an id; every id must have been given a page.
  Page& operator[](PageId id) const;
  template <class PageType>
  PageType& As(PageId id) const {
    return static_cast<PageType&>((*this)[id]);
  }
  std::array<Page*, kPageCount> All() const;

  // Runs one of the Page hooks (&Page::OnUnitsChanged, ...) on every page.
  void TellEvery(void (Page::*hook)()) const;

 private:
  std::array<std::unique_ptr<Page>, kPageCount> pages_;
};

}  // namespace aloftra
