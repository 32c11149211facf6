// Desktop notifications through the freedesktop notification service on the
// session bus (org.freedesktop.Notifications), which desktops offer with or
// without a system tray. Sent without waiting for an answer.
#pragma once

#include <QDBusConnection>
#include <QString>

namespace ringlook::qt {

class DesktopNotifications {
 public:
  explicit DesktopNotifications(QDBusConnection bus = QDBusConnection::sessionBus());

  // False, and nothing shown, where no notification service is on the bus. An
  // urgent one stays until the user dismisses it.
  bool Show(const QString& summary, const QString& body, bool urgent);

 private:
  [[nodiscard]] bool ServiceAvailable() const;

  QDBusConnection bus_;
};

}  // namespace ringlook::qt
