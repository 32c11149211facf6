// Windows-1252 conversion: see Cp1252.h.
#include "qt/Cp1252.h"

#include <QStringDecoder>
#include <array>
#include <optional>

namespace ringlook::qt {

namespace {

using Table = std::array<char16_t, 256>;

// Used when Qt has no converter by that name (a build without ICU). The five
// bytes the code page leaves undefined map to the C1 controls, as the
// platform's own conversion does, so that they survive a round trip.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

Table BuildTable() {
  Table table{};
  QByteArray all(256, '\0');
  for (int i = 0; i < 256; ++i) all[i] = static_cast<char>(i);
  QStringDecoder decoder("windows-1252");
  if (decoder.isValid()) {
    const QString decoded = decoder.decode(all);
    if (decoded.size() == 256) {
      for (int i = 0; i < 256; ++i) table[static_cast<std::size_t>(i)] = decoded.at(i).unicode();
      return table;
    }
  }
  for (std::size_t i = 0; i < 256; ++i) table[i] = static_cast<char16_t>(i);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) table[0x80 + i] = kHighControls[i];
  return table;
}

const Table& Cp1252Table() {
  static const Table table = BuildTable();
  return table;
}

std::optional<char> Encoded(char16_t c) {
  const Table& table = Cp1252Table();
  if (c < 256 && table[c] == c) return static_cast<char>(c);
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i] == c) return static_cast<char>(i);
  }
  return std::nullopt;
}

}  // namespace

bool IsLineBreak(QChar c) {
  return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

QString FromCp1252(std::string_view bytes) {
  const Table& table = Cp1252Table();
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  // Written through one pointer: QString's operator[] checks for sharing at every character.
  QChar* out = text.data();
  for (const char byte : bytes) *out++ = QChar(table[static_cast<unsigned char>(byte)]);
  return text;
}

QString FromCp1252(std::string_view bytes, std::size_t most) { return FromCp1252(bytes.substr(0, most)); }

std::string ToCp1252(QStringView text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    // A character outside the basic plane is one unmappable character, not two.
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
    bytes.push_back(Encoded(c.unicode()).value_or('?'));
  }
  return bytes;
}

QString TypableText(QStringView text, bool multiLine) {
  // Neither half of a surrogate pair (a character outside the basic plane) is in the code page.
  const QString composed = text.toString().normalized(QString::NormalizationForm_C);
  QString typable;
  typable.reserve(composed.size());
  for (qsizetype i = 0; i < composed.size(); ++i) {
    const QChar c = composed.at(i);
    if (IsLineBreak(c) && !multiLine) {
      if (c == u'\r' && i + 1 < composed.size() && composed.at(i + 1) == u'\n') ++i;
      typable += u' ';
    } else if (c == u'\t') {
      typable += u' ';
    } else if (IsLineBreak(c) || (c.category() != QChar::Other_Control && Encoded(c.unicode()).has_value())) {
      typable += c;
    }
  }
  return typable;
}

}  // namespace ringlook::qt
