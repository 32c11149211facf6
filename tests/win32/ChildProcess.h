// A program the test starts, with its standard output read line by line.
#pragma once

#include <string>

#include "win32/Win32Api.h"

namespace ringlook::win32::testing {

class ChildProcess {
 public:
  // program: a file beside the test program; arguments: the rest of its command line.
  ChildProcess(const std::string& program, const std::string& arguments);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // The next line it prints, without its line break; "" when none comes in time.
  std::string ReadLine(DWORD timeoutMs = 10000);
  // True when it ended within the time.
  bool WaitForExit(DWORD timeoutMs = 10000) const;
  void Kill() const;

 private:
  PROCESS_INFORMATION process_{};
  HANDLE output_ = nullptr;
  std::string pending_;
};

}  // namespace ringlook::win32::testing
