// A program under measurement as a child process: started with an environment
// of its own, lines typed at its standard input, its output read line by line
// as it comes (each line with the instant it was read), its exit seen the
// moment it happens, and its memory, CPU time and wake-ups read from /proc.
#pragma once

#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Measure.h"

namespace ringlook::perf {

// The number after "name:" in a /proc status file; 0 when it is not there.
long StatusValue(const std::string& path, std::string_view name);

class ChildProcess {
 public:
  // Starts program with args; environment: this process's, with changes set (an
  // empty value removes the variable). Standard output and error share one pipe;
  // standard input is a pipe for TypeLine when typed is set, else /dev/null.
  ChildProcess(const std::string& program, const std::vector<std::string>& args,
               const std::map<std::string, std::string>& changes, bool typed = false);
  // Ends the child (SIGTERM, then SIGKILL after 5 s) unless it has exited.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  [[nodiscard]] Instant Started() const { return started_; }
  // Writes line and a line end to its standard input; throws when it cannot.
  void TypeLine(std::string_view line);
  // The instant a line holding text was read; nothing when the child exits or timeoutMs pass first.
  std::optional<Instant> WaitForLine(std::string_view text, int timeoutMs);
  // The line the last WaitForLine found.
  [[nodiscard]] const std::string& LineFound() const { return found_; }
  // The instant the child exited; nothing when timeoutMs pass first.
  std::optional<Instant> WaitForExit(int timeoutMs);

  // Resident memory (VmRSS) in KiB.
  [[nodiscard]] long ResidentKiB() const;
  // User and system time of all its threads, in seconds (to the clock tick).
  [[nodiscard]] double CpuSeconds() const;
  // Times any of its threads went to sleep of its own accord: each is followed by a wake-up.
  [[nodiscard]] long VoluntarySwitches() const;
  // Waits until its CPU time stays the same for quietMs; false when timeoutMs pass first.
  bool WaitUntilIdle(int quietMs, int timeoutMs) const;

 private:
  // Reads what is there; false at end of output.
  bool ReadOutput();

  pid_t pid_ = -1;
  int output_ = -1;
  int input_ = -1;
  int exitWatch_ = -1;
  bool exited_ = false;
  Instant started_;
  std::string pending_;
  // The lines not yet looked at: a long run reads many.
  std::vector<std::pair<Instant, std::string>> lines_;
  std::string found_;
};

}  // namespace ringlook::perf
