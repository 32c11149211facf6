// Desktop notifications: see DesktopNotifications.h.
#include "ui/qt/DesktopNotifications.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QVariantMap>

namespace ringlook::qt {

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
}  // namespace

DesktopNotifications::DesktopNotifications(QDBusConnection bus) : bus_(std::move(bus)) {}

bool DesktopNotifications::ServiceAvailable() const {
  if (!bus_.isConnected() || bus_.interface() == nullptr) return false;
  // A service that the bus starts on the first call counts as well.
  return bus_.interface()->isServiceRegistered(kService).value() ||
         bus_.interface()->activatableServiceNames().value().contains(kService);
}

bool DesktopNotifications::Show(const QString& summary, const QString& body, bool urgent) {
  if (!ServiceAvailable()) return false;
  QDBusMessage notify = QDBusMessage::createMethodCall(kService, QStringLiteral("/org/freedesktop/Notifications"),
                                                       kService, QStringLiteral("Notify"));
  // The desktop entry's name lets the desktop group the notifications under the program.
  QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("ringlook")}};
  // Where the window cannot be raised (Wayland), this is how an alert caller reaches the user.
  if (urgent) hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar{2}));
  // Servers may read the body as markup, so it is escaped; the summary is plain text.
  notify << QStringLiteral("Ringlook") << 0U << QStringLiteral("ringlook") << summary << body.toHtmlEscaped()
         << QStringList() << hints << (urgent ? 0 : -1);
  return bus_.send(notify);
}

}  // namespace ringlook::qt
