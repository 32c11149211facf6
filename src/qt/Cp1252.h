// The one place where the core's 8-bit texts (Windows-1252) meet Qt's strings.
// Every byte decodes to a character and back, so a line read back from a widget
// is the line that was put in. The fields take only typable text (below), so a
// character outside the code page, which would become '?', never reaches a request.
#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace ringlook::qt {

QString FromCp1252(std::string_view bytes);
std::string ToCp1252(QStringView text);

// How much of a text from the server a window shows. Qt lays out the whole of
// every text it shows, and a field of megabytes holds the program for seconds;
// in a multi-line view, where a line without a break costs the square of its
// length, for hours. One line shows at most kShownLineLength characters, more
// than any screen is wide; a multi-line field or view at most kShownTextLength
// of one text.
inline constexpr std::size_t kShownLineLength = 1024;
inline constexpr std::size_t kShownTextLength = 16384;

// FromCp1252 of the first `most` bytes.
QString FromCp1252(std::string_view bytes, std::size_t most);

// A line break as Qt's text widgets hold one: LF, CR, or a paragraph or line separator.
bool IsLineBreak(QChar c);

// What a field takes of text typed, pasted, dropped or composed, so that what it
// shows is exactly what it sends: composed (an accent typed apart joins its
// letter), without characters the code page cannot hold and without control
// characters. A tab becomes a blank; a line break stays in a multi-line field
// and becomes a blank in a one-line field.
QString TypableText(QStringView text, bool multiLine);

}  // namespace ringlook::qt
