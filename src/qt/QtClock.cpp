// The real clock: see QtClock.h.
#include "qt/QtClock.h"

#include <QDateTime>

namespace ringlook::qt {

double QtClock::Now() const {
  // Days since 1899-12-30 in local time, the fraction being the time of day.
  static const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
  const QDateTime local = QDateTime::currentDateTime();
  const QDateTime asUtc(local.date(), local.time(), Qt::UTC);
  return static_cast<double>(epoch.msecsTo(asUtc)) / kMsPerDay;
}

std::uint64_t QtClock::TickMs() const { return static_cast<std::uint64_t>(elapsed_.elapsed()); }

}  // namespace ringlook::qt
