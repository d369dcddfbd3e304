// The about box: title, version, description, a picture, and the buttons to visit the web
// site or close.
#pragma once

#include "core/ProgramVersion.h"
#include "form/CommandButton.h"
#include "form/Label.h"
#include "form/Shape.h"
#include "pagekit/Dialog.h"

namespace aloftra {

// The product's web page, opened by "Web Site".
inline constexpr const char* kProductWebAddress = "https://aloftra.example.org/";

class frmAbout : public Dialog {
 public:
  explicit frmAbout(PageHost& host);

  Label lblTitle;
  Label lblVersion;
  Label lblDescription;
  Label lblDisclaimer;
  Image Image1;
  CommandButton WebSite;
  CommandButton Close;

  void WebSite_Click();
  void Close_Click();
};

}  // namespace aloftra
