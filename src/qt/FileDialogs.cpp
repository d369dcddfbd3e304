#include "qt/FileDialogs.h"

#include <QStringList>

#include "qt/QtConvert.h"

namespace aloftra::qt {

namespace {

// Qt reads a filter's patterns from the last parenthesised group of its text, so that group
// must hold the patterns themselves.
QString NameFilter(const QString& description, const QString& patterns) {
  QString qtPatterns = patterns.trimmed();
  qtPatterns.replace(QChar(';'), QChar(' '));
  qtPatterns = qtPatterns.simplified();
  QString text = description.trimmed();
  if (qtPatterns.isEmpty()) return text;
  if (text.isEmpty()) return qtPatterns;
  if (text.endsWith(QStringLiteral("(") + qtPatterns + QStringLiteral(")"))) return text;
  return text + QStringLiteral(" (") + qtPatterns + QStringLiteral(")");
}

}  // namespace

QString ToQtNameFilters(const std::string& filter) {
  QStringList parts = ToQString(filter).split(QChar('|'));
  QStringList filters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    QString patterns = i + 1 < parts.size() ? parts[i + 1] : QString();
    QString nameFilter = NameFilter(parts[i], patterns);
    if (!nameFilter.isEmpty()) filters.push_back(nameFilter);
  }
  return filters.join(QStringLiteral(";;"));
}

QString ToDefaultSuffix(const std::string& extension) {
  QString suffix = ToQString(extension).trimmed();
  while (suffix.startsWith(QChar('.')))
    suffix.remove(0, 1);
  return suffix;
}

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogOptions& options, bool save) {
  dialog.setWindowTitle(ToQString(options.title));
  QString filters = ToQtNameFilters(options.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters.split(QStringLiteral(";;")));
  dialog.setDefaultSuffix(ToDefaultSuffix(options.defaultExtension));
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!options.initialName.empty()) dialog.selectFile(ToQString(options.initialName));
}

}  // namespace aloftra::qt
