// Call notifications over a bus of the test's own: none where no notification
// service is on the bus; the caller's name and number where one is; actions
// where it offers them; a newer call replacing the last but never an alert's.
#include <gtest/gtest.h>

#include <QTest>

#include "PrivateBus.h"
#include "qt/DesktopNotifications.h"

namespace {

using ringlook::qt::DesktopNotifications;
using ringlook::testing::NotificationService;
using ringlook::testing::PrivateBus;

TEST(DesktopNotifications, NothingWithoutANotificationService) {
  PrivateBus bus;
  ASSERT_FALSE(bus.Address().isEmpty()) << "dbus-daemon is missing (Debian package dbus-daemon)";
  DesktopNotifications notifications(bus.Connect("client"));
  EXPECT_FALSE(notifications.Show("Jansen", "0201234567", false, "0201234567"));
}

TEST(DesktopNotifications, TellTheCallerAndReplaceTheLastButNeverAnAlert) {
  for (const bool actions : {false, true}) {
    SCOPED_TRACE(actions ? "a service with actions" : "a service without actions");
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().isEmpty()) << "dbus-daemon is missing (Debian package dbus-daemon)";
    NotificationService service(bus.Connect("service"), actions);
    DesktopNotifications notifications(bus.Connect("client"));
    ASSERT_TRUE(notifications.Show("Autobedrijf Jansen & Zn.", "<0612345678>", false, "0612345678"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() == 1; }, 10000));
    ASSERT_TRUE(notifications.Show("Notaris Mulder", "0383334455", true, "0383334455"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() == 2; }, 10000));
    ASSERT_TRUE(notifications.Show("Bakkerij", "0384211234", false, "0384211234"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() == 3; }, 10000));

    const NotificationService::Call& plain = service.calls[0];
    EXPECT_EQ(plain.application, "Ringlook");
    EXPECT_EQ(plain.icon, "ringlook");
    EXPECT_EQ(plain.summary, "Autobedrijf Jansen & Zn.");
    EXPECT_EQ(plain.body, "&lt;0612345678&gt;") << "the body may be read as markup";
    EXPECT_EQ(plain.hints.value("desktop-entry").toString(), "ringlook");
    EXPECT_FALSE(plain.hints.contains("urgency"));
    EXPECT_EQ(plain.timeout, -1);
    EXPECT_EQ(plain.actions,
              actions ? QStringList({"default", "Toon", "wijzigen", "Wijzigen", "terugbellen", "Terugbellen"})
                      : QStringList());
    // An alert caller: urgent, there until dismissed, and left there by later calls.
    const NotificationService::Call& alert = service.calls[1];
    EXPECT_EQ(alert.hints.value("urgency").toInt(), 2);
    EXPECT_EQ(alert.timeout, 0);
    EXPECT_EQ(alert.replaces, 0U);
    EXPECT_EQ(service.calls[2].replaces, plain.id);
  }
}

TEST(DesktopNotifications, AClickItsWijzigenAndItsTerugbellenComeBackWithTheCallsNumber) {
  PrivateBus bus;
  ASSERT_FALSE(bus.Address().isEmpty()) << "dbus-daemon is missing (Debian package dbus-daemon)";
  NotificationService service(bus.Connect("service"), true);
  DesktopNotifications notifications(bus.Connect("client"));
  std::vector<QString> happened;
  notifications.OnShow = [&](const QString& number, const QString& token) { happened.push_back(number + " " + token); };
  notifications.OnEdit = [&](const QString& number) { happened.push_back("wijzigen " + number); };
  notifications.OnCallBack = [&](const QString& number) { happened.push_back("terugbellen " + number); };
  ASSERT_TRUE(notifications.Show("Jansen", "0612345678", false, "0612345678"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() == 1; }, 10000));
  const uint id = service.calls[0].id;
  service.Click(id, "default", "token-1");
  service.Click(id, "wijzigen");
  service.Click(id, "terugbellen");
  service.Click(id + 1, "default");  // not ours
  ASSERT_TRUE(QTest::qWaitFor([&] { return happened.size() >= 3; }, 10000));
  QTest::qWait(50);
  EXPECT_EQ(happened, (std::vector<QString>{"0612345678 token-1", "wijzigen 0612345678", "terugbellen 0612345678"}));
}

}  // namespace
