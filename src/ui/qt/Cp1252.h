// The one place where the core's 8-bit texts (Windows-1252) meet Qt's strings.
// Every byte decodes to a character and back, so a line read back from a widget
// is the line that was put in. The fields take only typable text (below), so a
// character outside the code page, which would become '?', never reaches a request.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace ringlook::qt {

QString FromCp1252(std::string_view bytes);
std::string ToCp1252(QStringView text);

// A line break as Qt's text widgets hold one: LF, CR, or a paragraph or line separator.
bool IsLineBreak(QChar c);

// What a field takes of text typed, pasted, dropped or composed, so that what it
// shows is exactly what it sends: composed (an accent typed apart joins its
// letter), without characters the code page cannot hold and without control
// characters. A tab becomes a blank; a line break stays in a multi-line field
// and becomes a blank in a one-line field.
QString TypableText(QStringView text, bool multiLine);

}  // namespace ringlook::qt
