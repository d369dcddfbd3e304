// A printer that writes its document into a PDF file, for tools that print without a window
// (aloftra-cli). It is made by the front end's library, or by a stand-in that has none.
#pragma once

#include <memory>
#include <string>

#include "form/Printer.h"

namespace aloftra {

// nullptr when this build cannot write PDF files.
std::unique_ptr<Printer> MakePdfPrinter(const std::string& path);

}  // namespace aloftra
