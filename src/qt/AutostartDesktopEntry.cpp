// Autostart entry as a desktop entry file: see AutostartDesktopEntry.h.
#include "qt/AutostartDesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace ringlook::qt {
namespace {

// Characters that make the desktop's command line split or expand an argument.
constexpr QStringView kReserved = u" \t\n\"'\\><~|&;$*?#()`";

// The Exec value that runs program with no arguments. Escaping happens in three
// layers, innermost first: the argument's quoting, the "%" of field codes, and the
// backslash escapes of every string value in the file.
QString ExecValue(const QString& program) {
  QString argument = program;
  if (std::any_of(program.begin(), program.end(), [](QChar c) { return kReserved.contains(c); })) {
    argument.clear();
    for (const QChar c : program) {
      if (c == '"' || c == '`' || c == '$' || c == '\\') argument += '\\';
      argument += c;
    }
    argument = '"' + argument + '"';
  }
  argument.replace('%', "%%");
  QString value;
  for (const QChar c : argument) {
    if (c == '\\') {
      value += "\\\\";
    } else if (c == '\n') {
      value += "\\n";
    } else if (c == '\t') {
      value += "\\t";
    } else if (c == '\r') {
      value += "\\r";
    } else {
      value += c;
    }
  }
  return value;
}

}  // namespace

AutostartDesktopEntry::AutostartDesktopEntry(const QString& folder)
    : folder_(folder), path_(folder + "/Ringlook.desktop") {}

bool AutostartDesktopEntry::Exists() const { return QFileInfo(path_).isFile(); }

void AutostartDesktopEntry::Create(const std::string& programPath) {
  const QString program = QFileInfo(QString::fromStdString(programPath)).absoluteFilePath();
  QByteArray entry =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Ringlook\n";
  entry += "Exec=" + ExecValue(program).toUtf8() + '\n';
  // The installed icon, so that the desktop's list of start-up programs shows it.
  entry +=
      "Icon=ringlook\n"
      "Terminal=false\n"
      "X-GNOME-Autostart-enabled=true\n";
  QDir().mkpath(folder_);
  QSaveFile file(path_);
  // A cut-off entry must not replace a good one; QSaveFile's commit does not
  // notice a failed last flush (Qt 6.4), so flush first and commit only then.
  if (file.open(QIODevice::WriteOnly) && file.write(entry) == entry.size() && file.flush()) file.commit();
}

void AutostartDesktopEntry::Remove() {
  if (Exists()) QFile::remove(path_);
}

}  // namespace ringlook::qt
