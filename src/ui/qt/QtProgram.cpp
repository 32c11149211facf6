// The whole program on Qt: see QtProgram.h.
#include "ui/qt/QtProgram.h"

#include <QDir>

#include "ui/qt/LinkLog.h"

namespace ringlook::qt {

QtProgram::QtProgram(const Options& options)
    : application(windows.MainForm(), clock),
      socket(options.port),
      store(options.configFolder + "/Ringlook"),
      autostart(options.configFolder + "/autostart"),
      formRinglook(windows.FormRinglook(),
                   TFormRinglook::Services{
                       application, clock, socket, store, autostart, settleTimer,
                       [] { return QDir::currentPath().toStdString(); }, options.programPath,
                       [](std::string_view line) { qCDebug(lcLink, "%s", qUtf8Printable(LinkText(line))); }}),
      formSetup(windows.FormSetup(), formRinglook),
      formEdit(windows.FormEdit()),
      formSentMSG(windows.FormSentMSG(), formRinglook),
      formMSG(windows.FormMSG(), formRinglook) {
  application.SetTitle(kApplicationTitle);
  formRinglook.AttachSetup(formSetup);
  formRinglook.AttachEdit(formEdit);
  formRinglook.AttachMessaging(formSentMSG, formMSG);
}

void QtProgram::Start() {
  windows.MainForm().show();
  windows.MainForm().activateWindow();
}

}  // namespace ringlook::qt
