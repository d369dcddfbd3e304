// What the other pages and the dialogs may ask of the flight page, without depending on it:
// the flight page implements these, and the page host hands them out.
#pragma once

#include <string>

#include "pagekit/FlightEntryText.h"

namespace aloftra {

// What the glider page tells the flight page about a renamed glider it may be showing.
struct GliderShown {
  bool solo = false;
  bool tandem = false;
  bool hangGlider = false;
};

class FlightPage {
 public:
  // The sort and filter status labels, after the sort key or the filter changed.
  virtual void ShowSortStatus() = 0;
  virtual void ShowFilterStatus() = 0;
  // Browses as the page's own buttons do: 0 first, 1 previous, 2 next, 3 last.
  virtual void ViewEntry_Click(int Index) = 0;
  // Shows one flight (a slot of the flight table) as the current entry: its row in the
  // current order becomes the current position. The caller switches the filter off first.
  virtual void ShowFlight(int flightIndex) = 0;
  // Selects characters of the remarks box (start counted from 0) and gives it the focus.
  virtual void SelectInRemarks(int start, int length) = 0;
  // Shows the current entry again (its "n of m" after a filter change), unless the page holds
  // unsaved edits or a new entry: those stay on screen.
  virtual void RedisplayCurrentEntry() = 0;

  // The flight page's lists of site and glider names follow the site and glider pages.
  virtual void AddSiteChoice(const std::string& name) = 0;
  virtual void RemoveSiteChoice(const std::string& name) = 0;
  // The first entry named oldName becomes newName; when the page shows oldName it shows
  // newName and this location instead, without counting that as the pilot's edit.
  virtual void RenameSiteChoice(const std::string& oldName, const std::string& newName,
                                const std::string& location) = 0;
  virtual void AddGliderChoice(const std::string& name) = 0;
  virtual void RemoveGliderChoice(const std::string& name) = 0;
  // As RenameSiteChoice; then, whatever glider the page shows, its places buttons take
  // the glider's (a change there marks a clean entry changed, as a click would) and its
  // glider-type label the glider's type.
  virtual void RenameGliderChoice(const std::string& oldName, const std::string& newName,
                                  const GliderShown& glider) = 0;

  // Presses New Entry, types the entry into the boxes (the date, time and airtime checked as
  // leaving their boxes would), sets the directions, turbulence, marks and cross-country
  // details, lets pending window events run and presses Enter. The page's messages appear as
  // if the pilot had typed the values. True when the flight was stored.
  virtual bool EnterTypedFlight(const FlightEntryText& entry) = 0;

 protected:
  ~FlightPage() = default;
};

}  // namespace aloftra
