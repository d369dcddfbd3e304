// The sites reader: a sites file as the export writes it, each record typed into the site
// page. There is no duplicate check here: the site page's Enter refuses a name already used,
// with its own message, and the import goes on with the next record.
#include "core/Numbers.h"
#include "exchange/ImportFile.h"
#include "exchange/ImportedRecords.h"
#include "exchange/frmImport.h"
#include "form/Platform.h"
#include "pagekit/ListEntryPages.h"

namespace aloftra {

namespace {

SiteEntryText TypedSite(const ImportedSite& site) {
  SiteEntryText typed;
  typed.name = site.name;
  typed.location = site.location;
  typed.launch = FormatSingleItem(site.launch);
  typed.landing = FormatSingleItem(site.landing);
  for (std::size_t level = 0; level < typed.difficulty.size(); ++level)
    typed.difficulty[level] = (site.difficultyMask >> level & 1) != 0;
  for (std::size_t point = 0; point < typed.wind.size(); ++point)
    typed.wind[point] = (site.windMask >> point & 1) != 0 ? kFlagSet : 0;
  typed.description = site.description;
  typed.url = site.url;
  return typed;
}

}  // namespace

bool frmImport::ImportSites(const std::string& path) {
  const long total = CountRecords(path) - 1;
  ImportFile file(path);
  if (!file.Opened()) return ImportError(path);
  std::vector<DelimitedItem> items;
  SiteListVersion version = SiteListVersion::kUnknown;
  if (file.Next(items)) version = SiteListVersionOf(items);
  if (version == SiteListVersion::kUnknown) {
    host_.GetPlatform().Message("Unknown Site List version");
    return ImportError(path);
  }

  host_.ShowPageInPlace(PageId::kSiteList);
  SiteEntryPage& page = host_.SiteEntries();
  long done = 0;
  while (file.Next(items)) {
    ImportedSite site;
    std::string problem;
    if (!ReadImportedSite(items, version, site, problem)) return ImportError(path);
    ShowProgress(++done, total);
    page.EnterTypedSite(TypedSite(site));
  }
  if (file.Failed()) return ImportError(path);
  return true;
}

}  // namespace aloftra
