// Call notifications over a private session bus of the test's own: none where no
// notification service is on the bus, and the caller's name and number to the
// service where one is.
#include <gtest/gtest.h>
#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>

#include "ui/qt/DesktopNotifications.h"

// Outside the unnamed namespace, where moc's code can name it.
class FakeNotificationService : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

 public:
  struct Call {
    QString application, icon, summary, body;
    QVariantMap hints;
    int timeout;
  };
  std::vector<Call> calls;

 public Q_SLOTS:
  uint Notify(const QString& application, uint /*replaces*/, const QString& icon, const QString& summary,
              const QString& body, const QStringList& /*actions*/, const QVariantMap& hints, int timeout) {
    calls.push_back({application, icon, summary, body, hints, timeout});
    return static_cast<uint>(calls.size());
  }
};

namespace {

using ringlook::qt::DesktopNotifications;

// Nothing else on it: no service the bus could start on a call.
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

class DesktopNotificationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    QFile config(folder_.filePath("bus.conf"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(kBusConfig);
    config.close();
    bus_.start("dbus-daemon", {"--nofork", "--nopidfile", "--print-address=1", "--config-file=" + config.fileName()});
    ASSERT_TRUE(bus_.waitForStarted()) << "dbus-daemon is missing (Debian package dbus-daemon)";
    ASSERT_TRUE(bus_.waitForReadyRead(10000));
    address_ = QString::fromUtf8(bus_.readLine().trimmed());
  }
  void TearDown() override {
    QDBusConnection::disconnectFromBus("client");
    QDBusConnection::disconnectFromBus("service");
    bus_.terminate();
    bus_.waitForFinished();
  }

  QDBusConnection Connect(const QString& name) const { return QDBusConnection::connectToBus(address_, name); }

  QTemporaryDir folder_;
  QProcess bus_;
  QString address_;
};

TEST_F(DesktopNotificationsTest, NothingWithoutANotificationService) {
  DesktopNotifications notifications(Connect("client"));
  EXPECT_FALSE(notifications.Show("Jansen", "0201234567", false));
}

TEST_F(DesktopNotificationsTest, TheServiceGetsTheCallersNameAndNumber) {
  FakeNotificationService fake;
  QDBusConnection service = Connect("service");
  ASSERT_TRUE(service.registerService("org.freedesktop.Notifications"));
  ASSERT_TRUE(service.registerObject("/org/freedesktop/Notifications", &fake, QDBusConnection::ExportAllSlots));

  DesktopNotifications notifications(Connect("client"));
  ASSERT_TRUE(notifications.Show("Autobedrijf Jansen & Zn.", "<0612345678>", false));
  ASSERT_TRUE(notifications.Show("Notaris Mulder", "0383334455", true));
  ASSERT_TRUE(QTest::qWaitFor([&] { return fake.calls.size() == 2; }, 10000));
  const FakeNotificationService::Call& call = fake.calls.front();
  EXPECT_EQ(call.application, "Ringlook");
  EXPECT_EQ(call.icon, "ringlook");
  EXPECT_EQ(call.summary, "Autobedrijf Jansen & Zn.");
  // The body may be read as markup.
  EXPECT_EQ(call.body, "&lt;0612345678&gt;");
  EXPECT_EQ(call.hints.value("desktop-entry").toString(), "ringlook");
  EXPECT_FALSE(call.hints.contains("urgency"));
  EXPECT_EQ(call.timeout, -1);
  // An alert caller: urgent, and there until dismissed.
  const FakeNotificationService::Call& alert = fake.calls.back();
  EXPECT_EQ(alert.hints.value("urgency").toInt(), 2);
  EXPECT_EQ(alert.timeout, 0);
}

}  // namespace

#include "DesktopNotificationsTest.moc"
