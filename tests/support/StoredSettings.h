// The stored settings a whole-program test starts with, written where a
// QtProgram with that configuration folder reads them.
#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>

namespace ringlook::testing {

// lines: "Name=type:value", for example "ServerIp=string:127.0.0.1". False when the file cannot be written.
inline bool WriteStoredSettings(const QString& configFolder, const QStringList& lines) {
  const QString folder = configFolder + "/Ringlook/Software";
  if (!QDir().mkpath(folder)) return false;
  QFile file(folder + "/Ringlook.conf");
  return file.open(QIODevice::WriteOnly) && file.write((lines.join('\n') + '\n').toUtf8()) >= 0;
}

}  // namespace ringlook::testing
