// aloftra-genlog OUT: writes the large generated logbook to OUT.
#include <iostream>

#include "LogbookGenerator.h"
#include "core/DateTime.h"
#include "core/LogbookFile.h"
#include "core/PosixFileSystem.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: aloftra-genlog OUT\n";
    return 2;
  }
  aloftra::PosixFileSystem fs;
  const aloftra::Logbook book = aloftra::GenerateLogbook();
  const aloftra::WriteResult saved =
      aloftra::SaveLogbook(fs, argv[1], book, aloftra::MakeDateTime(2024, 6, 1, 12, 0, 0));
  if (!saved.ok) {
    std::cerr << aloftra::CannotSaveMessage(argv[1]) << '\n' << saved.detail << '\n';
    return 1;
  }
  return 0;
}
