// The figures on the real ringlook executable as a child process (offscreen,
// settings and runtime folder of its own) against the reference server on
// 127.0.0.1:6661, beside the bare Qt program: start-up, resident memory idle and
// with 100,000 lines, and CPU time while connected and idle.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "Measure.h"

namespace ringlook::perf {

class ChildProcess;
class ServerThread;

struct Programs {
  std::string Ringlook;
  std::string BareWindow;
  // Holds the databases and every child's folders.
  QString WorkFolder;
  int Runs = 5;
};

// Start-up (to the first activation's end; and to a working day's calls of
// dayDatabase in the list), then resident memory connected and idle (empty
// list) and with the 100,000 calls of fullDatabase; emptyDatabase has a
// directory and no calls.
std::vector<Row> MeasureStartAndMemory(const Programs& programs, const QString& emptyDatabase,
                                       const QString& dayDatabase, const QString& fullDatabase);

// The calls of dayDatabase: a busy working day at one desk.
inline constexpr int kDayCalls = 40;

// Several copies connected and idle, side by side, their CPU time counted from
// Begin to End.
class IdleCpu {
 public:
  IdleCpu(const Programs& programs, const QString& emptyDatabase);
  ~IdleCpu();
  IdleCpu(const IdleCpu&) = delete;
  IdleCpu& operator=(const IdleCpu&) = delete;

  // Starts the copies; returns once each is connected and has gone quiet.
  void Begin();
  [[nodiscard]] Instant Began() const { return began_; }
  Row End();

 private:
  Programs programs_;
  std::unique_ptr<ServerThread> server_;
  std::vector<std::unique_ptr<ChildProcess>> copies_;
  std::vector<double> cpuAtBegin_;
  std::vector<long> switchesAtBegin_;
  Instant began_;
};

}  // namespace ringlook::perf
