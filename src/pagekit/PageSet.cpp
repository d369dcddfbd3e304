#include "pagekit/PageSet.h"

#include <stdexcept>

namespace aloftra {

void PageSet::Add(std::unique_ptr<Page> page) {
  std::size_t slot = static_cast<std::size_t>(page->Id());
  pages_[slot] = std::move(page);
}

Page& PageSet::operator[](PageId id) const {
  const std::unique_ptr<Page>& page = pages_.at(static_cast<std::size_t>(id));
  if (!page) throw std::logic_error("a page of the program was never made");
  return *page;
}

std::array<Page*, kPageCount> PageSet::All() const {
  std::array<Page*, kPageCount> all{};
  for (std::size_t i = 0; i < pages_.size(); ++i)
    all[i] = &(*this)[static_cast<PageId>(i)];
  return all;
}

void PageSet::TellEvery(void (Page::*hook)()) const {
  for (Page* page : All())
    (page->*hook)();
}

}  // namespace aloftra
