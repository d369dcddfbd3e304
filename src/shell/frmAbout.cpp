#include "shell/frmAbout.h"

namespace aloftra {

frmAbout::frmAbout(PageHost& host)
    : Dialog(host, DialogId::kAbout, "frmAbout", "About Aloftra", 5400, 3300),
      lblTitle(*this, "lblTitle"),
      lblVersion(*this, "lblVersion"),
      lblDescription(*this, "lblDescription"),
      lblDisclaimer(*this, "lblDisclaimer"),
      Image1(*this, "Image1"),
      WebSite(*this, "WebSite"),
      Close(*this, "Close") {
  Image1.SetPicture("glider");
  Image1.Move(240, 240, 960, 960);
  lblTitle.SetCaption("Aloftra");
  lblTitle.SetFont(Font{14, true});
  lblTitle.Move(1440, 240, 3600, 420);
  lblVersion.SetCaption(std::string("Version ") + kProgramVersion);
  lblVersion.Move(1440, 720, 3600, 300);
  lblDescription.SetCaption("Computer based Aloftra for Hang Glider and Paraglider pilots.");
  lblDescription.Move(1440, 1080, 3720, 600);
  lblDisclaimer.SetCaption("");
  lblDisclaimer.Move(240, 1800, 4920, 600);
  WebSite.SetCaption("Web Site");
  WebSite.Move(1320, 2640, 1200, 375);
  Close.SetCaption("Close");
  Close.Move(2880, 2640, 1200, 375);
  Close.SetDefault(true);
  Close.SetCancel(true);

  WebSite.onClick = [this] { WebSite_Click(); };
  Close.onClick = [this] { Close_Click(); };
}

void frmAbout::WebSite_Click() {
  host_.OpenInBrowser(kProductWebAddress);
  Dialog::Close();
}

void frmAbout::Close_Click() {
  Dialog::Close();
}

}  // namespace aloftra
