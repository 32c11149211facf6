// Program entry: reads the command line; then one copy per user log-on, the
// first creating the five windows in their order, wiring the window logic to
// the Qt layer and running the event loop until the close question or a
// termination signal ends it.
#include <QApplication>
#include <QStandardPaths>

#include "app/CommandLine.h"
#include "common/Version.h"
#include "qt/QtInstanceLock.h"
#include "qt/QtProgram.h"
#include "qt/QtTranslations.h"
#include "qt/QuitOnSignals.h"

namespace {

// Brings the running copy forward for a second start: a modal dialog open in it
// rather than the main window; a minimised main window is restored.
void ShowPrvInstance(QWidget& mainWindow) {
  QWidget* last = QApplication::activeModalWidget();
  if (last == nullptr) last = &mainWindow;
  if (last->isMinimized()) {
    last->showNormal();
    if (last == &mainWindow) return;
  } else if (mainWindow.isMinimized()) {
    mainWindow.showNormal();
  }
  last->raise();
  last->activateWindow();
}

int RunProgram(ringlook::InstanceLock& lock, const QString& configFolder) {
  ringlook::qt::QtProgram program({.configFolder = configFolder,
                                   .port = ringlook::qt::QtClientSocket::kPort,
                                   .programPath = QCoreApplication::applicationFilePath().toStdString()});
  lock.ListenForOthers([&program] { ShowPrvInstance(program.windows.MainForm()); });
  program.Start();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("Ringlook"));
  QCoreApplication::setApplicationVersion(
      QString::fromUtf8(ringlook::kVersionNumber.data(), ringlook::kVersionNumber.size()));
  qSetMessagePattern(QStringLiteral("%{time hh:mm:ss.zzz} %{if-category}%{category}: %{endif}%{message}"));
  if (ringlook::app::AsksForHelpOrVersion(argc, argv)) {
    const QCoreApplication info(argc, argv);
    ringlook::qt::LoadDutchQtTexts();
    ringlook::app::ProcessCommandLine(info);
  }
  QApplication app(argc, argv);
  ringlook::qt::LoadDutchQtTexts();
  ringlook::app::ProcessCommandLine(app);
  // The desktop entry's name: desktops match the windows and notifications to it.
  QGuiApplication::setDesktopFileName(QStringLiteral("ringlook"));
  // The loop ends when the close question is answered Yes, not when a window hides.
  QApplication::setQuitOnLastWindowClosed(false);

  ringlook::qt::QtInstanceLock lock;
  if (!ringlook::StartsAsFirst(lock)) return 0;
  // Ended from outside, the program still closes its link and frees the lock on its way out.
  ringlook::qt::QuitOnSignals quitOnSignals({SIGINT, SIGTERM, SIGHUP});
  const int status = RunProgram(lock, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  lock.Release();
  return status;
}
