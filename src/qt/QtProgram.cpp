// The whole program on Qt: see QtProgram.h.
#include "qt/QtProgram.h"

#include <QTimer>

#include "qt/LinkLog.h"

namespace ringlook::qt {

QtProgram::QtProgram(const Options& options, QDBusConnection notifications)
    : application(windows.MainForm(), clock, std::move(notifications)),
      socket(options.port),
      store(options.configFolder + "/Ringlook"),
      autostart(options.configFolder + "/autostart"),
      logic({windows.FormRinglook(), windows.FormSetup(), windows.FormEdit(), windows.FormSentMSG(), windows.FormMSG()},
            {application, clock, socket, store, autostart, settleTimer, options.programPath,
             [](std::string_view line) { qCDebug(lcLink, "%s", qUtf8Printable(LinkText(line))); }}) {
  application.SetTitle(kApplicationTitle);
}

void QtProgram::Start() {
  windows.MainForm().show();
  windows.MainForm().activateWindow();
  // Where the first activation is not promised, its work starts once the
  // window is shown; a later activation finds it done.
  if (!QtApplication::PromisesActivation()) {
    QTimer::singleShot(0, &windows.MainForm(), [this] { logic.formRinglook.FormActivate(); });
  }
}

}  // namespace ringlook::qt
