// Readable message bytes: see LogText.h.
#include "LogText.h"

namespace ringlook::server {

QString LogText(const QByteArray& bytes, qsizetype maxShown) {
  QString out;
  const qsizetype shown = qMin(bytes.size(), maxShown);
  for (qsizetype i = 0; i < shown; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte == '\r') {
      out += QStringLiteral("\\r");
    } else if (byte == '\n') {
      out += QStringLiteral("\\n");
    } else if (byte == '\\') {
      out += QStringLiteral("\\\\");
    } else if (byte < 0x20 || (byte >= 0x7F && byte < 0xA0)) {
      out += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    } else {
      out += QChar(static_cast<char16_t>(byte));  // Latin-1: the code point is the byte
    }
  }
  if (shown < bytes.size()) out += QStringLiteral("... (%1 bytes)").arg(bytes.size());
  return out;
}

}  // namespace ringlook::server
