// Nested event processing: see QtEventPump.h.
#include "qt/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace ringlook::qt {

void ProcessEventsUntil(const Clock& clock, std::uint64_t deadlineTick) {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  const std::uint64_t now = clock.TickMs();
  if (now >= deadlineTick) return;
  // A precise single-shot timer wakes the wait at the deadline: Qt's default
  // coarse timers may fire up to 5% late, which would stretch a 2 s pause.
  QTimer wake;
  wake.setTimerType(Qt::PreciseTimer);
  wake.setSingleShot(true);
  wake.start(static_cast<int>(deadlineTick - now));
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace ringlook::qt
