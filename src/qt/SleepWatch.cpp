// The wake from logind: see SleepWatch.h.
#include "qt/SleepWatch.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace ringlook::qt {

namespace {
const QString kLogin = QStringLiteral("org.freedesktop.login1");
}  // namespace

SleepWatch::SleepWatch() {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected() || bus.interface() == nullptr || !bus.interface()->isServiceRegistered(kLogin)) return;
  available_ =
      bus.connect(kLogin, QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
                  QStringLiteral("PrepareForSleep"), this, SLOT(PrepareForSleep(bool)));
}

void SleepWatch::PrepareForSleep(bool sleeping) {
  if (!sleeping && OnWake) OnWake();
}

}  // namespace ringlook::qt
