// A program the test starts: see ChildProcess.h.
#include "ChildProcess.h"

namespace ringlook::win32::testing {

namespace {
std::string Beside(const std::string& program) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.rfind('\\') + 1) + program;
}
}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::string& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE write = nullptr;
  CreatePipe(&output_, &write, &inherit, 0);
  SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  startup.hStdError = write;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::string commandLine;
  for (const std::string& part : {std::string("\""), Beside(program), std::string("\" "), arguments}) {
    commandLine += part;
  }
  CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process_);
  CloseHandle(write);
}

ChildProcess::~ChildProcess() {
  if (process_.hProcess != nullptr && !WaitForExit(0)) Kill();
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
  CloseHandle(output_);
}

std::string ChildProcess::ReadLine(DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (pending_.find('\n') == std::string::npos) {
    DWORD waiting = 0;
    if (PeekNamedPipe(output_, nullptr, 0, nullptr, &waiting, nullptr) == FALSE) break;
    if (waiting == 0) {
      if (GetTickCount64() >= deadline) break;
      Sleep(10);
      continue;
    }
    char chunk[256];
    DWORD got = 0;
    if (ReadFile(output_, chunk, sizeof chunk, &got, nullptr) == FALSE) break;
    pending_.append(chunk, got);
  }
  const std::size_t end = pending_.find('\n');
  if (end == std::string::npos) return {};
  std::string line = pending_.substr(0, end);
  pending_.erase(0, end + 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) const {
  return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void ChildProcess::Kill() const {
  TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, 10000);
}

}  // namespace ringlook::win32::testing
