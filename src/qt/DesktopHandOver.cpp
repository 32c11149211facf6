// Handing over to the desktop: see DesktopHandOver.h.
#include "qt/DesktopHandOver.h"

#include <QDir>
#include <QFileDialog>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace ringlook::qt {

namespace {
// xdg-mime is a small script; more than this and the desktop is in trouble anyway.
constexpr int kQueryMs = 5000;
}  // namespace

bool DesktopHandles(const QString& scheme) {
  QProcess query;
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/") + scheme});
  if (!query.waitForFinished(kQueryMs) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
    query.kill();
    return false;
  }
  return !query.readAllStandardOutput().trimmed().isEmpty();
}

ui::SaveResult SaveWithDialog(QWidget* parent, const QString& suggestedName, const QByteArray& bytes) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  const QString path =
      QFileDialog::getSaveFileName(parent, QStringLiteral("Lijst opslaan"), QDir(folder).filePath(suggestedName),
                                   QStringLiteral("CSV-bestanden (*.csv)"));
  if (path.isEmpty()) return ui::SaveResult::Cancelled;
  // The file appears whole at the end, or the one that was there stays.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    return ui::SaveResult::Failed;
  }
  return ui::SaveResult::Saved;
}

}  // namespace ringlook::qt
