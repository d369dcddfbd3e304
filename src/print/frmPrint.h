// The print dialog: which report (chosen for the page it was opened over), how many entries,
// and whether to send it to the system printer or save it as a PDF file.
#pragma once

#include <string>

#include "form/CheckBox.h"
#include "form/CommandButton.h"
#include "form/ControlArray.h"
#include "form/Frame.h"
#include "form/Label.h"
#include "form/OptionButton.h"
#include "form/Printer.h"
#include "form/TextBox.h"
#include "pagekit/Dialog.h"
#include "print/ReportRun.h"

namespace aloftra {

class frmPrint : public Dialog {
 public:
  explicit frmPrint(PageHost& host);

  Frame PrintWhatFrame;                  // "Print What"
  ControlArray<OptionButton> PrintWhat;  // 0 "Aloftra", 1 "Site List", 2 "Gliders",
                                         // 3 "Pilot Info / Summary", 4 "Notes"
  Frame NumberFrame;                     // "Number of Entries to Print"
  CheckBox All;
  TextBox HowMany;
  CheckBox SiteStats;  // "Include Site Stats"
  CommandButton PrintButton;
  CommandButton PdfButton;  // "Save as PDF..."
  CommandButton Cancel;
  aloftra::Label PrtMessage;   // "Printing...", shown while a job runs
  aloftra::Label PrtProgress;  // how far a long job has come

  void Form_Load();
  void PrintWhat_Click(int Index);
  void All_Click();
  void PrintButton_Click();
  void PdfButton_Click();
  void Cancel_Click();

  ReportKind SelectedReport() const;

 protected:
  // The window is not closed while a job runs (events run between its pages).
  void Form_Unload(int& cancel) override;

 private:
  void Layout();
  void RunReport(const PrintTarget& target);
  // The request the controls describe; nullopt (after telling the pilot) when the number
  // of entries is not 1 or more.
  std::optional<ReportRequest> RequestFromControls();
  void ShowProgress(std::size_t printed, std::size_t total);
  void EndJob();

  bool printing_ = false;
};

}  // namespace aloftra
