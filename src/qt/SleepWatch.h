// The machine's sleep as logind tells of it on the system bus
// (org.freedesktop.login1.Manager's PrepareForSleep): false there is the wake.
#pragma once

#include <QObject>
#include <functional>

namespace ringlook::qt {

class SleepWatch : public QObject {
  Q_OBJECT

 public:
  SleepWatch();

  // Whether logind is there to tell; without it OnWake never comes.
  [[nodiscard]] bool Available() const { return available_; }

  std::function<void()> OnWake;

 private:
  Q_SLOT void PrepareForSleep(bool sleeping);

  bool available_ = false;
};

}  // namespace ringlook::qt
