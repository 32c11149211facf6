// A D-Bus bus of a test's own, with nothing on it that the bus could start,
// and a notification service the test plays: what a program sends it, and the
// answers a user's click gives.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>
#include <vector>

namespace ringlook::testing {

class PrivateBus {
 public:
  // Starts dbus-daemon (Debian package dbus-daemon); Address() is empty when it could not.
  PrivateBus();
  ~PrivateBus();
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  [[nodiscard]] const QString& Address() const { return address_; }
  // A connection of its own under name, dropped with the bus.
  [[nodiscard]] QDBusConnection Connect(const QString& name);

 private:
  QTemporaryDir folder_;
  QProcess daemon_;
  QString address_;
  QStringList names_;
};

// org.freedesktop.Notifications, as a desktop's notification server offers it.
class NotificationService : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

 public:
  struct Call {
    QString application, icon, summary, body;
    uint replaces;
    QStringList actions;
    QVariantMap hints;
    int timeout;
    uint id;
  };

  // Registers itself on connection; with actions, it says it offers them.
  NotificationService(QDBusConnection connection, bool actions);

  // What a click on notification id says: the token first, then the action.
  void Click(uint id, const QString& action, const QString& activationToken = {});

  std::vector<Call> calls;

 public Q_SLOTS:
  QStringList GetCapabilities();
  uint Notify(const QString& application, uint replaces, const QString& icon, const QString& summary,
              const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout);

 private:
  QDBusConnection connection_;
  bool actions_;
  uint lastId_ = 0;
};

}  // namespace ringlook::testing
