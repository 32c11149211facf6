// The one place where the core's 8-bit texts (Windows-1252) meet Qt's strings.
// Every byte decodes to a character and back, so a line read back from a widget
// is the line that was put in; characters outside the code page become '?'.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace ringlook::qt {

QString FromCp1252(std::string_view bytes);
std::string ToCp1252(QStringView text);

}  // namespace ringlook::qt
