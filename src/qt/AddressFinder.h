// Web and mail addresses in message texts: where they are, and the URL to open
// for one. Addresses start with http://, https://, ftp://, www. or mailto:.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

namespace ringlook::qt {

struct TextRange {
  qsizetype start;
  qsizetype length;
};

// The addresses in text, in order; trailing punctuation that ends a sentence is
// not part of an address.
QList<TextRange> FindWebAddresses(const QString& text);

// The URL the one rule of WebAddress gives for an address; an empty URL for
// anything but a web or mail address, so that no file or program is ever opened.
QUrl WebAddressUrl(const QString& address);

}  // namespace ringlook::qt
