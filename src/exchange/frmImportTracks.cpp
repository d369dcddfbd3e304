// The import dialog's track files: the site, glider and UTC offset shown for them, the
// several-files dialog, and the batch typed into the flight page.
#include "core/Logbook.h"
#include "exchange/frmImportTrackBatch.h"
#include "exchange/frmImport.h"
#include "form/Platform.h"

namespace aloftra {

namespace {

constexpr int kFilesMustExist = 4100 | 512;  // 512: several files may be chosen

template <typename Record, typename Name>
void FillNames(ComboBox& list, const RecordTable<Record>& table, Name nameOf,
               const std::string& chosen) {
  list.Clear();
  list.SetSorted(true);
  for (int slot = 0; slot <= table.LastIndex(); ++slot) {
    if (!table[slot].IsFree()) list.AddItem(nameOf(table[slot]));
  }
  list.SetText(chosen);
}

}  // namespace

void frmImport::ImportWhat_Click(int index) {
  ShowTrackChoices(index == kImportTracks);
}

void frmImport::ShowTrackChoices(bool shown) {
  for (Control* control : std::initializer_list<Control*>{&SiteLabel, &TrackSite, &GliderLabel,
                                                          &TrackGlider, &OffsetLabel, &UtcOffset}) {
    control->SetVisible(shown);
  }
}

void frmImport::FillTrackChoices() {
  const Logbook& book = host_.Book();
  const IgcImportSettings defaults = DefaultIgcImportSettings(book);
  FillNames(
      TrackSite, book.sites, [](const SiteRecord& site) { return site.SITE_NAME; }, defaults.site);
  FillNames(
      TrackGlider, book.gliders, [](const GliderRecord& glider) { return glider.GLIDER_NAME; },
      defaults.glider);
  UtcOffset.SetText("");
}

void frmImport::TracksOk() {
  Platform& platform = host_.GetPlatform();
  if (!UtcOffset.Text().empty() && !ParseUtcOffset(UtcOffset.Text())) {
    platform.Message("The UTC offset must be written as +hh:mm, between -14:00 and +14:00.");
    return;
  }
  FileDialogOptions options;
  options.title = "Import IGC Track Files";
  options.filter = "IGC Track Files (*.igc)|*.igc";
  options.defaultExtension = ".igc";
  options.flags = kFilesMustExist;
  const std::vector<std::string> paths = platform.OpenFilesDialog(options);
  if (paths.empty()) return;
  ImportTracks(paths);
  Dialog::Close();
}

bool frmImport::ImportTracks(const std::vector<std::string>& paths) {
  IgcImportSettings settings = DefaultIgcImportSettings(host_.Book());
  settings.site = TrackSite.Text();
  settings.glider = TrackGlider.Text();
  settings.utcOffsetHours = ParseUtcOffset(UtcOffset.Text());
  const IgcImportTally tally = ImportIgcFilesWithSummary(
      host_, paths, settings, [this](const std::string& text) { Progress.SetCaption(text); });
  return tally.refused.empty();
}

}  // namespace aloftra
