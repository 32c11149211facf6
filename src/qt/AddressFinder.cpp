// Web and mail addresses: see AddressFinder.h.
#include "qt/AddressFinder.h"

#include <QRegularExpression>

#include "common/WebAddress.h"
#include "qt/Cp1252.h"

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
  const std::string opened = WebAddress(ToCp1252(address));
  return opened.empty() ? QUrl() : QUrl(FromCp1252(opened), QUrl::TolerantMode);
}

}  // namespace ringlook::qt
