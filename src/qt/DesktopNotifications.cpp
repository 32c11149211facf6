// Desktop notifications: see DesktopNotifications.h.
#include "qt/DesktopNotifications.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include "calls/CallerActions.h"
#include "qt/Cp1252.h"

namespace ringlook::qt {

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kDefaultAction = QStringLiteral("default");
const QString kEditAction = QStringLiteral("wijzigen");
const QString kCallBackAction = QStringLiteral("terugbellen");
}  // namespace

DesktopNotifications::DesktopNotifications(QDBusConnection bus) : bus_(std::move(bus)) {
  if (!bus_.isConnected()) return;
  bus_.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this, SLOT(ActionInvoked(uint, QString)));
  bus_.connect(kService, kPath, kService, QStringLiteral("ActivationToken"), this,
               SLOT(ActivationToken(uint, QString)));
  bus_.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
               SLOT(NotificationClosed(uint, uint)));
}

bool DesktopNotifications::ServiceAvailable() const {
  if (!bus_.isConnected() || bus_.interface() == nullptr) return false;
  // A service that the bus starts on the first call counts as well.
  return bus_.interface()->isServiceRegistered(kService).value() ||
         bus_.interface()->activatableServiceNames().value().contains(kService);
}

bool DesktopNotifications::Show(const QString& summary, const QString& body, bool urgent, const QString& number) {
  if (!ServiceAvailable()) return false;
  if (actions_.has_value()) {
    Send(summary, body, urgent, number);
    return true;
  }
  // The first notification asks what the service can do, and goes once it has said.
  auto* asked = new QDBusPendingCallWatcher(
      bus_.asyncCall(QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("GetCapabilities"))),
      this);
  connect(asked, &QDBusPendingCallWatcher::finished, this, [=, this](QDBusPendingCallWatcher* answer) {
    const QDBusPendingReply<QStringList> capabilities = *answer;
    answer->deleteLater();
    if (!actions_.has_value()) actions_ = capabilities.isValid() && capabilities.value().contains("actions");
    Send(summary, body, urgent, number);
  });
  return true;
}

void DesktopNotifications::Send(const QString& summary, const QString& body, bool urgent, const QString& number) {
  QDBusMessage notify = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
  // The desktop entry's name lets the desktop group the notifications under the program.
  QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("ringlook")}};
  // Where the window cannot be raised (Wayland), this is how an alert caller reaches the user.
  if (urgent) hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar{2}));
  // Only a call has an entry to change.
  QStringList actions;
  if (actions_.value_or(false)) actions << kDefaultAction << QStringLiteral("Toon");
  if (actions_.value_or(false) && !number.isEmpty()) actions << kEditAction << QStringLiteral("Wijzigen");
  if (actions_.value_or(false) && !calls::DialableNumber(ToCp1252(number)).empty()) {
    actions << kCallBackAction << QStringLiteral("Terugbellen");
  }
  // Servers may read the body as markup, so it is escaped; the summary is plain text.
  notify << QStringLiteral("Ringlook") << (urgent ? 0U : replaceable_) << QStringLiteral("ringlook") << summary
         << body.toHtmlEscaped() << actions << hints << (urgent ? 0 : -1);
  auto* sent = new QDBusPendingCallWatcher(bus_.asyncCall(notify), this);
  connect(sent, &QDBusPendingCallWatcher::finished, this, [=, this](QDBusPendingCallWatcher* answer) {
    const QDBusPendingReply<uint> id = *answer;
    answer->deleteLater();
    if (!id.isValid()) return;
    numbers_[id.value()] = number;
    if (!urgent) replaceable_ = id.value();
  });
}

void DesktopNotifications::ActivationToken(uint id, const QString& token) {
  if (numbers_.count(id) != 0) tokens_[id] = token;
}

void DesktopNotifications::ActionInvoked(uint id, const QString& action) {
  const auto found = numbers_.find(id);
  if (found == numbers_.end()) return;
  const QString number = found->second;
  const auto token = tokens_.find(id);
  const QString activationToken = token != tokens_.end() ? token->second : QString();
  if (token != tokens_.end()) tokens_.erase(token);
  if (action == kDefaultAction && OnShow) OnShow(number, activationToken);
  if (action == kEditAction && OnEdit) OnEdit(number);
  if (action == kCallBackAction && OnCallBack) OnCallBack(number);
}

void DesktopNotifications::NotificationClosed(uint id, uint /*reason*/) {
  numbers_.erase(id);
  tokens_.erase(id);
  if (id == replaceable_) replaceable_ = 0;
}

}  // namespace ringlook::qt
