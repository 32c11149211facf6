// Web and mail addresses: see WebAddresses.h.
#include "ui/qt/WebAddresses.h"

#include <QRegularExpression>

namespace ringlook::qt {

namespace {

const QRegularExpression& AddressPattern() {
  static const QRegularExpression pattern(
      QStringLiteral(R"((?<![\w.@/])(?:https?://|ftp://|www\.|mailto:)[^\s<>"]+)"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  return pattern;
}

bool EndsSentence(QChar c) { return QStringLiteral(".,;:!?)]}'").contains(c); }

}  // namespace

QList<TextRange> FindWebAddresses(const QString& text) {
  QList<TextRange> found;
  auto matches = AddressPattern().globalMatch(text);
  while (matches.hasNext()) {
    const QRegularExpressionMatch match = matches.next();
    qsizetype length = match.capturedLength();
    while (length > 0 && EndsSentence(text.at(match.capturedStart() + length - 1))) --length;
    // An address is more than its prefix ("www." or "http://" alone are text).
    if (!WebAddressUrl(text.mid(match.capturedStart(), length)).isEmpty())
      found.append({match.capturedStart(), length});
  }
  return found;
}

QUrl WebAddressUrl(const QString& address) {
  const QString trimmed = address.trimmed();
  if (trimmed.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) {
    return QUrl(QStringLiteral("http://") + trimmed, QUrl::TolerantMode);
  }
  QUrl url(trimmed, QUrl::TolerantMode);
  const QString scheme = url.scheme().toLower();
  const bool web = scheme == u"http" || scheme == u"https" || scheme == u"ftp";
  if ((web && !url.host().isEmpty()) || (scheme == u"mailto" && !url.path().isEmpty())) return url;
  return {};
}

}  // namespace ringlook::qt
