// Desktop notifications of calls through the freedesktop notification service
// on the session bus (org.freedesktop.Notifications), which desktops offer with
// or without a system tray. Where the service offers actions, a notification's
// click (its default action), its "Wijzigen" and, for a number a telephone
// can dial, its "Terugbellen" come back as OnShow, OnEdit and OnCallBack with
// the call's number. A newer call replaces the notification of the one
// before, but an alert caller's stays until the user dismisses it. Nothing
// waits for the service: its answers come from the event loop.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <optional>

namespace ringlook::qt {

class DesktopNotifications : public QObject {
  Q_OBJECT

 public:
  explicit DesktopNotifications(QDBusConnection bus = QDBusConnection::sessionBus());

  // False, and nothing shown, where no notification service is on the bus.
  bool Show(const QString& summary, const QString& body, bool urgent, const QString& number);

  // number, and the activation token the service handed over (empty if none):
  // with it a Wayland compositor lets the window come forward.
  std::function<void(const QString& number, const QString& activationToken)> OnShow;
  std::function<void(const QString& number)> OnEdit;
  std::function<void(const QString& number)> OnCallBack;

 private:
  [[nodiscard]] bool ServiceAvailable() const;
  void Send(const QString& summary, const QString& body, bool urgent, const QString& number);
  Q_SLOT void ActionInvoked(uint id, const QString& action);
  Q_SLOT void ActivationToken(uint id, const QString& token);
  Q_SLOT void NotificationClosed(uint id, uint reason);

  QDBusConnection bus_;
  // Whether the service offers actions, once it has said so.
  std::optional<bool> actions_;
  // The notification a newer plain call replaces.
  uint replaceable_ = 0;
  std::map<uint, QString> numbers_;
  std::map<uint, QString> tokens_;
};

}  // namespace ringlook::qt
