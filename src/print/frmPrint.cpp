#include "print/frmPrint.h"

#include "core/Logbook.h"
#include "core/Numbers.h"
#include "form/Platform.h"
#include "pagekit/PageId.h"

namespace aloftra {

namespace {

// Long jobs show how far they have come, and let the window repaint, this often.
constexpr std::size_t kProgressStep = 200;

ReportKind ReportForPage(PageId page) {
  switch (page) {
    case PageId::kSiteList:
      return ReportKind::kSites;
    case PageId::kGliders:
      return ReportKind::kGliders;
    case PageId::kPilotInfo:
    case PageId::kSummary:
      return ReportKind::kSummary;
    case PageId::kNotes:
      return ReportKind::kNotes;
    case PageId::kAloftra:
    case PageId::kGraphs:
      break;
  }
  return ReportKind::kFlights;
}

}  // namespace

frmPrint::frmPrint(PageHost& host)
    : Dialog(host, DialogId::kPrint, "frmPrint", "Print", 5895, 3795),
      PrintWhatFrame(*this, "PrintWhatFrame"),
      PrintWhat(*this, "PrintWhat", kReportKinds),
      NumberFrame(*this, "NumberFrame"),
      All(*this, "All"),
      HowMany(*this, "HowMany"),
      SiteStats(*this, "SiteStats"),
      PrintButton(*this, "PrintButton"),
      PdfButton(*this, "PdfButton"),
      Cancel(*this, "Cancel"),
      PrtMessage(*this, "PrtMessage"),
      PrtProgress(*this, "PrtProgress") {
  Layout();
  onLoad = [this] { Form_Load(); };
  for (int index = 0; index < kReportKinds; ++index)
    PrintWhat[index].onClick = [this, index] { PrintWhat_Click(index); };
  All.onClick = [this] { All_Click(); };
  PrintButton.onClick = [this] { PrintButton_Click(); };
  PdfButton.onClick = [this] { PdfButton_Click(); };
  Cancel.onClick = [this] { Cancel_Click(); };
}

void frmPrint::Layout() {
  PrintWhatFrame.SetCaption("Print What");
  PrintWhatFrame.Move(120, 120, 2760, 2040);
  const char* captions[kReportKinds] = {"Aloftra", "Site List", "Gliders", "Pilot Info / Summary",
                                        "Notes"};
  for (int index = 0; index < kReportKinds; ++index) {
    PrintWhat[index].SetCaption(captions[index]);
    PrintWhat[index].Move(300, 420 + 330 * index, 2400, 285);
    PrintWhat[index].SetContainer(&PrintWhatFrame);
    PrintWhat[index].SetTabIndex(index);
  }
  NumberFrame.SetCaption("Number of Entries to Print");
  NumberFrame.Move(3000, 120, 2760, 2040);
  All.SetCaption("All");
  All.Move(3180, 420, 1200, 285);
  HowMany.SetText("1");
  HowMany.Move(3180, 840, 900, 315);
  SiteStats.SetCaption("Include Site Stats");
  SiteStats.Move(3180, 1320, 2400, 285);
  int tab = kReportKinds;
  for (Control* inFrame : std::initializer_list<Control*>{&All, &HowMany, &SiteStats}) {
    inFrame->SetContainer(&NumberFrame);
    inFrame->SetTabIndex(tab++);
  }

  PrintButton.SetCaption("Print");
  PrintButton.Move(120, 2400, 1680, 375);
  PrintButton.SetDefault(true);
  PrintButton.SetTabIndex(tab++);
  PdfButton.SetCaption("Save as PDF...");
  PdfButton.Move(2100, 2400, 1680, 375);
  PdfButton.SetTabIndex(tab++);
  Cancel.SetCaption("Cancel");
  Cancel.Move(4080, 2400, 1680, 375);
  Cancel.SetCancel(true);
  Cancel.SetTabIndex(tab++);
  PrtMessage.SetCaption("Printing...");
  PrtMessage.Move(120, 2940, 2760, 255);
  PrtMessage.SetVisible(false);
  PrtProgress.Move(3000, 2940, 2760, 255);
  PrtProgress.SetVisible(false);
}

void frmPrint::Form_Load() {
  // Every opening starts afresh, as a newly loaded dialog does.
  All.SetChecked(false);
  SiteStats.SetChecked(false);
  HowMany.SetLocked(false);
  HowMany.SetText("1");
  PrtMessage.SetVisible(false);
  PrtProgress.SetVisible(false);
  int report = static_cast<int>(ReportForPage(host_.PageUnder(*this)));
  PrintWhat[report].SetValue(true);
  // Selecting the option that was already selected runs no click; the rules still apply.
  PrintWhat_Click(report);
}

ReportKind frmPrint::SelectedReport() const {
  for (int index = 0; index < kReportKinds; ++index) {
    if (PrintWhat[index].Value()) return static_cast<ReportKind>(index);
  }
  return ReportKind::kFlights;
}

void frmPrint::PrintWhat_Click(int Index) {
  auto report = static_cast<ReportKind>(Index);
  // The summary is always printed whole.
  bool counted = report != ReportKind::kSummary;
  NumberFrame.SetEnabled(counted);
  HowMany.SetEnabled(counted);
  All.SetEnabled(counted);
  // Without All the site and glider reports print only the entry their page shows.
  bool oneShown = report == ReportKind::kSites || report == ReportKind::kGliders;
  if (oneShown) HowMany.SetText("1");
  HowMany.SetLocked(oneShown);
  SiteStats.SetVisible(report == ReportKind::kSites);
  All_Click();
}

void frmPrint::All_Click() {
  if (All.Enabled()) HowMany.SetEnabled(!All.Checked());
}

void frmPrint::PrintButton_Click() {
  RunReport(PrintTarget::SystemPrinter());
}

void frmPrint::PdfButton_Click() {
  FileDialogOptions options;
  options.title = "Save as PDF";
  options.filter = "PDF Files (*.pdf)|*.pdf";
  options.defaultExtension = ".pdf";
  // The report is offered beside the logbook, under the logbook's name.
  const std::string& logbookPath = host_.Book().doc.filePath;
  const std::size_t slash = logbookPath.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : logbookPath.substr(0, slash + 1);
  options.initialName = folder + host_.Book().doc.documentName + ".pdf";
  std::optional<std::string> path = host_.GetPlatform().SaveFileDialog(options);
  if (path) RunReport(PrintTarget::PdfFile(*path));
}

void frmPrint::Cancel_Click() {
  Close();
}

void frmPrint::Form_Unload(int& cancel) {
  if (printing_) cancel = 1;
}

std::optional<ReportRequest> frmPrint::RequestFromControls() {
  ReportRequest request;
  request.kind = SelectedReport();
  request.all = All.Checked();
  request.siteStats = SiteStats.Checked();
  if (request.kind == ReportKind::kFlights && !request.all) {
    request.howMany = ParseLeadingNumber(HowMany.Text());
    if (request.howMany < 1) {
      host_.GetPlatform().Message("The number of entries to print must be 1 or more.");
      HowMany.SetText("");
      SetFocus(HowMany);
      return std::nullopt;
    }
  }
  return request;
}

void frmPrint::RunReport(const PrintTarget& target) {
  if (printing_) return;
  PrtMessage.SetVisible(true);
  // Fields kept in the pages' controls (the pilot page's) go into the logbook first.
  host_.StoreEditsBeforeSaving();
  std::optional<ReportRequest> request = RequestFromControls();
  if (!request) {
    PrtMessage.SetVisible(false);
    return;
  }
  Platform& platform = host_.GetPlatform();
  const Logbook& book = host_.Book();
  std::vector<int> entries = EntriesToPrint(book, host_.Filter(), *request);
  if (entries.empty()) {
    platform.Message(NothingToPrintMessage(request->kind));
    PrtMessage.SetVisible(false);
    return;
  }

  printing_ = true;
  PrintButton.SetEnabled(false);
  PdfButton.SetEnabled(false);
  Cancel.SetEnabled(false);
  platform.SetBusy(true);
  bool printed = false;
  if (std::unique_ptr<Printer> printer = platform.OpenPrinter(target)) {
    printed =
        PrintReport(*printer, book, *request, entries, platform.Now(),
                    [this](std::size_t done, std::size_t total) { ShowProgress(done, total); });
  }
  platform.SetBusy(false);
  EndJob();
  if (!printed)
    platform.MsgBox("Printing Error", MsgBoxButtons::kOk, MsgBoxIcon::kExclamation, kProgramTitle);
  Close();
}

void frmPrint::ShowProgress(std::size_t printed, std::size_t total) {
  if (printed % kProgressStep != 0) return;
  PrtProgress.SetCaption(std::to_string(printed) + " of " + std::to_string(total));
  PrtProgress.SetVisible(true);
  host_.GetPlatform().DoEvents();
}

void frmPrint::EndJob() {
  printing_ = false;
  PrintButton.SetEnabled(true);
  PdfButton.SetEnabled(true);
  Cancel.SetEnabled(true);
  PrtMessage.SetVisible(false);
  PrtProgress.SetVisible(false);
}

}  // namespace aloftra
