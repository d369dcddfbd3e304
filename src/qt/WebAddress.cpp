#include "qt/WebAddress.h"

#include <QRegularExpression>
#include <QString>

namespace aloftra::qt {

namespace {

bool HasControlCharacters(const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return true;
  }
  return false;
}

// The scheme of an address ("http" of http://...), or an empty text when it has none. A
// host followed by a port (example.org:8080) has none.
QString SchemeOf(const QString& address) {
  static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.\\-]*):(.*)$"));
  QRegularExpressionMatch match = scheme.match(address);
  if (!match.hasMatch()) return QString();
  static const QRegularExpression port(QStringLiteral("^[0-9]+(?:[/?#].*)?$"));
  if (port.match(match.captured(2)).hasMatch()) return QString();
  return match.captured(1).toLower();
}

// A bare address names a host first: letters, digits, hyphens and dots, at least one dot.
bool StartsWithHostName(const QString& address) {
  static const QRegularExpression host(
      QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9\\-]*[A-Za-z0-9])?(?:\\.[A-Za-z0-9](?:[A-Za-z0-9"
                     "\\-]*[A-Za-z0-9])?)+(?::[0-9]+)?(?:[/?#].*)?$"));
  return host.match(address).hasMatch();
}

}  // namespace

std::optional<QUrl> WebAddressToOpen(const std::string& address) {
  QString text = QString::fromStdString(address).trimmed();
  if (text.isEmpty() || HasControlCharacters(text)) return std::nullopt;
  QString scheme = SchemeOf(text);
  if (scheme.isEmpty()) {
    if (!StartsWithHostName(text)) return std::nullopt;
    text.prepend(QStringLiteral("http://"));
    scheme = QStringLiteral("http");
  }
  QUrl url(text, QUrl::StrictMode);
  if (!url.isValid()) url = QUrl(text, QUrl::TolerantMode);
  if (!url.isValid()) return std::nullopt;
  if (scheme == QStringLiteral("mailto")) {
    if (url.path().isEmpty()) return std::nullopt;
    return url;
  }
  if (scheme != QStringLiteral("http") && scheme != QStringLiteral("https") &&
      scheme != QStringLiteral("ftp")) {
    return std::nullopt;
  }
  if (url.host().isEmpty()) return std::nullopt;
  return url;
}

}  // namespace aloftra::qt
