// The site page of a started program, on a logbook with two gliders and the sites "Point"
// (slot 0) and "Dunes" (slot 1).
#pragma once

#include <string>
#include <vector>

#include "core/LogbookRepair.h"
#include "flights/frmAloftra.h"
#include "lists/frmSiteList.h"
#include "support/AppFixture.h"

namespace aloftra::test {

class SitePageTest : public AppFixture {
 protected:
  void SetUp() override { OpenOnStart("Sites.log", GlidersAndSites()); }
  // Starts the program again on this logbook.
  void Reopen(Logbook book) {
    RebuildFlightOrder(book);
    app = std::make_unique<App>(platform, files);
    OpenOnStart("Other.log", book);
  }
  frmSiteList& Page() { return app->SiteList(); }
  frmAloftra& FlightPage() { return app->Aloftra(); }
  Logbook& Book() { return app->Book(); }
  void UseMetres() {
    Book().UNIT_FLAGS[kUnitFeet] = 0;
    Book().UNIT_FLAGS[kUnitMetres] = kFlagSet;
  }
  // Picks a site from the page's name list, as a click on the entry does.
  void Choose(const std::string& name) {
    Page().SiteName.SetListIndex(Page().SiteName.FindItem(name));
  }
  // Starts a new site and types its name and location.
  void TypeNewSite(const std::string& name, const std::string& location = "") {
    Page().NewSite.Click();
    Page().SiteName.SetText(name);
    if (!location.empty()) TypeInto(Page().Location, location);
  }
  void EnterNewSite(const std::string& name, const std::string& location = "") {
    TypeNewSite(name, location);
    Page().Enter.Click();
  }
  std::vector<std::string> Names(const ComboBox& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.ListCount(); ++i)
      names.push_back(list.List(i));
    return names;
  }
};

}  // namespace aloftra::test
