// The link's log: see LinkLog.h.
#include "qt/LinkLog.h"

#include "qt/Cp1252.h"

namespace ringlook::qt {

Q_LOGGING_CATEGORY(lcLink, "ringlook.link", QtInfoMsg)

QString LinkText(std::string_view bytes) {
  const QString shown = FromCp1252(bytes);
  QString out;
  out.reserve(shown.size());
  for (qsizetype i = 0; i < shown.size(); ++i) {
    const char16_t c = shown.at(i).unicode();
    if (c == u'\\') {
      out += QStringLiteral("\\\\");
    } else if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
      // Controls, and the bytes the code page leaves undefined, by their byte value.
      const auto byte = static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
      out += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    } else {
      out += QChar(c);
    }
  }
  return out;
}

}  // namespace ringlook::qt
