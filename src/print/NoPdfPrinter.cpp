// Builds without the Qt front end have no PDF writer: printing reports that it cannot.
#include "print/PdfPrinter.h"

namespace aloftra {

std::unique_ptr<Printer> MakePdfPrinter(const std::string&) {
  return nullptr;
}

}  // namespace aloftra
