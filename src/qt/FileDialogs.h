// The program's file dialogs as Qt file dialogs: the forms' filters ("Aloftra Files
// (*.log)|*.log") as Qt name filters, the default extension as the default suffix, an open
// dialog that only accepts an existing file, and a size that shows the files' details whole.
#pragma once

#include <QFileDialog>
#include <QString>
#include <string>

#include "form/Platform.h"

namespace aloftra::qt {

// "Name (*.ext)|*.ext|Other|*.a;*.b" -> "Name (*.ext);;Other (*.a *.b)".
QString ToQtNameFilters(const std::string& filter);
// ".log" -> "log".
QString ToDefaultSuffix(const std::string& extension);

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogOptions& options, bool save);
// Shows the files with their size, type and date, and makes the dialog wide enough for the
// four columns whole.
void SizeForDetails(QFileDialog& dialog);

}  // namespace aloftra::qt
