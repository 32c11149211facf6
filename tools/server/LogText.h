// Message bytes as a readable log line: code-page letters shown as such, control
// bytes escaped, long texts cut.
#pragma once

#include <QByteArray>
#include <QString>

namespace ringlook::server {

QString LogText(const QByteArray& bytes, qsizetype maxShown = 400);

}  // namespace ringlook::server
