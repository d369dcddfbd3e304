// Handing a web address to the pilot's browser. The desktop is asked which program opens
// web pages (by way of a small probe file), and the address goes to that program as data;
// no command line is ever built from an address.
#include "core/SafeFileWriter.h"
#include "shell/App.h"

namespace aloftra {

void App::OpenInBrowser(const std::string& address) {
  std::string probe = ProgramFolderFile(kBrowserProbeFileName);
  std::optional<std::string> program;
  if (WriteFileSafely(fileSystem_, probe, "\"<HTML> <\\HTML>\"\r\n", std::nullopt).ok) {
    program = platform_.FindAssociatedProgram(probe);
  }
  if (!program) {
    platform_.MsgBox("Could not find associated Browser", MsgBoxButtons::kOk,
                     MsgBoxIcon::kExclamation, "Browser Not Found");
  } else if (!platform_.OpenWebAddress(*program, address)) {
    platform_.MsgBox("Web Page not Opened", MsgBoxButtons::kOk, MsgBoxIcon::kExclamation,
                     "URL Failed");
  }
  fileSystem_.Remove(probe);
}

}  // namespace aloftra
