// A bus and a notification service of a test's own: see PrivateBus.h.
#include "PrivateBus.h"

#include <QDBusMessage>
#include <QFile>

namespace ringlook::testing {

namespace {
constexpr char kBusConfig[] = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <keep_umask/>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
}  // namespace

PrivateBus::PrivateBus() {
  QFile config(folder_.filePath("bus.conf"));
  if (!folder_.isValid() || !config.open(QIODevice::WriteOnly)) return;
  config.write(kBusConfig);
  config.close();
  daemon_.start("dbus-daemon", {"--nofork", "--nopidfile", "--print-address=1", "--config-file=" + config.fileName()});
  if (!daemon_.waitForStarted() || !daemon_.waitForReadyRead(10000)) return;
  address_ = QString::fromUtf8(daemon_.readLine().trimmed());
}

PrivateBus::~PrivateBus() {
  for (const QString& name : names_) QDBusConnection::disconnectFromBus(name);
  daemon_.terminate();
  daemon_.waitForFinished();
}

QDBusConnection PrivateBus::Connect(const QString& name) {
  names_ << name;
  return QDBusConnection::connectToBus(address_, name);
}

NotificationService::NotificationService(QDBusConnection connection, bool actions)
    : connection_(std::move(connection)), actions_(actions) {
  connection_.registerService(kInterface);
  connection_.registerObject(kPath, this, QDBusConnection::ExportAllSlots);
}

void NotificationService::Click(uint id, const QString& action, const QString& activationToken) {
  if (!activationToken.isEmpty()) {
    QDBusMessage token = QDBusMessage::createSignal(kPath, kInterface, QStringLiteral("ActivationToken"));
    token << id << activationToken;
    connection_.send(token);
  }
  QDBusMessage invoked = QDBusMessage::createSignal(kPath, kInterface, QStringLiteral("ActionInvoked"));
  invoked << id << action;
  connection_.send(invoked);
}

QStringList NotificationService::GetCapabilities() {
  return actions_ ? QStringList{"actions", "body"} : QStringList{"body"};
}

uint NotificationService::Notify(const QString& application, uint replaces, const QString& icon, const QString& summary,
                                 const QString& body, const QStringList& actions, const QVariantMap& hints,
                                 int timeout) {
  const uint id = replaces != 0 ? replaces : ++lastId_;
  calls.push_back({application, icon, summary, body, replaces, actions, hints, timeout, id});
  return id;
}

}  // namespace ringlook::testing
