#include "qt/FileDialogs.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QScrollBar>
#include <QStringList>
#include <QTreeView>
#include <algorithm>

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
  SizeForDetails(dialog);
}

void SizeForDetails(QFileDialog& dialog) {
  dialog.setViewMode(QFileDialog::Detail);
  // A desktop's own dialog sizes itself; Qt's has a list of four columns to fit.
  auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (list == nullptr) return;
  QHeaderView* header = list->header();
  QFontMetrics metrics(list->font());
  int padding = 3 * metrics.averageCharWidth();
  // Each column as wide as the widest of its usual entries; the date as the desktop writes
  // the widest of them.
  QDateTime widestDate(QDate(2000, 12, 28), QTime(23, 58, 58));
  const QString widest[] = {
      QString(40, QChar('n')),
      QStringLiteral("1023.9 KiB"),
      QStringLiteral("plain text document"),
      QLocale::system().toString(widestDate, QLocale::ShortFormat),
  };
  for (int column = 0; column < 4 && column < header->count(); ++column) {
    int wanted = std::max(metrics.horizontalAdvance(widest[column]) + padding,
                          header->sectionSizeHint(column));
    header->resizeSection(column, wanted);
  }
  int listWidth =
      header->length() + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth();
  // Beside the list: the side bar of places and the dialog's margins.
  auto* sideBar = dialog.findChild<QWidget*>(QStringLiteral("sidebar"));
  int sideBarWidth = sideBar != nullptr ? sideBar->sizeHint().width() : 0;
  int width = listWidth + sideBarWidth + 6 * metrics.averageCharWidth();
  int height = 30 * metrics.height();
  dialog.resize(std::max(width, dialog.width()), std::max(height, dialog.height()));
}

}  // namespace aloftra::qt
