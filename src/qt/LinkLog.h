// The link's log: attempts, connects, closes, errors with their codes and every
// text sent and received, under the logging category "ringlook.link". Silent
// unless switched on (QT_LOGGING_RULES="ringlook.link.debug=true", or the
// program's --verbose), so that a user whose client does not connect can see why.
#pragma once

#include <QLoggingCategory>
#include <QString>
#include <string_view>

namespace ringlook::qt {

Q_DECLARE_LOGGING_CATEGORY(lcLink)

// Link bytes as one readable line: code-page characters as they are shown,
// control bytes and the backslash escaped, so every byte can be told apart.
QString LinkText(std::string_view bytes);

}  // namespace ringlook::qt
