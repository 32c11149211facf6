// One copy per user: a lock file in the user's runtime folder, held while the
// copy runs, and a local socket beside it through which a later start asks the
// running copy to come forward ("SHOW\n", answered "OK\n").
//
// The kernel frees the lock file's lock when a copy dies, and its process id
// shows that no copy runs any more, so the lock of a killed copy is taken over.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <memory>

#include "ports/InstanceLock.h"

class QLocalSocket;

namespace ringlook::qt {

class QtInstanceLock : public InstanceLock {
 public:
  // folder: where the lock and the socket live; empty for the user's runtime folder.
  explicit QtInstanceLock(const QString& folder = {});
  ~QtInstanceLock() override;
  QtInstanceLock(const QtInstanceLock&) = delete;
  QtInstanceLock& operator=(const QtInstanceLock&) = delete;

  Outcome Acquire() override;
  void ListenForOthers(std::function<void()> showPrevious) override;
  bool AskFirstToShow() override;
  void Release() override;

 private:
  void Answer(QLocalSocket& peer);

  QString folder_;
  QString socketPath_;
  QLockFile lockFile_;
  std::unique_ptr<QLocalServer> server_;
  std::function<void()> showPrevious_;
};

}  // namespace ringlook::qt
